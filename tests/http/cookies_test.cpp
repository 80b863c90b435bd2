#include "http/cookies.h"

#include <gtest/gtest.h>

#include "support/gbk.h"

namespace {

struct MergeCase {
    Text oldCookies, newCookies, merged, newAfter;
};

TEST(MergeCookies, Table) {
    const MergeCase cases[] = {
        {"a=1; b=2", "b=3; c=4", "a=1;b=3;c=4;", "b=3;c=4"},
        {"a=1;b=2;", "a=deleted", "b=2;", "a=deleted"},
        {"", "a=1; b=2", "a=1;b=2;", "a=1;b=2"},
        // No new cookies: the old text loses its blanks and nothing else.
        {"a=1; b=2", "", "a=1;b=2", ""},
        {"a=1; b=2", "  ", "a=1;b=2", ""},
        // A new item without "=" empties a cookie of that name; matching nothing, it adds nothing.
        {"a=1;b=2;", "a", "b=2;", "a"},
        {"a=1;", "z", "a=1;", "z"},
        {"", "t=x=y", "t=x=y;", "t=x=y"},
        {"", "a=1;a=2", "a=2;", "a=1;a=2"},
        {"a=1;a=2", "a=3", "a=3;a=2;", "a=3"},
        {"A=1", "a=2", "A=1;a=2;", "a=2"},
        {"x=a b", "y=1", "x=ab;y=1;", "y=1"},
        {"x=" GBK_WIDE_SPACE "v", "y=1", "x=v;y=1;", "y=1"},
        {";;a=1", "=v;b=", "a=1;", "=v;b="},
        {"a=1", "b=deleted;c=Deleted", "a=1;c=Deleted;", "b=deleted;c=Deleted"},
    };
    for (const MergeCase& c : cases) {
        Text oldCookies = c.oldCookies, newCookies = c.newCookies;
        EXPECT_EQ(MergeCookies(oldCookies, newCookies), c.merged)
            << c.oldCookies << " + " << c.newCookies;
        EXPECT_EQ(oldCookies, c.merged) << c.oldCookies << " + " << c.newCookies;
        EXPECT_EQ(newCookies, c.newAfter) << c.oldCookies << " + " << c.newCookies;
    }
}

TEST(CookieItem, NameTrimmedValueNot) {
    EXPECT_EQ(CookieName(" sid =abc "), "sid");
    EXPECT_EQ(CookieValue(" sid =abc "), "abc ");
    EXPECT_EQ(CookieName("flag"), "flag");
    EXPECT_EQ(CookieValue("flag"), "");
    EXPECT_EQ(CookieValue("t=x=y"), "x=y");
}

}  // namespace
