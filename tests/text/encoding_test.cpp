#include "text/encoding.h"

#include <gtest/gtest.h>

#include "support/gbk.h"

namespace {

struct UrlEncodeCase {
    Text text;
    bool keepUnreserved, utf8First;
    Text expected;
};

TEST(UrlEncode, Table) {
    const UrlEncodeCase cases[] = {
        {"a b", true, true, "a%20b"},
        {"a b", false, false, "%61%20%62"},
        {"-.09AZaz", true, false, "-.09AZaz"},
        {"/:?=&_~+", true, false, "%2F%3A%3F%3D%26%5F%7E%2B"},
        {GBK_ZHONG, true, true, "%E4%B8%AD"},
        {GBK_ZHONG, true, false, "%D6%D0"},
        {"\t", true, true, "%09"},
        {GBK_EURO, true, true, "%E2%82%AC"},
        {"", true, true, ""},
        {"", false, false, ""},
        {"http://x/y z", true, true, "http%3A%2F%2Fx%2Fy%20z"},
    };
    for (const UrlEncodeCase& c : cases) {
        EXPECT_EQ(UrlEncode(c.text, c.keepUnreserved, c.utf8First), c.expected) << c.text;
    }
}

TEST(Utf8ToText, Table) {
    struct Case {
        Bytes utf8;
        Text expected;
    } cases[] = {
        {"", ""},
        {"short.example/abc", "short.example/abc"},
        {Bytes("ab\0cd", 5), "ab"},
        {"\xEF\xBB\xBFok", "?ok"},
        {"\xE4\xB8\xAD\xE6\x96\x87", GBK_ZHONG GBK_WEN},
        {"\xE2\x82\xAC", GBK_EURO},
        {"\xF0\x9F\x98\x80", "??"},  // no GBK character: one "?" per UTF-16 unit
        {"a\xFF"
         "b",
         "a?b"},  // broken UTF-8 becomes U+FFFD, which GBK lacks
        {"line\r\n", "line\r\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8ToText(c.utf8), c.expected) << c.utf8;
}

TEST(TextToUtf8, Table) {
    struct Case {
        Text text;
        Text expected;
    } cases[] = {
        {"", ""},
        {"abc", "abc"},
        {GBK_EURO GBK_EURO, "\xE2\x82\xAC\xE2\x82\xAC"},
        {GBK_ZHONG, "\xE4\xB8\xAD"},
        {"a\x81", "a?"},   // a lead byte with nothing after it
        {"\x81 x", "?x"},  // an invalid trail byte goes with its lead byte, as on Windows
    };
    for (const auto& c : cases) EXPECT_EQ(TextToUtf8(c.text), c.expected) << c.text;
}

TEST(MultiByteToUtf16, EndsWithOneZeroUnit) {
    EXPECT_EQ(MultiByteToUtf16("ab", 936), Bytes("a\0b\0\0\0", 6));
    EXPECT_EQ(MultiByteToUtf16("\xC3\xA9"), Bytes("\xE9\0\0\0", 4));  // 65001 by default
    EXPECT_EQ(MultiByteToUtf16("", 936), Bytes("\0\0", 2));
    EXPECT_EQ(MultiByteToUtf16("a\x81", 936), Bytes("a\0?\0\0\0", 6));
    EXPECT_EQ(MultiByteToUtf16("ab", 12345), Bytes());
}

TEST(Utf16ToMultiByte, ReadsToTheFirstZeroUnitOrTheEnd) {
    struct Case {
        Bytes wide;
        int codePage;
        Text expected;
    } cases[] = {
        {Bytes("a\0b\0\0\0", 6), 936, "ab"},
        {Bytes("a\0b\0", 4), 936, "ab"},  // no terminator: stops at the end
        {Bytes("a\0\0\0b\0\0\0", 8), 936, "a"},
        {Bytes("a\0b", 3), 936, "a"},  // an odd last byte is not a unit
        {Bytes("\x2D\x4E\0\0", 4), 0, GBK_ZHONG},
        {Bytes("\x2D\x4E\0\0", 4), 65001, "\xE4\xB8\xAD"},
        {Bytes("\x3D\xD8\0\0", 4), 65001, "\xEF\xBF\xBD"},  // a lone surrogate
        {Bytes(), 936, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf16ToMultiByte(c.wide, c.codePage), c.expected) << c.codePage;
    }
}

}  // namespace
