#include "http/request_parts.h"

#include <gtest/gtest.h>

namespace {

TEST(RequestParts, VerbForEveryMethod) {
    const std::pair<int, const char*> cases[] = {{0, "GET"}, {1, "POST"}, {2, "HEAD"},
                                                 {3, "GET"}, {7, "GET"},  {-1, "GET"}};
    for (const auto& c : cases) EXPECT_EQ(RequestVerb(c.first), c.second) << c.first;
}

TEST(RequestParts, HttpsByTheFirstEightCharactersInAnyCase) {
    EXPECT_TRUE(IsHttpsAddress("HTTPS://a.example/"));
    EXPECT_TRUE(IsHttpsAddress("https://a"));
    EXPECT_FALSE(IsHttpsAddress("https:/a"));
    EXPECT_FALSE(IsHttpsAddress("http://a"));
    EXPECT_FALSE(IsHttpsAddress("a.example"));
}

TEST(RequestParts, UserAgent) {
    const std::pair<Text, Text> cases[] = {
        {"", "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"},
        {"Accept: x", "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"},
        {"User-Agent:  Mine/1 ", "Mine/1"},
        {"Accept: x\r\nUser-Agent: Mine/2\r\nX: y", "Mine/2"},
        {"user-agent:   Lower/1  ", "Lower/1"},           // after the first colon, trimmed
        {"X: 1\r\nuser-agent: L", "1\r\nuser-agent: L"},  // ... of the whole text
        {"User-Agent:\xA1\xA1Wide\xA1\xA1", "Wide"},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseUserAgent(c.first), c.second) << c.first;
}

TEST(RequestParts, HeaderBlock) {
    const Text defaults =
        "Referer: u\r\nAccept-Language: zh-cn\r\n"
        "Content-Type: application/x-www-form-urlencoded";
    struct Case {
        Text extra, cookies, block;
    } cases[] = {
        {"", "", "Accept: */*\r\n" + defaults},
        {"", "a=1", "Accept: */*\r\n" + defaults + "\r\nCookie: a=1"},
        {"", "Cookie: a=1", "Accept: */*\r\n" + defaults + "\r\nCookie: a=1"},
        {"X: 1", "", "X: 1\r\nAccept: */*\r\n" + defaults},
        {"Accept: text/html", "", "Accept: text/html\r\n" + defaults},
        {"accept: text/html", "", "accept: text/html\r\nAccept: */*\r\n" + defaults},
        {"Referer: r\r\nAccept-Language: en\r\nContent-Type: text/plain", "",
         "Referer: r\r\nAccept-Language: en\r\nContent-Type: text/plain\r\nAccept: */*"},
    };
    for (const Case& c : cases) EXPECT_EQ(BuildHeaderBlock(c.extra, "u", c.cookies), c.block);
}

TEST(RequestParts, UnsafeTextIsTold) {
    EXPECT_TRUE(IsSafeAddress("http://a/b c#d\x01\xC4\xE3"));
    for (const Text& bad : {Text("a\rb"), Text("a\nb"), Text("a\0b", 3)}) {
        EXPECT_FALSE(IsSafeAddress(bad));
    }
    EXPECT_TRUE(IsSafeCookieText("a=1; b=2"));
    EXPECT_FALSE(IsSafeCookieText("a=1\r\nX: y"));
    EXPECT_FALSE(IsSafeCookieText("a=1\n"));
}

TEST(RequestParts, RequestTargetEncodesOnlyWhatCannotStand) {
    const std::pair<Text, Text> cases[] = {
        {"/a b", "/a%20b"},
        {"/a#b", "/a%23b"},
        {"/\x01\x1F\x7F", "/%01%1F%7F"},
        {"/%41?q=\xB0\xA1&r=/x", "/%41?q=\xB0\xA1&r=/x"},
        {"/\xC4\xE3\xBA\xC3", "/\xC4\xE3\xBA\xC3"},
    };
    for (const auto& c : cases) EXPECT_EQ(EncodeRequestTarget(c.first), c.second) << c.first;
}

TEST(RequestParts, CookiesCollectedFromSetCookieLines) {
    const std::pair<Text, Text> cases[] = {
        {"HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n\r\n", "a=1; b=2"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n", ""},
        {"HTTP/1.1 200 OK\r\nSet-Cookie: ; path=/\r\nSet-Cookie: c=3\r\n\r\n", "; c=3"},
        {"HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nSet-Cookie: a=2\r\n\r\n", "a=1; a=2"},
        {Text(5000, ' '), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(CollectCookies(c.first), c.second) << c.first;
}

TEST(RequestParts, SetCookieWrittenOneWay) {
    EXPECT_EQ(NormaliseSetCookie("set-cookie: a\r\nSET-COOKIE: b\r\nX: set-cookies"),
              "Set-Cookie: a\r\nSet-Cookie: b\r\nX: Set-Cookies");
}

}  // namespace
