// One search of our own pattern object over PCRE2's 16-bit library.
//
// Time and memory stay bounded whatever the subject: every step of the matcher passes an
// automatic callout that spends one unit of a budget shared by every match attempt of the
// search (PCRE2's own match limit counts afresh at each starting position, so it alone would
// not bound a long subject), and the backtracking memory has a ceiling. A search that runs out
// of either fails as a whole, as an invalid pattern does.
#include <climits>
#include <memory>
#include <new>

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include "platform/regexp_engine_linux.h"

namespace platform {
namespace {

// Enough for the program's patterns over any reply many times over (they take a few steps per
// unit), little enough to stop a pattern that backtracks without end within a second or so.
constexpr uint64_t kStepsPerSearch = 20000000;
constexpr uint64_t kStepsPerUnit = 16;
constexpr uint32_t kBacktrackMemoryKiB = 64 * 1024;

struct CodeFree {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct ContextFree {
    void operator()(pcre2_match_context* context) const { pcre2_match_context_free(context); }
};
struct DataFree {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
using Code = std::unique_ptr<pcre2_code, CodeFree>;
using Context = std::unique_ptr<pcre2_match_context, ContextFree>;
using Data = std::unique_ptr<pcre2_match_data, DataFree>;

int SpendStep(pcre2_callout_block*, void* budget) {
    uint64_t& left = *static_cast<uint64_t*>(budget);
    if (left == 0) return PCRE2_ERROR_CALLOUT;
    left--;
    return 0;
}

Code Compile(const WideText& pattern, const SearchOptions& options, int* groups) {
    std::u16string pcre;
    if (!TranslatePattern(pattern, options.multiline, &pcre, groups)) return Code();
    // A reference to a group that has not captured matches the empty text, as in the pattern
    // object.
    uint32_t flags = PCRE2_AUTO_CALLOUT | PCRE2_MATCH_UNSET_BACKREF;
    if (options.ignoreCase) flags |= PCRE2_CASELESS;
    int error = 0;
    PCRE2_SIZE errorAt = 0;
    return Code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pcre.data()), pcre.size(), flags, &error,
                              &errorAt, nullptr));
}

void Record(const PCRE2_SIZE* ovector, int groups, MatchList* matches) {
    for (int k = 0; k <= groups; k++) {
        PCRE2_SIZE start = ovector[2 * k], end = ovector[2 * k + 1];
        bool unset = start == PCRE2_UNSET;
        matches->offsets.push_back(unset ? -1 : static_cast<int32_t>(start));
        matches->offsets.push_back(unset ? -1 : static_cast<int32_t>(end));
    }
}

// After an empty match the next search starts one unit further on, as the pattern object's
// global searches do; so every position, the end included, yields at most one empty match.
bool Collect(const pcre2_code* code, const SearchOptions& options, pcre2_match_context* context,
             MatchList* matches) {
    Data data(pcre2_match_data_create_from_pattern(code, nullptr));
    if (!data) return false;
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(matches->subject.data());
    const PCRE2_SIZE length = matches->subject.size();
    for (PCRE2_SIZE at = 0; at <= length;) {
        int rc = pcre2_match(code, subject, length, at, 0, data.get(), context);
        if (rc == PCRE2_ERROR_NOMATCH) break;
        if (rc < 0) return false;
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
        Record(ovector, matches->groups, matches);
        if (!options.global) break;
        at = ovector[1] > ovector[0] ? ovector[1] : ovector[1] + 1;
    }
    return true;
}

}  // namespace

WideText MatchList::Text(size_t match, int group) const {
    int32_t start = Start(match, group), end = End(match, group);
    if (start < 0 || end < start) return WideText();
    return subject.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
}

bool SearchAll(const WideText& pattern, const SearchOptions& options, const WideText& subject,
               MatchList* matches) {
    if (subject.size() > INT32_MAX) return false;
    try {
        int groups = 0;
        Code code = Compile(pattern, options, &groups);
        Context context(pcre2_match_context_create(nullptr));
        if (!code || !context) return false;
        uint64_t budget = kStepsPerSearch + kStepsPerUnit * subject.size();
        pcre2_set_callout(context.get(), SpendStep, &budget);
        pcre2_set_heap_limit(context.get(), kBacktrackMemoryKiB);
        matches->subject = subject;
        matches->groups = groups;
        matches->offsets.clear();
        return Collect(code.get(), options, context.get(), matches);
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace platform
