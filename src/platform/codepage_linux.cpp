// Our own code-page layer, giving the results of the Windows calls (measured under Wine) for
// code pages 936, 65001 and 0, invalid input included.
#include <climits>
#include <cstring>

#include "platform/codepage.h"
#include "platform/gbk_tables_linux.h"

namespace platform {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Conversions run twice, once counting and once writing, so the decoders take a sink.
template <typename Unit>
struct CountingSink {
    size_t count = 0;
    void Put(Unit) { count++; }
};

template <typename Unit>
struct WritingSink {
    Unit* next;
    Unit* end;
    bool overflow = false;
    void Put(Unit u) {
        if (next == end) {
            overflow = true;
            return;
        }
        *next++ = u;
    }
};

template <typename Sink>
void DecodeGbk(const unsigned char* s, size_t n, Sink& sink) {
    const GbkTables& t = Gbk();
    for (size_t i = 0; i < n;) {
        unsigned char b = s[i];
        // A lead byte takes the next byte as its trail, whatever it is, unless that is a zero.
        if (t.isLead[b] && i + 1 < n && s[i + 1] != 0) {
            sink.Put(t.pair[b << 8 | s[i + 1]]);
            i += 2;
        } else {
            sink.Put(t.single[b]);
            i++;
        }
    }
}

// One character starting with byte `lead` (80 or above) at s[i]; `i` moves past the bytes taken.
// A sequence cut off by the end takes the rest of the input with it; a broken sequence takes
// the bytes read until it was seen to be broken, as Windows does.
char32_t DecodeUtf8Char(const unsigned char* s, size_t n, size_t& i) {
    unsigned char lead = s[i++];
    int following = lead >= 0xF0 ? (lead <= 0xF4 ? 3 : 0)
                    : lead >= 0xE0 ? 2
                    : lead >= 0xC2 ? 1
                                   : 0;
    if (following == 0) return kReplacement;
    if (i + following > n) {
        i = n;
        return kReplacement;
    }
    static const unsigned char kLeadMask[4] = {0x7F, 0x1F, 0x0F, 0x07};
    char32_t value = lead & kLeadMask[following];
    for (int k = following; k > 0; k--) {
        unsigned continuation = s[i] ^ 0x80u;
        if (continuation >= 0x40) return kReplacement;
        value = value << 6 | continuation;
        i++;
        bool broken = (k == 3 && (value < 0x10 || value >= 0x110)) ||
                      (k == 2 && (value < 0x20 || (value >= 0x360 && value < 0x380))) ||
                      (k == 1 && value < 0x80);
        if (broken) return kReplacement;
    }
    return value;
}

template <typename Sink>
void DecodeUtf8(const unsigned char* s, size_t n, Sink& sink) {
    for (size_t i = 0; i < n;) {
        if (s[i] < 0x80) {
            sink.Put(s[i++]);
            continue;
        }
        char32_t c = DecodeUtf8Char(s, n, i);
        if (c >= 0x10000) {
            c -= 0x10000;
            sink.Put(static_cast<char16_t>(0xD800 | (c >> 10)));
            sink.Put(static_cast<char16_t>(0xDC00 | (c & 0x3FF)));
        } else {
            sink.Put(static_cast<char16_t>(c));
        }
    }
}

template <typename Sink>
void EncodeGbk(const char16_t* s, size_t n, Sink& sink) {
    const GbkTables& t = Gbk();
    for (size_t i = 0; i < n; i++) {
        uint16_t code = t.encode[s[i]];
        if (code == GbkTables::kUnmapped) {
            sink.Put('?');
        } else if (code > 0xFF) {
            sink.Put(static_cast<char>(code >> 8));
            sink.Put(static_cast<char>(code & 0xFF));
        } else {
            sink.Put(static_cast<char>(code));
        }
    }
}

template <typename Sink>
void EncodeUtf8(const char16_t* s, size_t n, Sink& sink) {
    for (size_t i = 0; i < n; i++) {
        char32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        if (c < 0x80) {
            sink.Put(static_cast<char>(c));
        } else if (c < 0x800) {
            sink.Put(static_cast<char>(0xC0 | c >> 6));
            sink.Put(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            sink.Put(static_cast<char>(0xE0 | c >> 12));
            sink.Put(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
            sink.Put(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            sink.Put(static_cast<char>(0xF0 | c >> 18));
            sink.Put(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
            sink.Put(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
            sink.Put(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
}

// 0 is the ANSI code page, 936 on the systems the program serves; 0 means unsupported here.
unsigned Resolve(unsigned codePage) {
    if (codePage == kCodePageAnsi) return kCodePageGbk;
    return (codePage == kCodePageGbk || codePage == kCodePageUtf8) ? codePage : 0;
}

// Runs `convert` once counting, or once writing into dst; the contract of the Windows calls.
template <typename Unit, typename Convert>
int Deliver(Unit* dst, int dstLength, Convert convert) {
    if (dstLength == 0) {
        CountingSink<Unit> counter;
        convert(counter);
        return counter.count > INT_MAX ? 0 : static_cast<int>(counter.count);
    }
    if (!dst || dstLength < 0) return 0;
    WritingSink<Unit> writer{dst, dst + dstLength};
    convert(writer);
    return writer.overflow ? 0 : static_cast<int>(writer.next - dst);
}

}  // namespace

int MultiByteToWide(unsigned codePage, const char* src, int srcLength, char16_t* dst,
                    int dstLength) {
    unsigned cp = Resolve(codePage);
    if (!cp || !src || srcLength == 0 || srcLength < -1) return 0;
    size_t n = srcLength == -1 ? std::strlen(src) + 1 : static_cast<size_t>(srcLength);
    const unsigned char* s = reinterpret_cast<const unsigned char*>(src);
    return Deliver(dst, dstLength, [&](auto& sink) {
        cp == kCodePageGbk ? DecodeGbk(s, n, sink) : DecodeUtf8(s, n, sink);
    });
}

int WideToMultiByte(unsigned codePage, const char16_t* src, int srcLength, char* dst,
                    int dstLength) {
    unsigned cp = Resolve(codePage);
    if (!cp || !src || srcLength == 0 || srcLength < -1) return 0;
    size_t n = static_cast<size_t>(srcLength);
    if (srcLength == -1) {
        n = 0;
        while (src[n]) n++;
        n++;
    }
    return Deliver(dst, dstLength, [&](auto& sink) {
        cp == kCodePageGbk ? EncodeGbk(src, n, sink) : EncodeUtf8(src, n, sink);
    });
}

}  // namespace platform
