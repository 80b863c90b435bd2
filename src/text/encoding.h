// Percent-encoding and code-page conversion between GBK text, UTF-8 and UTF-16.
#pragma once

#include "text/text.h"

// Every byte as "%" and two upper-case hex digits, except ASCII letters, digits, "-" and "."
// when `keepUnreserved`; over the UTF-8 form of `text` when `utf8First`.
Text UrlEncode(const Text& text, bool keepUnreserved = false, bool utf8First = false);

// The UTF-8 bytes of a GBK text.
Text TextToUtf8(const Text& text);

// UTF-16 (little-endian units) of `text` read in `codePage`, always ending in one zero unit.
Bytes MultiByteToUtf16(const Text& text, int codePage = 65001);

// UTF-16 up to its first zero unit (or its end), written in `codePage`; 0 is the ANSI code page.
Text Utf16ToMultiByte(const Bytes& wide, int codePage = 0);

// A UTF-8 reply as GBK text; characters GBK lacks become "?".
Text Utf8ToText(const Bytes& utf8);
