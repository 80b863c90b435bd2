#include "text/encoding.h"

#include <climits>
#include <cstring>

#include "platform/codepage.h"

namespace {

int ClampedLength(size_t n) {
    return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

bool IsUnreserved(unsigned char b) {
    return b == '-' || b == '.' || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') ||
           (b >= 'a' && b <= 'z');
}

// Both conversions are asked twice: once for the size, then into a buffer of that size.
std::u16string ToWide(unsigned codePage, const char* src, int length) {
    int needed = platform::MultiByteToWide(codePage, src, length, nullptr, 0);
    if (needed <= 0) return std::u16string();
    std::u16string wide(static_cast<size_t>(needed), u'\0');
    int written = platform::MultiByteToWide(codePage, src, length, &wide[0], needed);
    wide.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return wide;
}

std::string ToMultiByte(unsigned codePage, const char16_t* src, int length) {
    int needed = platform::WideToMultiByte(codePage, src, length, nullptr, 0);
    if (needed <= 0) return std::string();
    std::string bytes(static_cast<size_t>(needed), '\0');
    int written = platform::WideToMultiByte(codePage, src, length, &bytes[0], needed);
    bytes.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return bytes;
}

Bytes UnitsToBytes(const std::u16string& wide) {
    Bytes bytes(wide.size() * 2, '\0');
    for (size_t i = 0; i < wide.size(); i++) {
        bytes[2 * i] = static_cast<char>(wide[i] & 0xFF);
        bytes[2 * i + 1] = static_cast<char>(wide[i] >> 8);
    }
    return bytes;
}

// The units of `wide` up to and including the first zero unit, or all of them when it has none;
// an odd last byte is not a unit.
std::u16string BytesToUnits(const Bytes& wide) {
    size_t count = wide.size() / 2;
    std::u16string units(count, u'\0');
    for (size_t i = 0; i < count; i++) {
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(wide[2 * i]) |
                                         static_cast<unsigned char>(wide[2 * i + 1]) << 8);
        if (units[i] == 0) {
            units.resize(i + 1);
            break;
        }
    }
    return units;
}

}  // namespace

Text UrlEncode(const Text& text, bool keepUnreserved, bool utf8First) {
    static const char kHex[] = "0123456789ABCDEF";
    if (text.empty()) return Text();
    const Text source = utf8First ? TextToUtf8(text) : AsText(text);
    Text out(source.size() * 3, '\0');
    size_t n = 0;
    for (unsigned char b : source) {
        if (keepUnreserved && IsUnreserved(b)) {
            out[n++] = static_cast<char>(b);
        } else {
            out[n++] = '%';
            out[n++] = kHex[b >> 4];
            out[n++] = kHex[b & 15];
        }
    }
    out.resize(n);
    return out;
}

Text TextToUtf8(const Text& text) {
    return Utf16ToMultiByte(MultiByteToUtf16(text, 936), 65001);
}

Bytes MultiByteToUtf16(const Text& text, int codePage) {
    const Text source = AsText(text);
    // The zero byte is converted too. A lead byte just before it takes it as its trail byte, so
    // the terminator is put back when the conversion swallowed it.
    std::u16string wide =
        ToWide(static_cast<unsigned>(codePage), source.c_str(), ClampedLength(source.size() + 1));
    if (wide.empty()) return Bytes();
    if (wide.back() != 0) wide.push_back(0);
    return UnitsToBytes(wide);
}

Text Utf16ToMultiByte(const Bytes& wide, int codePage) {
    std::u16string units = BytesToUnits(wide);
    if (units.empty()) return Text();
    return AsText(
        ToMultiByte(static_cast<unsigned>(codePage), units.data(), ClampedLength(units.size())));
}

Text Utf8ToText(const Bytes& utf8) {
    if (utf8.empty()) return Text();
    std::u16string wide = ToWide(65001, utf8.data(), ClampedLength(utf8.size()));
    if (wide.empty()) return Text();
    return AsText(ToMultiByte(936, wide.data(), ClampedLength(wide.size())));
}
