
#include "http/web_request.h"
#include "services/adapters.h"
#include "services/attempts.h"
#include "services/catalogue.h"
#include "services/reply_patterns.h"
#include "services/session_cookies.h"
#include "text/base64.h"
#include "text/encoding.h"
#include "text/pattern_matcher.h"
#include "text/replace_pairs.h"

const char kAggregatorMessage[] =
    "\xB2\xD9\xD7\xF7\xC6\xB5\xB7\xB1\xA3\xAC\xD0\xE8\xD2\xAA\xD1\xE9\xD6\xA4\xA3\xAC\xC7\xEB"
    "\xBB\xBB\xC6\xE4\xCB\xFB\xB6\xCC\xCD\xF8\xD6\xB7\xC0\xE0\xD0\xCD\xBB\xF2\xD6\xD8\xD0\xC2"
    "\xCA\xD4\xCA\xD4";

namespace {

// One request with SessionCookies sent and rewritten. The request works on a copy, and the
// copy replaces the shared text only when the request rewrote it, so that an abandoned worker
// or a failed request never leaves the shared text half-changed.
Bytes RequestWithSessionCookies(const Text& url) {
    const Text before = ReadSessionCookies();
    Text cookies = before;
    Bytes reply = WebRequest(url, 0, Text(), &cookies);
    if (cookies != before) ReplaceSessionCookies(cookies);
    return reply;
}

// The aggregator's own message for an "error" status, as its UTF-8 JSON carries it.
Text ErrorText(const Text& value) {
    return Utf8ToText(ReplacePairs(value, "\\/", "/"));
}

}  // namespace

Text ShortenViaAggregator(const Text& longUrl, const Text& site) {
    PatternMatcher matcher;
    const Text url =
        Text(kAggregatorHost) + "/api.php?url=" + Base64Encode(AsText(longUrl)) + "&site=" + site;
    return WithSecondAttempt([&] {
        Text reply = AsText(RequestWithSessionCookies(url));
        matcher.Search(kAggregatorReplyPattern, reply, false, true, true, true);
        Text status = matcher.SubMatchText(1, 1);
        Text value = matcher.SubMatchText(1, 2);
        if (status == "ok") return ReplacePairs(value, "\\/", "/");
        if (status == "error") return ErrorText(value);
        return Text(kAggregatorMessage);
    });
}
