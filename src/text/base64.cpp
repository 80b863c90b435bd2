#include "text/base64.h"

#include "text/encoding.h"

Text Base64Encode(const Bytes& data) {
    static const char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    if (data.empty()) return Text();
    Text out;
    out.reserve((data.size() + 2) / 3 * 4);
    size_t i = 0;
    auto byte = [&data](size_t at) {
        return at < data.size() ? static_cast<unsigned char>(data[at]) : 0u;
    };
    for (; i < data.size(); i += 3) {
        unsigned b0 = byte(i), b1 = byte(i + 1), b2 = byte(i + 2);
        out += kAlphabet[b0 >> 2];
        out += kAlphabet[((b0 & 3) << 4) + (b1 >> 4)];
        out += kAlphabet[((b1 & 15) << 2) + (b2 >> 6)];
        out += kAlphabet[b2 & 63];
    }
    size_t remainder = data.size() % 3;
    if (remainder == 1) out.replace(out.size() - 2, 2, "==");
    if (remainder == 2) out.back() = '=';
    return out;
}

Bytes TextToUtf16(const Text& text, bool dropTerminator) {
    if (AsText(text).empty()) return Bytes();
    Bytes wide = MultiByteToUtf16(text, 936);
    if (dropTerminator && wide.size() >= 2) wide.resize(wide.size() - 2);
    return wide;
}
