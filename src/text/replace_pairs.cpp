#include "text/replace_pairs.h"

namespace {

Text ReplacePass(const Text& text, const Text& find, const Text& with, int start, int limit,
                 bool caseSensitive) {
    size_t from = static_cast<size_t>(start - 1);
    if (text.empty() || find.empty() || limit == 0 || from >= text.size()) return text;
    from = AlignToChar(text, from);
    Text out(text, 0, from);
    out.reserve(text.size());
    size_t at = from;
    while (at < text.size() && text.size() - at >= find.size() && limit != 0) {
        if (SameAt(text, at, find, !caseSensitive)) {
            out += with;
            at += find.size();
            if (limit > 0) limit--;
        } else {
            size_t n = CharLengthAt(text, at);
            out.append(text, at, n);
            at += n;
        }
    }
    out.append(text, at, Text::npos);
    return out;
}

}  // namespace

Text ReplacePairs(const Text& text, int count, int start, bool caseSensitive, const Text& find1,
                  const Text& replace1, const Text& find2, const Text& replace2, const Text& find3,
                  const Text& replace3, const Text& find4, const Text& replace4, const Text& find5,
                  const Text& replace5) {
    if (start < 1) start = 1;
    const Text* pairs[5][2] = {{&find1, &replace1},
                               {&find2, &replace2},
                               {&find3, &replace3},
                               {&find4, &replace4},
                               {&find5, &replace5}};
    Text working = AsText(text);
    for (const auto& pair : pairs) {
        working = ReplacePass(working, *pair[0], *pair[1], start, count, caseSensitive);
    }
    return working;
}

Text ReplacePairs(const Text& text, const Text& find1, const Text& replace1) {
    return ReplacePairs(text, kNoLimit, 1, false, find1, replace1);
}
