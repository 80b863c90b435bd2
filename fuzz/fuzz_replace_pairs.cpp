// Multi-pair replacement with any texts, counts, starts and case rule. One pair over the whole
// text with no limit must give what the text core's own ReplaceAll gives.
#include <fuzzer/FuzzedDataProvider.h>

#include "check.h"
#include "text/replace_pairs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    const int count = in.ConsumeIntegralInRange<int>(-2, 6);
    const int start = in.ConsumeIntegralInRange<int>(-2, 200);
    const bool caseSensitive = in.ConsumeBool();
    Text pairs[10];
    for (Text& t : pairs) t = in.ConsumeRandomLengthString(8);
    const Text text = in.ConsumeRemainingBytesAsString();

    const Text result =
        ReplacePairs(text, count, start, caseSensitive, pairs[0], pairs[1], pairs[2], pairs[3],
                     pairs[4], pairs[5], pairs[6], pairs[7], pairs[8], pairs[9]);
    (void)result;
    const Text one = ReplacePairs(text, kNoLimit, 1, caseSensitive, pairs[0], pairs[1]);
    FUZZ_CHECK(one == ReplaceAll(AsText(text), pairs[0], pairs[1], !caseSensitive));
    FUZZ_CHECK(ReplacePairs(text, 0, start, caseSensitive, pairs[0], pairs[1]) == AsText(text));
    FUZZ_CHECK(ReplacePairs(text, pairs[0], pairs[1]) ==
               ReplacePairs(text, kNoLimit, 1, false, pairs[0], pairs[1]));
    return 0;
}
