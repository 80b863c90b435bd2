#include "text/replace_pairs.h"

#include <gtest/gtest.h>

#include "support/gbk.h"

namespace {

struct Case {
    const char* name;
    Text text;
    int count, start;
    bool caseSensitive;
    Text find1, replace1, find2, replace2;
    Text expected;
};

TEST(ReplacePairs, Table) {
    const Case cases[] = {
        {"escaped slashes", "http:\\/\\/s.example\\/a", kNoLimit, 1, false, "\\/", "/", "", "",
         "http://s.example/a"},
        {"count 1", "aXaXa", 1, 1, false, "a", "b", "", "", "bXaXa"},
        {"count 0", "aXaXa", 0, 1, false, "a", "b", "", "", "aXaXa"},
        {"negative count", "aaa", -7, 1, false, "a", "b", "", "", "bbb"},
        {"start 5", "aaaaaaa", kNoLimit, 5, false, "a", "b", "", "", "aaaabbb"},
        {"start 0 counts as 1", "aa", kNoLimit, 0, false, "a", "b", "", "", "bb"},
        {"start past the end", "aa", kNoLimit, 3, false, "a", "b", "", "", "aa"},
        {"any case", "ABC abc", kNoLimit, 1, false, "abc", "x", "", "", "x x"},
        {"case-sensitive", "ABC abc", kNoLimit, 1, true, "abc", "x", "", "", "ABC x"},
        {"later pairs see earlier results", "ab", kNoLimit, 1, false, "a", "b", "b", "c", "cc"},
        {"count per pair", "aabb", 1, 1, false, "a", "x", "b", "y", "xayb"},
        {"question marks removed", "?http://s.example/?x", kNoLimit, 1, false, "?", "", "", "",
         "http://s.example/x"},
        {"empty find", "abc", kNoLimit, 1, false, "", "x", "", "", "abc"},
        {"empty text", "", kNoLimit, 1, false, "a", "x", "", "", ""},
        {"trail byte is not a match", GBK_TRAIL_BACKSLASH "\\", kNoLimit, 1, false, "\\", "/", "",
         "", GBK_TRAIL_BACKSLASH "/"},
        // A start inside a two-byte character moves to the next character, so the character
        // stays whole.
        {"start on a trail byte", GBK_TRAIL_BACKSLASH "\\x", kNoLimit, 2, false, "\\", "/", "", "",
         GBK_TRAIL_BACKSLASH "/x"},
        {"lone lead byte at the end", "a\x81", kNoLimit, 1, false, "\x81", "!", "", "", "a!"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReplacePairs(c.text, c.count, c.start, c.caseSensitive, c.find1, c.replace1,
                               c.find2, c.replace2),
                  c.expected)
            << c.name;
    }
}

TEST(ReplacePairs, FivePairsInOrder) {
    EXPECT_EQ(
        ReplacePairs("1", kNoLimit, 1, false, "1", "2", "2", "3", "3", "4", "4", "5", "5", "6"),
        "6");
}

TEST(ReplacePairs, OnePairFormTakesEveryMatchInAnyCase) {
    EXPECT_EQ(ReplacePairs("X\\/x\\/", "\\/", "/"), "X/x/");
    EXPECT_EQ(ReplacePairs("aAa", "A", ""), "");
}

}  // namespace
