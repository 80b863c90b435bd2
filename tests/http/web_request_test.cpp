// WebRequest against the recording test server, through the real internet layer of this target
// (libcurl on Linux, WinINet under Wine). Both targets run these same cases against the same
// case files, so a pass on both is the parity of what the server receives and of every
// out-parameter.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "http/web_request.h"
#include "platform/internet.h"
#include "support/test_server.h"

namespace {

struct Call {
    int method = 0;
    Text postText;
    std::optional<Text> sendCookies;
    Text extraHeaders;
    bool noRedirect = false;
    Text proxy;
};

struct Result {
    Bytes body;
    Text sendCookies, replyCookies, extraHeaders, replyHeaders;
    Bytes postBytes;
};

Result Perform(const Text& url, const Call& call, const Text& replyCookiesBefore = Text()) {
    Result r;
    r.sendCookies = call.sendCookies.value_or(Text());
    r.extraHeaders = call.extraHeaders;
    r.replyCookies = replyCookiesBefore;
    r.body =
        WebRequest(url, call.method, call.postText, call.sendCookies ? &r.sendCookies : nullptr,
                   &r.replyCookies, &r.extraHeaders, &r.replyHeaders, call.noRedirect, &r.postBytes,
                   call.proxy);
    return r;
}

// The one request recorded under `token` matches the case file's expected request.
void ExpectRequestAsInCase(const std::string& caseName, const std::string& token) {
    const std::vector<RecordedRequest> recorded = RecordedRequests(token);
    ASSERT_EQ(recorded.size(), 1u);
    const std::string expected =
        FillPlaceholders(LoadCase(caseName).request, token, TestServerPort());
    const RequestParts want = SplitRequest(expected), got = SplitRequest(recorded[0].bytes);
    EXPECT_EQ(got.requestLine, want.requestLine);
    EXPECT_EQ(got.headerLines, want.headerLines) << "expected:\n"
                                                 << Describe(want) << "received:\n"
                                                 << Describe(got);
    EXPECT_EQ(got.body, want.body);
}

const Text kDefaultHeaders =
    "Accept: */*\r\nReferer: {url}\r\nAccept-Language: zh-cn\r\n"
    "Content-Type: application/x-www-form-urlencoded";

Text WithUrl(Text text, const Text& url) {
    size_t at = text.find("{url}");
    return at == Text::npos ? text : text.replace(at, 5, url);
}

struct ExchangeCase {
    const char* name;
    std::string caseFile;
    std::string rest;  // after the token in the address
    Call call;
    Bytes body;
    Text replyCookies;
    Text sendCookiesAfter;   // when sendCookies was supplied
    Text extraHeadersAfter;  // "{url}" stands for the address
};

class Exchange : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(Exchange, ServerReceivesTheCaseRequestAndOutParametersMatch) {
    const ExchangeCase& c = GetParam();
    ASSERT_NE(TestServerPort(), 0) << "the test server is not running";
    const std::string token = NewToken(c.name);
    const Text url = CaseUrl(c.caseFile, token, c.rest);
    const Result r = Perform(url, c.call);
    ExpectRequestAsInCase(c.caseFile, token);
    EXPECT_EQ(r.body, c.body);
    EXPECT_EQ(r.replyCookies, c.replyCookies);
    if (c.call.sendCookies) {
        EXPECT_EQ(r.sendCookies, c.sendCookiesAfter);
    }
    EXPECT_EQ(r.extraHeaders, WithUrl(c.extraHeadersAfter, url));
    EXPECT_EQ(r.postBytes, c.call.method == 0 ? Bytes() : c.call.postText);
}

Call Method(int method, Text postText = Text()) {
    Call call;
    call.method = method;
    call.postText = postText;
    return call;
}

Call Cookies(Text cookies) {
    Call call;
    call.sendCookies = cookies;
    return call;
}

Call Headers(Text headers) {
    Call call;
    call.extraHeaders = headers;
    return call;
}

const Text kCookieHeaders = kDefaultHeaders + "\r\nCookie: ";

INSTANTIATE_TEST_SUITE_P(
    WebRequest, Exchange,
    ::testing::Values(
        ExchangeCase{"defaults", "get-defaults", "", Call(), "hello", "", "", kDefaultHeaders},
        ExchangeCase{"method7", "get-defaults", "", Method(7), "hello", "", "", kDefaultHeaders},
        ExchangeCase{"methodMinus1", "get-defaults", "", Method(-1), "hello", "", "",
                     kDefaultHeaders},
        ExchangeCase{"getNoBody", "get-defaults", "", Method(0, "zzz"), "hello", "", "",
                     kDefaultHeaders},
        ExchangeCase{"post", "post-text", "", Method(1, "a=1&b=2"), "ok", "", "", kDefaultHeaders},
        ExchangeCase{"headBody", "head-body", "", Method(2, "x=1"), "", "", "", kDefaultHeaders},
        ExchangeCase{"cookieLine", "cookie-line", "", Cookies("a=1; b=2"), "", "a=1;b=3;",
                     "a=1;b=3;", kCookieHeaders + "a=1; b=2"},
        ExchangeCase{"cookieHeader", "cookie-header", "", Cookies("Cookie: x=9"), "", "Cookie:x=9",
                     "Cookie:x=9", kDefaultHeaders + "\r\nCookie: x=9"},
        ExchangeCase{"emptyCookies", "two-cookies", "/x", Cookies(""), "", "a=1;b=2;", "a=1;b=2;",
                     kDefaultHeaders},
        ExchangeCase{"storeCookies", "two-cookies", "/x", Call(), "", "a=1; b=2", "",
                     kDefaultHeaders},
        ExchangeCase{"acceptGiven", "accept-given", "", Headers("Accept: text/html"), "", "", "",
                     "Accept: text/html\r\nReferer: {url}\r\nAccept-Language: zh-cn\r\n"
                     "Content-Type: application/x-www-form-urlencoded"},
        ExchangeCase{"oddTarget", "odd-target", "/\xC4\xE3\xBA\xC3 x\x01?q=\xB0\xA1#frag%41",
                     Call(), "", "", "", kDefaultHeaders}),
    [](const ::testing::TestParamInfo<ExchangeCase>& info) {
        return std::string(info.param.name);
    });

TEST(WebRequest, RedirectChainEndsAtTheLastHopWithTheCookieOfTheFirst) {
    const std::string token = NewToken("chain");
    const Result r = Perform(CaseUrl("redirect-1", token), Call());
    EXPECT_EQ(r.body, "done");
    EXPECT_EQ(r.replyHeaders.substr(0, 15), "HTTP/1.1 200 OK");
    const std::vector<RecordedRequest> recorded = RecordedRequests(token);
    ASSERT_EQ(recorded.size(), 3u);
    const std::string expected =
        FillPlaceholders(LoadCase("redirect-3").request, token, TestServerPort());
    EXPECT_EQ(SplitRequest(recorded[2].bytes).headerLines, SplitRequest(expected).headerLines);
}

TEST(WebRequest, ReplyHeadersComeAsTheSameBlockOnEveryTarget) {
    const std::string token = NewToken("block");
    const Result cookies = Perform(CaseUrl("two-cookies", token, "/x"), Cookies(""));
    EXPECT_EQ(cookies.replyHeaders,
              "HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/two-cookies/\r\nSet-Cookie: b=2\r\n"
              "Content-Length: 0\r\n\r\n");
    const Result odd = Perform(CaseUrl("odd-target", token), Call());
    EXPECT_EQ(odd.replyHeaders,
              "HTTP/1.1 200 Fine Thanks\r\nX-Padded: spaced out\r\nContent-Length: 0\r\n\r\n");
    const Result bare = Perform(CaseUrl("status-only", token), Call());
    EXPECT_EQ(bare.replyHeaders, "HTTP/1.0 204 \r\nX-Case: status-only\r\n\r\n");
    EXPECT_EQ(bare.body, "");
}

TEST(WebRequest, BodiesArriveWholeAndInOrder) {
    const Result chunked = Perform(CaseUrl("chunked", NewToken("chunked")), Call());
    EXPECT_EQ(chunked.body, Bytes("a\0b\0", 4) + Bytes(2000, 'z'));
}

TEST(WebRequest, RefusesTextThatWouldBreakTheRequestAndTouchesNothing) {
    const Text cases[][2] = {{"/x\r\nX-Injected: 1", ""},
                             {Text("/x\0y", 4), ""},
                             {"/x\n", ""},
                             {"/x", "a=1\r\nX-Injected: 1"},
                             {"/x", "a=1\n"}};
    for (const auto& c : cases) {
        const std::string token = NewToken("refused");
        Call call;
        call.sendCookies = c[1];
        call.extraHeaders = "X-Mine: 1";
        const Result r = Perform(CaseUrl("get-defaults", token, c[0]), call, "before");
        EXPECT_EQ(r.body, "");
        EXPECT_EQ(r.replyCookies, "before");
        EXPECT_EQ(r.sendCookies, c[1]);
        EXPECT_EQ(r.extraHeaders, "X-Mine: 1");
        EXPECT_EQ(r.replyHeaders, "");
        EXPECT_TRUE(RecordedRequests(token).empty());
    }
}

TEST(WebRequest, PlatformStoreKeepsCookiesUnlessCookiesAreSupplied) {
    const std::string token = NewToken("store");
    Perform(CaseUrl("store-set", token), Call());
    Perform(CaseUrl("store-get", token, "/own"), Cookies(""));
    Perform(CaseUrl("store-get", token, "/platform"), Call());
    const std::vector<RecordedRequest> recorded = RecordedRequests(token);
    ASSERT_EQ(recorded.size(), 3u);
    const std::string cookie = "Cookie: kept=" + token;
    const auto sends = [&](size_t i) {
        const std::vector<std::string> lines = SplitRequest(recorded[i].bytes).headerLines;
        return std::count(lines.begin(), lines.end(), cookie);
    };
    EXPECT_EQ(sends(1), 0);
    EXPECT_EQ(sends(2), 1);
}

TEST(WebRequest, ConnectionsAreKeptForTheNextRequest) {
    const std::string token = NewToken("reuse");
    for (int i = 0; i < 3; i++) EXPECT_EQ(Perform(CaseUrl("ok", token), Call()).body, "hello");
    const std::vector<RecordedRequest> recorded = RecordedRequests(token);
    ASSERT_EQ(recorded.size(), 3u);
    EXPECT_EQ(recorded[1].connection, recorded[0].connection);
    EXPECT_EQ(recorded[2].connection, recorded[0].connection);
}

TEST(WebRequest, ProxyGetsTheWholeAddressInTheRequestLine) {
    const std::string token = NewToken("proxy");
    Call call;
    call.proxy = "127.0.0.1:" + std::to_string(TestServerPort());
    EXPECT_EQ(Perform("http://proxied.test:8080/proxied/" + token, call).body, "proxied");
    ExpectRequestAsInCase("proxied", token);
}

TEST(WebRequest, ConnectOverrideKeepsHostAndRefererAsWritten) {
    const std::string token = NewToken("override");
    platform::SetConnectOverride("127.0.0.1:" + std::to_string(TestServerPort()));
    const Result r = Perform("quenlov.test/override/" + token, Call());
    platform::SetConnectOverride("");
    ExpectRequestAsInCase("override", token);
    EXPECT_EQ(r.replyHeaders.substr(0, 15), "HTTP/1.1 200 OK");
}

}  // namespace
