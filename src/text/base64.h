// Base64 (RFC 4648 alphabet, "=" padding, no line breaks) and GBK to UTF-16.
#pragma once

#include "text/text.h"

Text Base64Encode(const Bytes& data);

// UTF-16 of a GBK text with its two-byte terminator, unless `dropTerminator`; empty for empty text.
Bytes TextToUtf16(const Text& text, bool dropTerminator = false);
