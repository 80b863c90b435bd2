// The adapters against scripted replies: what each reads out of a reply, and how many requests
// it makes for it (the attempt rule), counted at the server.
#include <gtest/gtest.h>

#include "services/adapters.h"
#include "services/dispatch.h"
#include "services/session_cookies.h"
#include "support/gbk.h"
#include "support/scripted_server.h"

namespace {

struct AdapterCase {
    const char* name;
    int service;
    std::vector<std::string> replies;
    Text expected;
    size_t requests;
};

const char kOk[] = "{\"result\":\"ok\",\"data\":{\"short_url\":\"http:\\/\\/bit.ly\\/ab_1\"}}";
const char kSpan[] =
    "<span id=\"shortUrl\" class=\"clipText label label-success\">http://t.im/Ab_9</span>";

TEST(Adapters, RepliesAndAttempts) {
    const std::string mark = "\xEF\xBB\xBF";
    const AdapterCase cases[] = {
        {"aggregator: escaped slashes", 11, {Reply200(kOk)}, "http://bit.ly/ab_1", 1},
        {"aggregator: OK in capitals",
         11,
         {Reply200("{\"result\":\"OK\",\"data\":{\"short_url\":\"x\"}}")},
         kAggregatorMessage,
         1},
        {"aggregator: first of two objects",
         2,
         {Reply200(std::string(kOk) + "{\"result\":\"ok\",\"data\":{\"short_url\":\"y\"}}")},
         "http://bit.ly/ab_1",
         1},
        {"aggregator: white space between tokens",
         2,
         {Reply200("{\"result\": \"ok\", \"data\":{\"short_url\":\"x\"}}")},
         kAggregatorMessage,
         1},
        {"aggregator: empty reply", 12, {Reply200("")}, kAggregatorMessage, 1},
        {"aggregator: an error shows the aggregator's own text",
         4,
         {Reply200("{\"result\":\"error\",\"data\":{\"short_url\":\"\\/\"}}")},
         "/",
         1},
        {"dispatch of 0 goes to service 12", 0, {Reply200(kOk)}, "http://bit.ly/ab_1", 1},
        {"dispatch of 13 goes to service 12", 13, {Reply200(kOk)}, "http://bit.ly/ab_1", 1},
        {"dispatch of -1 goes to service 12", -1, {Reply200(kOk)}, "http://bit.ly/ab_1", 1},
        {"plain: byte-order mark and question marks",
         5,
         {Reply200(mark + "http://c7.gg/a?b\r\n")},
         "http://c7.gg/ab\r\n",
         1},
        {"plain: Chinese reply", 6, {Reply200("\xE4\xB8\xAD\xE6\x96\x87")}, GBK_ZHONG GBK_WEN, 1},
        {"plain: empty, then good",
         8,
         {Reply200(""), Reply200("http://uee.me/x")},
         "http://uee.me/x",
         2},
        {"plain: empty twice", 9, {Reply200(""), Reply200("")}, "", 2},
        {"tool page: reply whole, line break kept",
         1,
         {Reply200("http://t.cn/x\n")},
         "http://t.cn/x\n",
         1},
        {"tool page: empty, then good",
         1,
         {Reply200(""), Reply200("http://t.cn/y")},
         "http://t.cn/y",
         2},
        {"html: span", 3, {Reply200(std::string("<p>") + kSpan + "</p>")}, "http://t.im/Ab_9", 1},
        {"html: names in capitals",
         3,
         {Reply200("<SPAN ID=\"shortUrl\" CLASS=\"clipText label label-success\">"
                   "http://t.im/Z</SPAN>")},
         "http://t.im/Z",
         1},
        {"html: attributes in single quotes",
         3,
         {Reply200("<span id='shortUrl' class='clipText label label-success'>http://t.im/Z</span>"),
          Reply200("")},
         "",
         2},
        {"html: '-' in the code",
         3,
         {Reply200("<span id=\"shortUrl\" class=\"clipText label label-success\">"
                   "http://t.im/a-b</span>"),
          Reply200("")},
         "",
         2},
        {"json: first of several",
         7,
         {Reply200("{\"tinyurl\":\"http://dwz.mn/a1\"}{\"tinyurl\":\"http://dwz.mn/b2\"}")},
         "http://dwz.mn/a1",
         1},
        {"json: escaped slashes do not match",
         7,
         {Reply200("{\"tinyurl\":\"http:\\/\\/dwz.mn\\/a1\"}"), Reply200("")},
         "",
         2},
        {"json: not the first key",
         7,
         {Reply200("{\"status\":0,\"tinyurl\":\"http://dwz.mn/a1\"}"), Reply200("")},
         "",
         2},
    };
    for (const AdapterCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServer server(c.replies);
        EXPECT_EQ(ShortenAddressWithService(c.service, "http://example.com/"), c.expected);
        EXPECT_EQ(server.Requests().size(), c.requests);
    }
}

Text TargetOfOnlyRequest(int service, const Text& longUrl) {
    ScriptedServer server({Reply200("x")});
    ShortenAddressWithService(service, longUrl);
    std::vector<SimRequest> requests = server.Requests();
    return requests.empty() ? Text() : requests[0].host + requests[0].target;
}

TEST(Adapters, RequestAddresses) {
    const Text address = "http://x/y z&" GBK_ZHONG;
    EXPECT_EQ(TargetOfOnlyRequest(5, address),
              "c7.gg/api.php?url=http%3A%2F%2Fx%2Fy%20z%26%E4%B8%AD");
    EXPECT_EQ(TargetOfOnlyRequest(3, "http://a.b/"),
              "t.im/?url=http%3A%2F%2Fa.b%2F&keyword=&title=");
    EXPECT_EQ(TargetOfOnlyRequest(7, "http://a.b/"),
              "dwz.mn/create.aspx?url=http%3A%2F%2Fa.b%2F&alias=");
    // Base64 of the GBK bytes, "+", "/" and "=" as they are.
    EXPECT_EQ(TargetOfOnlyRequest(10, "\xFB\xFF"), "api.dwz.lc/api.php?url=+/8=&site=jmp");
    // The tool page gets the address as typed: GBK bytes raw, "&" as it is; only what cannot
    // stand in a request line is escaped on the way.
    EXPECT_EQ(TargetOfOnlyRequest(1, "http://a.b/?q=1&r=" GBK_ZHONG),
              "tool.dwz.lc/tool/dwz.asp?domain=http://a.b/?q=1&r=" GBK_ZHONG);
    EXPECT_EQ(TargetOfOnlyRequest(1, "http://a.b/x y#top"),
              "tool.dwz.lc/tool/dwz.asp?domain=http://a.b/x%20y%23top");
    for (int outside : {0, 13, -1}) {
        EXPECT_EQ(TargetOfOnlyRequest(outside, "f"), "api.dwz.lc/api.php?url=Zg==&site=googl");
    }
}

TEST(Adapters, AggregatorCarriesTheCookiesOn) {
    ReplaceSessionCookies("sid=1");
    ScriptedServer server({Reply200(kOk, "Set-Cookie: seen=2; path=/\r\n"), Reply200(kOk)});
    ShortenViaAggregator("http://example.com/", "jmp");
    ShortenViaAggregator("http://example.com/", "jmp");
    std::vector<SimRequest> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Header("Cookie"), "sid=1");
    EXPECT_EQ(requests[1].Header("Cookie"), "sid=1;seen=2;");
    EXPECT_EQ(ReadSessionCookies(), "sid=1;seen=2;");

    ReplaceSessionCookies(Text());
    ShortenViaAggregator("http://example.com/", "jmp");
    EXPECT_EQ(server.Requests().size(), 3u);
    EXPECT_EQ(server.Requests()[2].Header("Cookie"), "");
}

}  // namespace
