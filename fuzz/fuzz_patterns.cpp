// The pattern matcher with each pattern the adapters read replies with, over any subject, and
// every read of the result.
#include <fuzzer/FuzzedDataProvider.h>

#include "check.h"
#include "services/catalogue.h"
#include "services/reply_patterns.h"
#include "text/encoding.h"
#include "text/pattern_matcher.h"
#include "text/wide_text.h"

namespace {

struct AdapterPattern {
    Text pattern;
    bool quotePlaceholder;
    bool fromUtf8;  // the adapter converts the reply before it searches
};

// The reads the adapters make, and a few more (each search translates its pattern afresh, which
// is most of a run's cost, so Replace, which would search again, is left out): a position, when
// there is one, must point at the text in the subject as the matcher holds it (through UTF-16 and
// back). It may be -1 for a real match: the text is looked for over Text's characters, in which
// a lone 80 or FF byte opens a two-byte character, where code page 936 reads it as one alone, so
// a match right after one cannot be found by bytes.
// Groups lie within their match, byte for byte (the same two readings again).
void ReadEverything(const PatternMatcher& matcher, const Text& subject) {
    const int count = matcher.MatchCount();
    FUZZ_CHECK(count >= 0);
    for (int m = 0; m <= count + 1; m++) {
        int position = 0;
        const Text match = matcher.MatchText(m, &position);
        if (m >= 1 && m <= count) {
            FUZZ_CHECK(!match.empty());
            FUZZ_CHECK(position == -1 ||
                       SameAt(subject, static_cast<size_t>(position), match, true));
        } else {
            FUZZ_CHECK(match.empty() && position == -1);
        }
        for (int g = 0; g <= 3; g++) {
            const Text group = matcher.SubMatchText(m, g, &position);
            if (!group.empty()) {
                FUZZ_CHECK(position == -1 ||
                           SameAt(subject, static_cast<size_t>(position), group, true));
                FUZZ_CHECK(LowerAscii(match).find(LowerAscii(group)) != Text::npos);
            }
        }
    }
    matcher.SubMatchCount();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const AdapterPattern kPatterns[] = {
        {kAggregatorReplyPattern, true, false},
        {SpanPattern(ServiceById(3)->host), true, true},
        {JsonPattern(ServiceById(7)->host), false, true},
    };
    FuzzedDataProvider in(data, size);
    const AdapterPattern& p = kPatterns[in.ConsumeIntegralInRange<size_t>(0, 2)];
    const Bytes reply = in.ConsumeRemainingBytesAsString();
    const Text subject = p.fromUtf8 ? Utf8ToText(reply) : AsText(reply);

    PatternMatcher matcher;
    FUZZ_CHECK(matcher.Search(p.pattern, subject, false, true, true, p.quotePlaceholder));
    ReadEverything(matcher, WideToAnsi(AnsiToWide(subject)));
    return 0;
}
