#include "http/url.h"

#include <gtest/gtest.h>

#include "support/gbk.h"

namespace {

struct AddressCase {
    Text url, host, hostAndPort;
    int port;
    Text path;
};

TEST(AddressDissection, HostPortAndPath) {
    const AddressCase cases[] = {
        {"HTTP://Www.Example.COM:8080/Path?Q=1", "www.example.com", "www.example.com:8080", 8080,
         "/Path?Q=1"},
        {"HttpS://A.b.C/x", "a.b.c", "a.b.c", 443, "/x"},
        {"Example.com:81/a/b", "example.com", "example.com:81", 81, "/a/b"},
        {"example.com/api.php?url=x", "example.com", "example.com", 80, "/api.php?url=x"},
        // Five letters "https" make port 443 even without "://".
        {"httpsfoo.com/x", "httpsfoo.com", "httpsfoo.com", 443, "/x"},
        // The host runs to the first "/": "?" and "#" do not end it.
        {"http://a.com?x=1", "a.com?x=1", "a.com?x=1", 80, "/"},
        {"http://a.com#top", "a.com#top", "a.com#top", 80, "/"},
        {"http://a.com", "a.com", "a.com", 80, "/"},
        {"http://a.com/", "a.com", "a.com", 80, "/"},
        {"http://a.com:abc/", "a.com", "a.com:abc", 0, "/"},
        {"http://a.com:99999999999/", "a.com", "a.com:99999999999", 2147483647, "/"},
        {"", "", "", 80, "/"},
    };
    for (const AddressCase& c : cases) {
        EXPECT_EQ(UrlHost(c.url), c.host) << c.url;
        EXPECT_EQ(UrlHost(c.url, false, true), c.hostAndPort) << c.url;
        EXPECT_EQ(UrlPort(c.url), c.port) << c.url;
        EXPECT_EQ(UrlPath(c.url), c.path) << c.url;
    }
}

TEST(UrlHost, MainDomainAndLevels) {
    struct Case {
        Text url;
        bool mainDomain;
        std::optional<int> levels;
        Text expected;
    } cases[] = {
        {"http://www.example.com/", true, std::nullopt, "example.com"},
        {"http://localhost/", true, std::nullopt, "localhost"},
        {"http://a.example.com./", true, std::nullopt, "example.com"},
        {"http://a.b.c.d/x", true, 1, "c.d"},
        {"http://a.b.c.d/x", false, 1, "b.c.d"},
        {"http://a.b.c.d/x", true, 0, "d"},
        {"http://a.b.c.d/x", false, 0, "c.d"},
        {"https://c.d:8080/x", false, 5, "c.d"},
        {"b.c:8080", true, 3, "b.c"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UrlHost(c.url, c.mainDomain, false, c.levels), c.expected)
            << c.url << " levels " << c.levels.value_or(-99);
    }
}

TEST(TextBetween, Table) {
    struct Case {
        Text text, start, end;
        int startPos;
        bool ignoreCase;
        Text expected;
    } cases[] = {
        {"abc[x]def", "[", "]", 1, false, "x"},
        {"abc", "[", "]", 1, false, ""},
        {"]a[", "[", "]", 1, false, ""},
        {"a[]b", "[", "]", 1, false, ""},
        {"a[1]b[2]", "[", "]", 4, false, "2"},
        {"xABCyDEF", "abc", "def", 1, true, "y"},
        {"xABCyDEF", "abc", "def", 1, false, ""},
        {"<a id=\"v\">", "id=" GBK_QUOTE_PLACEHOLDER, GBK_QUOTE_PLACEHOLDER, 1, false, "v"},
        // "\x81[" is one character, so the first "[" that counts is the later one.
        {"\x81[x][y]", "[", "]", 1, false, "y"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextBetween(c.text, c.start, c.end, c.startPos, c.ignoreCase), c.expected)
            << c.text;
    }
}

TEST(HeaderValue, AfterTheFirstColonTrimmed) {
    EXPECT_EQ(HeaderValue("User-Agent:  Agent/1.0  "), "Agent/1.0");
    EXPECT_EQ(HeaderValue("no colon here"), "");
    EXPECT_EQ(HeaderValue("Referer: http://a: b "), "http://a: b");
    EXPECT_EQ(HeaderValue("X:" GBK_WIDE_SPACE "v" GBK_WIDE_SPACE), "v");
    EXPECT_EQ(HeaderValue("X:\tv"), "\tv");
}

}  // namespace
