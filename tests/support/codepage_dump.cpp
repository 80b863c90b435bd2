#include "support/codepage_dump.h"

#include <cstdio>
#include <vector>

#include "platform/codepage.h"

namespace {

void AppendHexBytes(std::string* out, const std::string& bytes) {
    char hex[4];
    for (unsigned char b : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", b);
        *out += hex;
    }
}

void AppendHexUnits(std::string* out, const std::u16string& units) {
    char hex[8];
    for (size_t i = 0; i < units.size(); i++) {
        std::snprintf(hex, sizeof hex, i ? " %04X" : "%04X", static_cast<unsigned>(units[i]));
        *out += hex;
    }
}

void DumpToWide(std::string* out, char tag, unsigned codePage, const std::string& input) {
    *out += tag;
    *out += ' ';
    AppendHexBytes(out, input);
    *out += ' ';
    int length = static_cast<int>(input.size());
    int needed = platform::MultiByteToWide(codePage, input.data(), length, nullptr, 0);
    std::u16string units(needed > 0 ? needed : 0, u'\0');
    int written = needed > 0
                      ? platform::MultiByteToWide(codePage, input.data(), length, &units[0], needed)
                      : 0;
    if (written <= 0) {
        *out += "-\n";
        return;
    }
    units.resize(written);
    AppendHexUnits(out, units);
    *out += '\n';
}

void DumpToMultiByte(std::string* out, char tag, unsigned codePage, const std::u16string& input) {
    *out += tag;
    *out += ' ';
    AppendHexUnits(out, input);
    *out += ' ';
    int length = static_cast<int>(input.size());
    int needed = platform::WideToMultiByte(codePage, input.data(), length, nullptr, 0);
    std::string bytes(needed > 0 ? needed : 0, '\0');
    int written = needed > 0
                      ? platform::WideToMultiByte(codePage, input.data(), length, &bytes[0], needed)
                      : 0;
    if (written <= 0) {
        *out += "-\n";
        return;
    }
    bytes.resize(written);
    AppendHexBytes(out, bytes);
    *out += '\n';
}

// Broken UTF-8: every lead byte from 80 to FF, followed by up to three bytes drawn from values
// that sit on the edges of the continuation ranges, plus a few sequences inside longer text.
std::vector<std::string> BrokenUtf8() {
    const int seconds[] = {0x41, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0};
    const int thirds[] = {-1, 0x41, 0x80, 0xBF, 0xC0};
    const int fourths[] = {-1, 0x41, 0x80, 0xBF};
    std::vector<std::string> cases;
    for (int lead = 0x80; lead <= 0xFF; lead++) {
        cases.push_back(std::string(1, static_cast<char>(lead)));
        for (int b2 : seconds) {
            for (int b3 : thirds) {
                for (int b4 : fourths) {
                    if (b3 < 0 && b4 >= 0) continue;
                    std::string s{static_cast<char>(lead), static_cast<char>(b2)};
                    if (b3 >= 0) s += static_cast<char>(b3);
                    if (b4 >= 0) s += static_cast<char>(b4);
                    cases.push_back(s);
                }
            }
        }
    }
    const char* const mixed[] = {"a\xE2\x82x",
                                 "\xED\xA0\x80z",
                                 "\xF0\x9F\x98x",
                                 "\xF4\x90\x80\x80",
                                 "\xEF\xBB\xBFok",
                                 "\xC3\xA9\xE4\xB8\xAD",
                                 "\xF0\x9F\x98\x80\xF0\x9F",
                                 "\xE4\xB8"};
    for (const char* s : mixed) cases.push_back(s);
    return cases;
}

std::vector<std::u16string> Utf16Samples() {
    return {u"a",           {0xD800},        {0xDFFF},       {0xD83D, 0xDE00}, {0xDE00, 0xD83D},
            {0xD83D, u'a'}, {u'a', 0xDC00},  {0xFEFF, u'b'}, {0x4E2D, 0x6587}, {0xFFFD},
            {0xFFFF},       {0x20AC, 0x00E9}};
}

}  // namespace

std::string CodePageDump() {
    std::string out;
    out.reserve(4 << 20);
    for (int b = 0; b < 256; b++) DumpToWide(&out, 'M', 936, std::string(1, static_cast<char>(b)));
    for (int pair = 0; pair < 65536; pair++) {
        std::string input{static_cast<char>(pair >> 8), static_cast<char>(pair & 0xFF)};
        DumpToWide(&out, 'M', 936, input);
    }
    for (int unit = 0; unit < 65536; unit++) {
        DumpToMultiByte(&out, 'W', 936, std::u16string(1, static_cast<char16_t>(unit)));
    }
    for (const std::string& s : BrokenUtf8()) DumpToWide(&out, 'U', 65001, s);
    for (const std::u16string& s : Utf16Samples()) DumpToMultiByte(&out, 'V', 65001, s);
    return out;
}
