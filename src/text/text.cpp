#include "text/text.h"

#include <cstring>

namespace {

constexpr char kWideSpace[] = "\xA1\xA1";

bool IsBlankAt(const Text& text, size_t offset, size_t* length) {
    if (text[offset] == ' ') {
        *length = 1;
        return true;
    }
    if (offset + 1 < text.size() && text.compare(offset, 2, kWideSpace) == 0) {
        *length = 2;
        return true;
    }
    return false;
}

}  // namespace

size_t CharLengthAt(const Text& text, size_t offset) {
    if (offset + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[offset]))) return 2;
    return 1;
}

size_t AlignToChar(const Text& text, size_t offset) {
    size_t at = 0;
    while (at < offset && at < text.size()) at += CharLengthAt(text, at);
    return at;
}

Text AsText(const Bytes& bytes) {
    size_t zero = bytes.find('\0');
    return zero == Bytes::npos ? bytes : bytes.substr(0, zero);
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

Text LowerAscii(Text text) {
    for (char& c : text) c = LowerAscii(c);
    return text;
}

bool SameAt(const Text& text, size_t offset, const Text& what, bool ignoreCase) {
    if (offset > text.size() || text.size() - offset < what.size()) return false;
    if (!ignoreCase) return std::memcmp(text.data() + offset, what.data(), what.size()) == 0;
    for (size_t i = 0; i < what.size(); i++) {
        if (LowerAscii(text[offset + i]) != LowerAscii(what[i])) return false;
    }
    return true;
}

int FindText(const Text& text, const Text& what, int startPos, bool ignoreCase) {
    size_t start = startPos < 1 ? 0 : static_cast<size_t>(startPos) - 1;
    if (start > text.size()) return kNotFound;
    size_t at = AlignToChar(text, start);
    if (what.empty()) return static_cast<int>(at) + 1;
    if (what.size() > text.size()) return kNotFound;
    size_t last = text.size() - what.size();
    for (; at <= last; at += CharLengthAt(text, at)) {
        if (text[at] != what[0] && !ignoreCase) {
            continue;
        }
        if (SameAt(text, at, what, ignoreCase)) return static_cast<int>(at) + 1;
    }
    return kNotFound;
}

bool Contains(const Text& text, const Text& what, bool ignoreCase) {
    return FindText(text, what, 1, ignoreCase) != kNotFound;
}

int FindLastBefore(const Text& text, const Text& what, int beforePos) {
    if (beforePos < 1) return kNotFound;
    int found = kNotFound;
    for (size_t at = 0; at < text.size(); at += CharLengthAt(text, at)) {
        if (at + what.size() + 1 > static_cast<size_t>(beforePos)) break;
        if (SameAt(text, at, what, false)) found = static_cast<int>(at) + 1;
    }
    return found;
}

Text ReplaceAll(const Text& text, const Text& what, const Text& with, bool ignoreCase) {
    if (what.empty()) return text;
    Text out;
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        if (SameAt(text, at, what, ignoreCase)) {
            out += with;
            at += what.size();
        } else {
            size_t n = CharLengthAt(text, at);
            out.append(text, at, n);
            at += n;
        }
    }
    return out;
}

Text TrimBlanks(const Text& text) {
    size_t begin = 0, length = 0;
    while (begin < text.size() && IsBlankAt(text, begin, &length)) begin += length;
    size_t end = begin;
    for (size_t at = begin; at < text.size();) {
        if (IsBlankAt(text, at, &length)) {
            at += length;
            continue;
        }
        at += CharLengthAt(text, at);
        end = at;
    }
    return text.substr(begin, end - begin);
}

Text RemoveBlanks(const Text& text) {
    Text out;
    out.reserve(text.size());
    size_t length = 0;
    for (size_t at = 0; at < text.size();) {
        if (IsBlankAt(text, at, &length)) {
            at += length;
            continue;
        }
        size_t n = CharLengthAt(text, at);
        out.append(text, at, n);
        at += n;
    }
    return out;
}

Text TextAfter(const Text& text, int pos) {
    if (pos < 0) return text;
    if (static_cast<size_t>(pos) >= text.size()) return Text();
    return text.substr(static_cast<size_t>(pos));
}
