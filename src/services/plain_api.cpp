#include "http/web_request.h"
#include "services/adapters.h"
#include "services/attempts.h"
#include "text/encoding.h"
#include "text/replace_pairs.h"

Text ShortenViaPlainApi(const Text& longUrl, const Text& host) {
    const Text url = host + "/api.php?url=" + UrlEncode(longUrl, true, true);
    return WithSecondAttempt([&] { return ReplacePairs(Utf8ToText(WebRequest(url)), "?", ""); });
}
