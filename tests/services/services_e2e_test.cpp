// Every service end to end: the real adapters over real HTTP to the simulator on loopback.
#include <gtest/gtest.h>

#include "http/web_request.h"
#include "services/adapters.h"
#include "services/catalogue.h"
#include "services/dispatch.h"
#include "services/session_cookies.h"
#include "support/gbk.h"
#include "support/scripted_server.h"

namespace {

Text LocationOf(const Text& shortUrl) {
    Text headers;
    WebRequest(shortUrl, 2, Text(), nullptr, nullptr, nullptr, &headers, true);
    size_t at = headers.find("\r\nLocation: ");
    if (at == Text::npos) return Text();
    at += 12;
    return headers.substr(at, headers.find("\r\n", at) - at);
}

struct AddressCase {
    Text longUrl;      // as typed, GBK
    Text redirectsTo;  // where its short address leads, as the simulator writes it
};

TEST(ServicesEndToEnd, EveryServiceShortensAndItsAddressLeadsBack) {
    SimulatedServices services;
    ASSERT_TRUE(FetchSessionCookies());
    const AddressCase cases[] = {
        {"http://example.com/a?b=1&c=2", "http://example.com/a?b=1&c=2"},
        {"HTTPS://example.com/a b#top", "HTTPS://example.com/a%20b#top"},
        {"http://example.com/" GBK_ZHONG GBK_WEN, "http://example.com/%E4%B8%AD%E6%96%87"},
    };
    for (const AddressCase& c : cases) {
        for (const Service& service : kServices) {
            SCOPED_TRACE(std::string(service.key) + " " + c.longUrl);
            Text result = ShortenAddressWithService(service.id, c.longUrl);
            ASSERT_EQ(result.rfind("http://" + Text(service.caption) + "/", 0), 0u) << result;
            EXPECT_EQ(LocationOf(result), c.redirectsTo);
        }
    }
}

TEST(ServicesEndToEnd, DispatchReadsTheSourceWhenItRuns) {
    SimulatedServices services;
    Text typed = "http://first.example/";
    SetLongUrlSource([&typed] { return typed; });
    typed = "http://second.example/";
    Text result = ShortenWithService(5);
    SetLongUrlSource(nullptr);
    EXPECT_EQ(LocationOf(result), "http://second.example/");
}

TEST(ServicesEndToEnd, AggregatorWithoutItsCookieAnswersWithTheMessage) {
    SimulatedServices services;
    ReplaceSessionCookies(Text());
    EXPECT_EQ(ShortenViaAggregator("http://example.com/", "bitly"), kAggregatorMessage);
    ASSERT_TRUE(FetchSessionCookies());
    EXPECT_EQ(ShortenViaAggregator("http://example.com/", "bitly").rfind("http://bit.ly/", 0), 0u);
}

}  // namespace
