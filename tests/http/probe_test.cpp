#include <gtest/gtest.h>
#include "http/web_request.h"
#include "support/test_server.h"
TEST(Probe, Dump) {
    std::string token = NewToken("probe");
    Text headers, replyHeaders, replyCookies;
    Bytes body = WebRequest(CaseUrl("ok", token, "/a b?x=1"), 0, "", nullptr, &replyCookies, &headers, &replyHeaders);
    printf("body [%s]\nheaders [%s]\nreply [%s]\n", body.c_str(), headers.c_str(), replyHeaders.c_str());
    for (auto& r : RecordedRequests(token)) printf("conn %d\n%s\n", r.connection, r.bytes.c_str());
}
