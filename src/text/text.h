// Text and Bytes, and the searches every other module builds on.
//
// Text is GBK (code page 936) byte text that never holds a zero byte; Bytes may hold any byte.
// Both are std::string so that they pass by value cheaply and convert without copies; the
// difference is a promise about content, kept by AsText at every boundary where Bytes become
// Text. Positions count bytes from 1 and -1 means "not found". Searches step over two-byte
// characters as units, so a match never begins on a trail byte. Case folding touches ASCII only.
#pragma once

#include <cstddef>
#include <string>

using Text = std::string;
using Bytes = std::string;

constexpr int kNotFound = -1;

// A byte of 0x80 or above opens a two-byte character; the character ends early at the end of text.
inline bool IsLeadByte(unsigned char b) {
    return b >= 0x80;
}
size_t CharLengthAt(const Text& text, size_t offset);

// The offset of the first character boundary at or after `offset`, found by walking from the start.
size_t AlignToChar(const Text& text, size_t offset);

// Bytes up to the first zero byte.
Text AsText(const Bytes& bytes);

char LowerAscii(char c);
Text LowerAscii(Text text);
bool SameAt(const Text& text, size_t offset, const Text& what, bool ignoreCase);

// Position (from 1) of the first `what` at or after `startPos`; a start below 1 counts as 1.
// An empty `what` is found at the start position.
int FindText(const Text& text, const Text& what, int startPos = 1, bool ignoreCase = false);
bool Contains(const Text& text, const Text& what, bool ignoreCase = false);

// Position of the last `what` that lies wholly before position `beforePos`.
int FindLastBefore(const Text& text, const Text& what, int beforePos);

// Every `what` replaced by `with`, scanning left to right over characters.
Text ReplaceAll(const Text& text, const Text& what, const Text& with, bool ignoreCase = false);

// Blanks are the ASCII space and the full-width space (A1 A1).
Text TrimBlanks(const Text& text);
Text RemoveBlanks(const Text& text);

// The last (length - pos) bytes: the text after position `pos`.
Text TextAfter(const Text& text, int pos);
