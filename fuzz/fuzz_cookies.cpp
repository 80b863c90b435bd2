// The cookies of a raw reply header block, and the merging of a cookie text with another.
#include <fuzzer/FuzzedDataProvider.h>

#include "check.h"
#include "http/cookies.h"
#include "http/request_parts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    Text oldCookies = in.ConsumeRandomLengthString(256);
    const Text block = in.ConsumeRemainingBytesAsString();

    const Text normalised = NormaliseSetCookie(block);
    FUZZ_CHECK(normalised.size() == block.size());
    Text collected = CollectCookies(normalised);

    const bool hadNew = !RemoveBlanks(collected).empty();
    const Text merged = MergeCookies(oldCookies, collected);
    if (hadNew) {
        FUZZ_CHECK(merged == oldCookies);
        // Every item of the merged text has a name and a live value, and ends with ";".
        FUZZ_CHECK(!merged.empty() ? merged.back() == ';' : true);
    }
    FUZZ_CHECK(RemoveBlanks(merged) == merged);

    size_t begin = 0;
    while (hadNew && begin < merged.size()) {
        size_t end = merged.find(';', begin);
        FUZZ_CHECK(end != Text::npos);
        const Text item = merged.substr(begin, end - begin);
        CookieName(item);
        CookieValue(item);
        begin = end + 1;
    }
    return 0;
}
