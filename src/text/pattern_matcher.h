// The program's regular-expression object: one search, then reads of its result.
//
// A matcher is made, used and destroyed on one thread; making it makes the pattern component
// usable on that thread and destroying it gives that back. Each search makes a fresh pattern
// object and replaces everything the matcher held; the reads always refer to the last search.
// Indexes count from 1. Every failure is silent: false, 0 or empty text.
#pragma once

#include "platform/regexp.h"
#include "text/text.h"

class PatternMatcher {
  public:
    PatternMatcher();
    ~PatternMatcher();
    // Nothing copies a matcher, and a copy would have to keep the thread set-up balanced.
    PatternMatcher(const PatternMatcher&) = delete;
    PatternMatcher& operator=(const PatternMatcher&) = delete;

    // True when the search ran and gave a match collection, which may hold no match; false when
    // the pattern object could not be made or the pattern is not valid. With `quotePlaceholder`
    // every "#引号" in `pattern` stands for a double quote.
    bool Search(const Text& pattern, const Text& subject, bool caseSensitive = false,
                bool multiline = true, bool global = true, bool quotePlaceholder = false);

    // The pattern the pattern object holds; empty before the first search.
    Text Pattern() const;

    // The subject of the last search with its matches (all when it was global, else the first)
    // replaced by `replacement`, in which the pattern object's group references apply.
    Text Replace(const Text& replacement = Text()) const;

    int MatchCount() const;

    // The text of match `index`; with `position`, also the 0-based byte offset where that text
    // lies in the subject, looked for from the match's character index on (-1 when there is
    // no such match or the text is not found).
    Text MatchText(int index, int* position = nullptr) const;

    // The text captured by group `groupIndex` of match `matchIndex`, empty when either does not
    // exist or the group captured nothing; `position` as for MatchText, looked for from the
    // match's own start.
    Text SubMatchText(int matchIndex, int groupIndex, int* position = nullptr) const;

    // The number of capture groups of the first match; 0 when there is no match.
    int SubMatchCount() const;

  private:
    platform::RegExpRef Match(int index) const;
    int PositionOf(const platform::RegExpRef& match, const Text& found) const;

    platform::RegExpRef patternObject_;
    platform::RegExpRef matchList_;
    platform::WideText subject_;
    bool threadSetUp_;
};
