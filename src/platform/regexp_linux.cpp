// Our own pattern object, match collection, match and group collection, with the results of the
// "VBScript.RegExp" object for the dialect the program's patterns use.
#include <memory>
#include <new>

#include "platform/regexp.h"
#include "platform/regexp_engine_linux.h"

namespace platform {

struct RegExpObject {
    enum class Kind { kPattern, kMatches, kMatch, kGroups };

    Kind kind = Kind::kPattern;
    // A pattern object.
    SearchOptions options;
    WideText pattern;
    // A collection, a match or its groups: the search they come from and the match's index.
    std::shared_ptr<const MatchList> list;
    size_t match = 0;
};

namespace {

bool Is(const RegExpRef& object, RegExpObject::Kind kind) {
    return object && object->kind == kind;
}

RegExpRef Derived(RegExpObject::Kind kind, std::shared_ptr<const MatchList> list, size_t match) {
    auto object = std::make_shared<RegExpObject>();
    object->kind = kind;
    object->list = std::move(list);
    object->match = match;
    return object;
}

bool* OptionField(RegExpObject& pattern, RegExpOption option) {
    switch (option) {
        case RegExpOption::kIgnoreCase:
            return &pattern.options.ignoreCase;
        case RegExpOption::kMultiline:
            return &pattern.options.multiline;
        case RegExpOption::kGlobal:
            return &pattern.options.global;
    }
    return nullptr;
}

WideText ReplaceAll(const MatchList& m, const WideText& replacement) {
    WideText out;
    size_t copied = 0;
    for (size_t k = 0; k < m.Count(); k++) {
        size_t start = static_cast<size_t>(m.Start(k, 0));
        out.append(m.subject, copied, start - copied);
        out += ExpandReplacement(m, k, replacement);
        copied = static_cast<size_t>(m.End(k, 0));
    }
    out.append(m.subject, copied, WideText::npos);
    return out;
}

}  // namespace

// Nothing to set up on this target.
bool RegExpThreadBegin() {
    return false;
}
void RegExpThreadEnd() {}

RegExpRef NewPatternObject() {
    return std::make_shared<RegExpObject>();
}

bool SetOption(const RegExpRef& pattern, RegExpOption option, bool value) {
    if (!Is(pattern, RegExpObject::Kind::kPattern)) return false;
    *OptionField(*pattern, option) = value;
    return true;
}

bool GetOption(const RegExpRef& pattern, RegExpOption option) {
    return Is(pattern, RegExpObject::Kind::kPattern) && *OptionField(*pattern, option);
}

bool SetPatternText(const RegExpRef& pattern, const WideText& text) {
    if (!Is(pattern, RegExpObject::Kind::kPattern)) return false;
    pattern->pattern = text;
    return true;
}

WideText GetPatternText(const RegExpRef& pattern) {
    return Is(pattern, RegExpObject::Kind::kPattern) ? pattern->pattern : WideText();
}

RegExpRef Execute(const RegExpRef& pattern, const WideText& subject) {
    if (!Is(pattern, RegExpObject::Kind::kPattern)) return RegExpRef();
    auto list = std::make_shared<MatchList>();
    if (!SearchAll(pattern->pattern, pattern->options, subject, list.get())) return RegExpRef();
    return Derived(RegExpObject::Kind::kMatches, std::move(list), 0);
}

WideText Replace(const RegExpRef& pattern, const WideText& subject, const WideText& replacement) {
    if (!Is(pattern, RegExpObject::Kind::kPattern)) return WideText();
    MatchList list;
    if (!SearchAll(pattern->pattern, pattern->options, subject, &list)) return WideText();
    try {
        return ReplaceAll(list, replacement);
    } catch (const std::bad_alloc&) {
        return WideText();
    }
}

int ItemCount(const RegExpRef& collection) {
    if (Is(collection, RegExpObject::Kind::kMatches)) {
        return static_cast<int>(collection->list->Count());
    }
    if (Is(collection, RegExpObject::Kind::kGroups)) return collection->list->groups;
    return 0;
}

RegExpRef MatchAt(const RegExpRef& matches, int index) {
    if (!Is(matches, RegExpObject::Kind::kMatches) || index < 0 ||
        static_cast<size_t>(index) >= matches->list->Count()) {
        return RegExpRef();
    }
    return Derived(RegExpObject::Kind::kMatch, matches->list, static_cast<size_t>(index));
}

WideText MatchValue(const RegExpRef& match) {
    if (!Is(match, RegExpObject::Kind::kMatch)) return WideText();
    return match->list->Text(match->match, 0);
}

int MatchFirstIndex(const RegExpRef& match) {
    if (!Is(match, RegExpObject::Kind::kMatch)) return -1;
    return match->list->Start(match->match, 0);
}

RegExpRef MatchGroups(const RegExpRef& match) {
    if (!Is(match, RegExpObject::Kind::kMatch)) return RegExpRef();
    return Derived(RegExpObject::Kind::kGroups, match->list, match->match);
}

WideText GroupText(const RegExpRef& groups, int index) {
    if (!Is(groups, RegExpObject::Kind::kGroups) || index < 0 || index >= groups->list->groups) {
        return WideText();
    }
    return groups->list->Text(groups->match, index + 1);
}

}  // namespace platform
