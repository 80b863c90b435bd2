// The calling contract of the conversions, which the text layer relies on.
#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::MultiByteToWide;
using platform::WideToMultiByte;

TEST(CodePageContract, SizeFirstThenConvert) {
    const char* text = "ab\xD6\xD0";
    EXPECT_EQ(MultiByteToWide(936, text, 4, nullptr, 0), 3);
    EXPECT_EQ(MultiByteToWide(936, text, -1, nullptr, 0), 4);  // with the terminator

    char16_t wide[4] = {1, 1, 1, 1};
    EXPECT_EQ(MultiByteToWide(936, text, -1, wide, 4), 4);
    EXPECT_EQ(std::u16string(wide, 4), std::u16string(u"ab\u4E2D", 4));

    char back[5] = {};
    EXPECT_EQ(WideToMultiByte(936, wide, -1, nullptr, 0), 5);
    EXPECT_EQ(WideToMultiByte(936, wide, -1, back, 5), 5);
    EXPECT_STREQ(back, text);
}

TEST(CodePageContract, FailuresGiveZero) {
    char16_t wide[2];
    char narrow[2];
    EXPECT_EQ(MultiByteToWide(936, "abc", 3, wide, 2), 0);  // too small
    EXPECT_EQ(MultiByteToWide(936, "abc", 0, wide, 2), 0);
    EXPECT_EQ(MultiByteToWide(936, nullptr, 3, wide, 2), 0);
    EXPECT_EQ(MultiByteToWide(99999, "abc", 3, nullptr, 0), 0);
    EXPECT_EQ(WideToMultiByte(936, u"\u4E2D", 1, narrow, 1), 0);
    EXPECT_EQ(WideToMultiByte(99999, u"a", 1, nullptr, 0), 0);
}

TEST(CodePageContract, AnsiCodePageIsGbk) {
    const std::string samples[] = {"\x80", "\xD6\xD0\xCE\xC4", "\xFF", "\x81\x20", "plain"};
    for (const std::string& s : samples) {
        int n = static_cast<int>(s.size());
        std::u16string viaAnsi(8, 0), viaGbk(8, 0);
        int a = MultiByteToWide(0, s.data(), n, &viaAnsi[0], 8);
        int g = MultiByteToWide(936, s.data(), n, &viaGbk[0], 8);
        EXPECT_EQ(a, g) << s;
        EXPECT_EQ(viaAnsi.substr(0, a), viaGbk.substr(0, g)) << s;
    }
}

}  // namespace
