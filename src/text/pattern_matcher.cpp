#include "text/pattern_matcher.h"

#include "text/wide_text.h"

namespace {

// "#引号" in code page 936.
const char kQuotePlaceholder[] = "#\xD2\xFD\xBA\xC5";

}  // namespace

PatternMatcher::PatternMatcher() : threadSetUp_(platform::RegExpThreadBegin()) {}

// The objects go before the thread's set-up is given back, in the order they were held.
PatternMatcher::~PatternMatcher() {
    patternObject_.reset();
    matchList_.reset();
    subject_.clear();
    if (threadSetUp_) platform::RegExpThreadEnd();
}

bool PatternMatcher::Search(const Text& pattern, const Text& subject, bool caseSensitive,
                            bool multiline, bool global, bool quotePlaceholder) {
    patternObject_.reset();
    matchList_.reset();
    // A step that fails leaves its object empty; the later steps then fail in turn.
    patternObject_ = platform::NewPatternObject();
    platform::SetOption(patternObject_, platform::RegExpOption::kIgnoreCase, !caseSensitive);
    platform::SetOption(patternObject_, platform::RegExpOption::kMultiline, multiline);
    platform::SetOption(patternObject_, platform::RegExpOption::kGlobal, global);
    const Text text = quotePlaceholder ? ReplaceAll(pattern, kQuotePlaceholder, "\"") : pattern;
    platform::SetPatternText(patternObject_, AnsiToWide(text));
    subject_ = AnsiToWide(subject);
    matchList_ = platform::Execute(patternObject_, subject_);
    return matchList_ != nullptr;
}

Text PatternMatcher::Pattern() const {
    if (!patternObject_) return Text();
    return WideToAnsi(platform::GetPatternText(patternObject_));
}

Text PatternMatcher::Replace(const Text& replacement) const {
    if (!patternObject_) return Text();
    return WideToAnsi(platform::Replace(patternObject_, subject_, AnsiToWide(replacement)));
}

int PatternMatcher::MatchCount() const {
    return platform::ItemCount(matchList_);
}

Text PatternMatcher::MatchText(int index, int* position) const {
    platform::RegExpRef match = Match(index);
    Text value = WideToAnsi(platform::MatchValue(match));
    if (position) *position = match ? PositionOf(match, value) : -1;
    return value;
}

Text PatternMatcher::SubMatchText(int matchIndex, int groupIndex, int* position) const {
    platform::RegExpRef match = Match(matchIndex);
    platform::RegExpRef groups = platform::MatchGroups(match);
    const bool exists = groupIndex >= 1 && groupIndex <= platform::ItemCount(groups);
    Text text = exists ? WideToAnsi(platform::GroupText(groups, groupIndex - 1)) : Text();
    if (position) *position = exists ? PositionOf(match, text) : -1;
    return text;
}

int PatternMatcher::SubMatchCount() const {
    return platform::ItemCount(platform::MatchGroups(Match(1)));
}

platform::RegExpRef PatternMatcher::Match(int index) const {
    if (index < 1 || !matchList_) return platform::RegExpRef();
    return platform::MatchAt(matchList_, index - 1);
}

// The match's character index counts UTF-16 units, so it is a lower bound for the byte offset;
// the text is looked for in the subject from there, byte by byte over whole characters, with
// the case rule the pattern object reports.
int PatternMatcher::PositionOf(const platform::RegExpRef& match, const Text& found) const {
    const int firstIndex = platform::MatchFirstIndex(match);
    if (firstIndex < 0) return -1;
    const bool ignoreCase =
        platform::GetOption(patternObject_, platform::RegExpOption::kIgnoreCase);
    const int at = FindText(WideToAnsi(subject_), found, firstIndex, ignoreCase);
    return at == kNotFound ? -1 : at - 1;
}
