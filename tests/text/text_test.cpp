#include "text/text.h"

#include <gtest/gtest.h>

#include "support/gbk.h"

namespace {

struct FindCase {
    Text text, what;
    int startPos;
    bool ignoreCase;
    int expected;
};

TEST(FindText, PositionsFromOneAndStepsOverDoubleByteCharacters) {
    const FindCase cases[] = {
        {"abcabc", "c", 1, false, 3},
        {"abcabc", "c", 4, false, 6},
        {"abcabc", "c", 7, false, -1},
        {"abcabc", "c", -3, false, 3},
        {"abc", "", 2, false, 2},
        {"abc", "abcd", 1, false, -1},
        {"", "a", 1, false, -1},
        {"xABC", "abc", 1, false, -1},
        {"xABC", "abc", 1, true, 2},
        // "\" as the trail byte of a two-byte character is not a match; the one after it is.
        {GBK_TRAIL_BACKSLASH "\\", "\\", 1, false, 3},
        // A start inside a two-byte character moves to the next character.
        {GBK_ZHONG "a", "a", 2, false, 3},
        // Case folding leaves two-byte characters alone.
        {"\xC1\xC1", "\xE1\xE1", 1, true, -1},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(FindText(c.text, c.what, c.startPos, c.ignoreCase), c.expected)
            << "'" << c.text << "' / '" << c.what << "' from " << c.startPos;
    }
}

TEST(FindLastBefore, OnlyMatchesThatEndBeforeThePosition) {
    const Text host = "a.b.c.d";
    EXPECT_EQ(FindLastBefore(host, ".", 8), 6);
    EXPECT_EQ(FindLastBefore(host, ".", 6), 4);
    EXPECT_EQ(FindLastBefore(host, ".", 2), -1);
    EXPECT_EQ(FindLastBefore(host, ".", -1), -1);
    EXPECT_EQ(FindLastBefore("abab", "ab", 4), 1);
    EXPECT_EQ(FindLastBefore("abab", "ab", 5), 3);
}

TEST(Blanks, AsciiAndFullWidthSpacesOnly) {
    struct Case {
        Text input, trimmed, removed;
    } cases[] = {
        {"  a b  ", "a b", "ab"},
        {GBK_WIDE_SPACE "a" GBK_WIDE_SPACE, "a", "a"},
        {"\ta\r\n", "\ta\r\n", "\ta\r\n"},
        {"", "", ""},
        {"   ", "", ""},
        // A1 A1 made of a trail byte and a lead byte is not a full-width space.
        {"\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0"},
        {"x\xB0\xA1", "x\xB0\xA1", "x\xB0\xA1"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TrimBlanks(c.input), c.trimmed) << c.input;
        EXPECT_EQ(RemoveBlanks(c.input), c.removed) << c.input;
    }
}

TEST(AsText, EndsAtTheFirstZeroByte) {
    EXPECT_EQ(AsText(Bytes("ab\0cd", 5)), "ab");
    EXPECT_EQ(AsText(Bytes("\0", 1)), "");
    EXPECT_EQ(AsText("abc"), "abc");
}

TEST(ReplaceAll, NeverSplitsADoubleByteCharacter) {
    EXPECT_EQ(ReplaceAll(GBK_TRAIL_BACKSLASH "\\", "\\", "/"), GBK_TRAIL_BACKSLASH "/");
    EXPECT_EQ(ReplaceAll("aXbx", "x", "-", true), "a-b-");
    EXPECT_EQ(ReplaceAll("abc", "", "-"), "abc");
}

}  // namespace
