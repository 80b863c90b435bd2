#include <gtest/gtest.h>

#include "app/validate_long_url.h"

namespace {

struct UrlCase {
    const char* text;
    bool accepted;
};

// "中" and "文" in code page 936.
const UrlCase kCases[] = {
    {"http://example.com/a?b=1", true},
    {"https://example.com", true},
    {"HTTP://EXAMPLE.COM", true},
    {"HtTpS://example.com", true},
    {"http://", true},
    {"http://\xD6\xD0\xCE\xC4", true},
    {"", false},
    {"ftp://example.com", false},
    {"example.com", false},
    {"www.example.com/http://x", false},
    {" http://example.com", false},
    {"\xA1\xA1http://example.com", false},
    {"\thttp://example.com", false},
    {"\xD6\xD0http://example.com", false},
    {"http:/example.com", false},
    {"https//example.com", false},
    {"httpx://example.com", false},
    {"htp://example.com", false},
    {"ftp\nhttp://example.com", false},
    {"ftp\r\nhttps://example.com", false},
    {"\nhttp://example.com", false},
    {"ftp\rhttp://example.com", false},
};

TEST(ValidateLongUrl, AcceptsExactlyTheTextsThatBeginWithAnHttpScheme) {
    for (const UrlCase& c : kCases) {
        EXPECT_EQ(c.accepted, ValidateLongUrl(c.text)) << "\"" << c.text << "\"";
    }
}

}  // namespace
