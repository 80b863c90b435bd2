#include "text/base64.h"

#include <gtest/gtest.h>

#include "support/gbk.h"

namespace {

TEST(Base64Encode, Rfc4648VectorsAndPadding) {
    struct Case {
        Bytes data;
        Text expected;
    } cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {Bytes("\0\0\0", 3), "AAAA"},
        {"\xFB\xFF", "+/8="},
        {GBK_ZHONG GBK_WEN, "1tDOxA=="},
    };
    for (const auto& c : cases) EXPECT_EQ(Base64Encode(c.data), c.expected) << c.data;
}

TEST(Base64Encode, NoLineBreaks) {
    Text of57 = Base64Encode(Bytes(57, 'x'));
    Text of58 = Base64Encode(Bytes(58, 'x'));
    EXPECT_EQ(of57.size(), 76u);
    EXPECT_EQ(of57.find('='), Text::npos);
    EXPECT_EQ(of58.size(), 80u);
    EXPECT_EQ(of58.substr(78), "==");
    EXPECT_EQ(of58.find('\n'), Text::npos);
}

TEST(TextToUtf16, TerminatorUnlessDropped) {
    EXPECT_EQ(TextToUtf16("ab"), Bytes("a\0b\0\0\0", 6));
    EXPECT_EQ(TextToUtf16("ab", true), Bytes("a\0b\0", 4));
    EXPECT_EQ(TextToUtf16(GBK_ZHONG), Bytes("\x2D\x4E\0\0", 4));
    EXPECT_EQ(TextToUtf16(""), Bytes());
    EXPECT_EQ(TextToUtf16("", true), Bytes());
}

}  // namespace
