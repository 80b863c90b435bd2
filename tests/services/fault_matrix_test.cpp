// Every family of services against every way a server can fail, through the real adapters and
// real HTTP on loopback: what each shows, after how many requests, and that it ends in bounded
// time, with the internet layer's time limits shortened so that a silent server costs a second.
//
// What a family shows comes from two facts about a fault: whether anything arrived at all (a
// reset, a silent server and a redirect to nowhere deliver nothing, and neither does an empty
// 200) and, when something did, which bytes.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "platform/internet.h"
#include "platform/tcp.h"
#include "services/adapters.h"
#include "services/dispatch.h"
#include "services/session_cookies.h"
#include "support/scripted_server.h"

namespace {

enum class Shows { kNothing, kMessage, kReplyAsItCame, kReplyFromUtf8 };

struct Family {
    const char* name;
    int service;
    std::string goodReply;
    Shows onNothing;
    size_t requestsOnNothing;
    Shows onOther;  // a reply that is not in the family's form
    size_t requestsOnOther;
};

const Family kFamilies[] = {
    {"tool page", 1, "http://t.cn/Ab12", Shows::kNothing, 2, Shows::kReplyAsItCame, 1},
    {"aggregator", 2, "{\"result\":\"ok\",\"data\":{\"short_url\":\"http:\\/\\/sina.lt\\/Ab12\"}}",
     Shows::kMessage, 1, Shows::kMessage, 1},
    {"HTML page", 3,
     "<span id=\"shortUrl\" class=\"clipText label label-success\">http://t.im/Ab12</span>",
     Shows::kNothing, 2, Shows::kNothing, 2},
    {"plain API", 5, "http://c7.gg/Ab12", Shows::kNothing, 2, Shows::kReplyFromUtf8, 1},
    {"JSON API", 7, "{\"tinyurl\":\"http://dwz.mn/Ab12\"}", Shows::kNothing, 2, Shows::kNothing, 2},
};

enum class Kind { kPage, kEmpty200, kStatus500, kCutOff, kReset, kSilent, kRedirectNowhere };

struct Fault {
    const char* name;
    Kind kind;
    std::string body;     // kPage, kStatus500: the body sent, UTF-8
    std::string bodyGbk;  // the same as GBK text without "?"
};

const Fault kFaults[] = {
    {"an HTML verification page", Kind::kPage, kVerificationPageUtf8,
     "<html><head><title>\xB0\xB2\xC8\xAB\xD1\xE9\xD6\xA4</title></head><body><form "
     "action=\"/verify.php\">\xC7\xEB\xCD\xEA\xB3\xC9\xD1\xE9\xD6\xA4</form></body></html>"},
    {"an empty 200", Kind::kEmpty200, "", ""},
    {"a 500 with a body", Kind::kStatus500, "<html><body>Server Error. Retry?</body></html>",
     "<html><body>Server Error. Retry</body></html>"},
    {"a reply cut off", Kind::kCutOff, "", ""},
    {"a connection reset", Kind::kReset, "", ""},
    {"a silent server", Kind::kSilent, "", ""},
    {"a redirect to somewhere unreachable", Kind::kRedirectNowhere, "", ""},
};

const char kNowhere[] = "nowhere.example";
constexpr size_t kCutBytes = 6;

// A good reply that stops short: its length announced, its last bytes never sent.
std::string CutOff(const Family& family) {
    return family.goodReply.substr(0, family.goodReply.size() - kCutBytes);
}

SimAnswer AnswerFor(const Fault& fault, const Family& family) {
    using Then = SimAnswer::Then;
    switch (fault.kind) {
        case Kind::kPage:
            return {Reply200(fault.body)};
        case Kind::kEmpty200:
            return {Reply200("")};
        case Kind::kStatus500:
            return {"HTTP/1.1 500 Internal Server Error\r\nContent-Length: " +
                    std::to_string(fault.body.size()) + "\r\n\r\n" + fault.body};
        case Kind::kCutOff:
            return {"HTTP/1.1 200 OK\r\nContent-Length: " +
                        std::to_string(family.goodReply.size()) + "\r\n\r\n" + CutOff(family),
                    Then::kClose};
        case Kind::kReset:
            return {"", Then::kReset};
        case Kind::kSilent:
            return {"", Then::kSilent};
        case Kind::kRedirectNowhere:
            return {"HTTP/1.1 302 Found\r\nLocation: http://" + std::string(kNowhere) +
                    "/next\r\nContent-Length: 0\r\n\r\n"};
    }
    return {};
}

// The bytes that reach the adapter, as they came and as GBK without "?"; false for nothing.
bool Arrives(const Fault& fault, const Family& family, Bytes* raw, Text* gbk) {
    switch (fault.kind) {
        case Kind::kPage:
        case Kind::kStatus500:
            *raw = fault.body;
            *gbk = fault.bodyGbk;
            return true;
        case Kind::kCutOff:
            *raw = *gbk = CutOff(family);  // ASCII without "?"
            return true;
        default:
            return false;
    }
}

Text Shown(Shows shows, const Bytes& raw, const Text& gbk) {
    switch (shows) {
        case Shows::kNothing:
            return Text();
        case Shows::kMessage:
            return kAggregatorMessage;
        case Shows::kReplyAsItCame:
            return raw;
        case Shows::kReplyFromUtf8:
            return gbk;
    }
    return Text();
}

// A loopback port where nothing listens.
int ClosedPort() {
    int port = 0;
    platform::TcpSocket socket = platform::ListenOnLoopback(0, &port);
    platform::CloseSocket(socket);
    return port;
}

class FaultMatrix : public ::testing::Test {
  protected:
    void SetUp() override { platform::SetTimeoutsForTesting({2000, 1000}); }
    void TearDown() override {
        platform::SetTimeoutsForTesting(platform::kTimeouts);
        platform::SetHostConnectOverride(kNowhere, "");
    }
};

TEST_F(FaultMatrix, EveryFamilyAgainstEveryFault) {
    // Far below the 30 s a silent server would hold each request for without the short limits.
    constexpr double kBoundSeconds = 8;
    platform::SetHostConnectOverride(kNowhere, "127.0.0.1:" + std::to_string(ClosedPort()));
    ReplaceSessionCookies("QLSID=1");
    for (const Family& family : kFamilies) {
        for (const Fault& fault : kFaults) {
            SCOPED_TRACE(std::string(family.name) + ", " + fault.name);
            Bytes raw;
            Text gbk;
            const bool arrived = Arrives(fault, family, &raw, &gbk);
            const Shows shows = arrived ? family.onOther : family.onNothing;
            const size_t requests = arrived ? family.requestsOnOther : family.requestsOnNothing;

            const SimAnswer answer = AnswerFor(fault, family);
            ScriptedServer server({answer, answer});
            const auto start = std::chrono::steady_clock::now();
            const Text result = ShortenAddressWithService(family.service, "http://example.com/");
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

            EXPECT_EQ(result, Shown(shows, raw, gbk));
            EXPECT_EQ(server.Requests().size(), requests);
            EXPECT_LT(seconds, kBoundSeconds);
            std::printf("%-11s %-36s %zu request(s) %5.2f s  %s\n", family.name, fault.name,
                        server.Requests().size(), seconds,
                        result.empty() ? "(empty)" : result.substr(0, 24).c_str());
        }
    }
}

// The same server with nothing wrong: each family's good reply gives its short address, so
// that the faults above are what made the difference.
TEST_F(FaultMatrix, EveryFamilyReadsItsGoodReply) {
    const char* expected[] = {"http://t.cn/Ab12", "http://sina.lt/Ab12", "http://t.im/Ab12",
                              "http://c7.gg/Ab12", "http://dwz.mn/Ab12"};
    for (size_t i = 0; i < std::size(kFamilies); i++) {
        SCOPED_TRACE(kFamilies[i].name);
        ScriptedServer server({Reply200(kFamilies[i].goodReply)});
        EXPECT_EQ(ShortenAddressWithService(kFamilies[i].service, "http://example.com/"),
                  expected[i]);
        EXPECT_EQ(server.Requests().size(), 1u);
    }
}

}  // namespace
