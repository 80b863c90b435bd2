// The pieces of our own pattern object on Linux: the pattern object's dialect rewritten for
// PCRE2, the search that collects the matches, and the expansion of a replacement.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "platform/regexp.h"

namespace platform {

// A set of UTF-16 code units.
using UnitSet = std::bitset<0x10000>;

// The body of a bracket class (between "[" and "]", without a leading "^"), read the way the
// pattern object reads it. False when the body is not valid (a range out of order, or a class
// escape as the end of a range).
bool ReadClassBody(const WideText& body, UnitSet* units);

// The units of the class escape "\d", "\D", "\s", "\S", "\w" or "\W" (by its letter); false for
// any other letter.
bool ClassEscapeUnits(char16_t letter, UnitSet* units);

// `units` as a PCRE2 class, negated when `negate`; an empty class that matches nothing, and an
// empty negated class that matches everything, are written as such.
std::u16string ClassToPcre(const UnitSet& units, bool negate);

// The pattern in PCRE2's syntax, with the pattern object's meanings of ".", "^", "$", "\s" and
// the other escapes spelled out; case is left to PCRE2_CASELESS. False when the pattern object
// would refuse the pattern. `groups` receives the number of capture groups.
bool TranslatePattern(const WideText& pattern, bool multiline, std::u16string* pcre, int* groups);

struct SearchOptions {
    bool ignoreCase = false;
    bool multiline = false;
    bool global = false;
};

// The result of one search: per match, the start and end of the match and of every group, in
// UTF-16 units; -1 for a group that took part in no capture.
struct MatchList {
    WideText subject;
    int groups = 0;
    std::vector<int32_t> offsets;

    size_t Stride() const { return 2 * (static_cast<size_t>(groups) + 1); }
    size_t Count() const { return offsets.size() / Stride(); }
    int32_t Start(size_t match, int group) const { return offsets[match * Stride() + 2 * group]; }
    int32_t End(size_t match, int group) const { return offsets[match * Stride() + 2 * group + 1]; }
    WideText Text(size_t match, int group) const;
};

// Every match of `pattern` in `subject` (the first only unless `global`). False when the
// pattern is not valid or the search ran out of its step or memory budget.
bool SearchAll(const WideText& pattern, const SearchOptions& options, const WideText& subject,
               MatchList* matches);

// `replacement` for match `match`, its group references expanded as the pattern object does.
WideText ExpandReplacement(const MatchList& matches, size_t match, const WideText& replacement);

}  // namespace platform
