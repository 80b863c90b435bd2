#include "http/web_request.h"
#include "services/adapters.h"
#include "services/attempts.h"
#include "services/catalogue.h"
#include "services/reply_patterns.h"
#include "text/encoding.h"
#include "text/pattern_matcher.h"

namespace {

// One pattern search over the reply of each attempt; capture group 1 is the result.
Text ShortenByPattern(const Text& url, const Text& pattern, bool quotePlaceholder) {
    PatternMatcher matcher;
    return WithSecondAttempt([&] {
        matcher.Search(pattern, Utf8ToText(WebRequest(url)), false, true, true, quotePlaceholder);
        return matcher.SubMatchText(1, 1);
    });
}

}  // namespace

Text ShortenViaToolPage(const Text& longUrl) {
    const Text url = "http://" + Text(kToolPageHost) + "/tool/dwz.asp?domain=" + AsText(longUrl);
    return WithSecondAttempt([&] { return AsText(WebRequest(url)); });
}

Text ShortenViaHtmlPage(const Text& longUrl) {
    const Text host = ServiceById(3)->host;
    const Text url = host + "/?url=" + UrlEncode(longUrl, true, true) + "&keyword=&title=";
    return ShortenByPattern(url, SpanPattern(host), true);
}

Text ShortenViaJsonApi(const Text& longUrl) {
    const Text host = ServiceById(7)->host;
    const Text url = host + "/create.aspx?url=" + UrlEncode(longUrl, true, true) + "&alias=";
    return ShortenByPattern(url, JsonPattern(host), false);
}
