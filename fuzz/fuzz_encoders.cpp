// Percent-encoding with every choice of options, and Base64, over any bytes: each must decode
// back to what went in.
#include <fuzzer/FuzzedDataProvider.h>

#include "check.h"
#include "text/base64.h"
#include "text/encoding.h"

namespace {

int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsUnreserved(char c) {
    return c == '-' || c == '.' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
           (c >= 'a' && c <= 'z');
}

Bytes PercentDecode(const Text& encoded, bool keepUnreserved) {
    Bytes out;
    for (size_t i = 0; i < encoded.size(); i++) {
        if (encoded[i] != '%') {
            FUZZ_CHECK(keepUnreserved && IsUnreserved(encoded[i]));
            out += encoded[i];
            continue;
        }
        FUZZ_CHECK(i + 2 < encoded.size());
        const int high = Hex(encoded[i + 1]), low = Hex(encoded[i + 2]);
        FUZZ_CHECK(high >= 0 && low >= 0);
        const char byte = static_cast<char>(high * 16 + low);
        FUZZ_CHECK(!(keepUnreserved && IsUnreserved(byte)));
        out += byte;
        i += 2;
    }
    return out;
}

Bytes Base64Decode(const Text& text) {
    static const Text kAlphabet =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    Bytes out;
    uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        if (c == '=') break;
        const size_t value = kAlphabet.find(c);
        FUZZ_CHECK(value != Text::npos);
        bits = bits << 6 | static_cast<uint32_t>(value);
        if (++count == 4) {
            out += static_cast<char>(bits >> 16);
            out += static_cast<char>(bits >> 8 & 0xFF);
            out += static_cast<char>(bits & 0xFF);
            bits = count = 0;
        }
    }
    if (count == 3) {
        out += static_cast<char>(bits >> 10);
        out += static_cast<char>(bits >> 2 & 0xFF);
    } else if (count == 2) {
        out += static_cast<char>(bits >> 4);
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes bytes(reinterpret_cast<const char*>(data), size);
    for (bool keepUnreserved : {false, true}) {
        for (bool utf8First : {false, true}) {
            const Text encoded = UrlEncode(bytes, keepUnreserved, utf8First);
            const Text source = utf8First ? TextToUtf8(bytes) : AsText(bytes);
            FUZZ_CHECK(PercentDecode(encoded, keepUnreserved) == (bytes.empty() ? "" : source));
        }
    }
    const Text base64 = Base64Encode(bytes);
    FUZZ_CHECK(base64.size() == (size + 2) / 3 * 4);
    FUZZ_CHECK(Base64Decode(base64) == bytes);

    const Bytes wide = TextToUtf16(bytes, size % 2 == 1);
    FUZZ_CHECK(wide.size() % 2 == 0);
    return 0;
}
