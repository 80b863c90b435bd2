// Address dissection and header-value picking over any bytes, and where a redirect's Location
// leads from a given address.
#include <fuzzer/FuzzedDataProvider.h>

#include "check.h"
#include "http/url.h"
#include "platform/web_address.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const bool mainDomain = in.ConsumeBool();
    const bool keepPort = in.ConsumeBool();
    const int levels = in.ConsumeIntegralInRange<int>(-3, 12);
    const int startPos = in.ConsumeIntegralInRange<int>(-2, 300);
    const bool ignoreCase = in.ConsumeBool();
    const Text startMarker = in.ConsumeRandomLengthString(16);
    const Text endMarker = in.ConsumeRandomLengthString(16);
    const Text url = in.ConsumeRemainingBytesAsString();

    const Text between = TextBetween(url, startMarker, endMarker, startPos, ignoreCase);
    FUZZ_CHECK(between.size() <= url.size());
    HeaderValue(url);

    for (const Text& host : {UrlHost(url), UrlHost(url, mainDomain, keepPort),
                             UrlHost(url, mainDomain, keepPort, levels)}) {
        for (char c : host) FUZZ_CHECK(!(c >= 'A' && c <= 'Z'));
    }
    const int port = UrlPort(url);
    (void)port;
    const Text path = UrlPath(url);
    FUZZ_CHECK(!path.empty() && path[0] == '/');

    platform::WebAddress base;
    base.secure = mainDomain;
    base.host = "a.example";
    base.port = keepPort ? 8080 : 80;
    base.target = "/dir/page?q=1";
    platform::WebAddress next;
    if (platform::ResolveLocation(base, url, next)) {
        FUZZ_CHECK(!next.target.empty() && next.target[0] == '/');
        FUZZ_CHECK(next.port >= 0 && next.port <= 65535);
    }
    return 0;
}
