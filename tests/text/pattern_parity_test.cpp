// The pattern table against the results recorded from the real pattern object under Windows
// (tests/data/pattern/results-windows.txt, written by scripts/record-pattern-results.sh). On
// Linux, the few cases where our layer cannot give the Windows result, and the cases the
// Windows object never finishes, are held to results-linux.txt instead, each with its reason.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/pattern_cases.h"
#include "support/test_data.h"

namespace {

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

struct Table {
    std::vector<PatternCase> cases;
    std::map<std::string, std::string> windows;
    std::map<std::string, std::string> linuxOnly;
};

Table LoadTable() {
    Table t;
    std::string error;
    EXPECT_TRUE(
        ParsePatternCases(ReadFileBytes(TestDataPath("pattern/cases.txt")), &t.cases, &error))
        << error;
    t.windows = SplitResultBlocks(ReadFileBytes(TestDataPath("pattern/results-windows.txt")));
    t.linuxOnly = SplitResultBlocks(ReadFileBytes(TestDataPath("pattern/results-linux.txt")));
    return t;
}

const std::string* Expected(const Table& t, const PatternCase& c) {
    const auto& first = kWindows ? t.windows : t.linuxOnly;
    auto found = first.find(c.name);
    if (found != first.end()) return &found->second;
    found = t.windows.find(c.name);
    return found != t.windows.end() ? &found->second : nullptr;
}

TEST(PatternParity, EveryCaseGivesTheWindowsResult) {
    const Table t = LoadTable();
    ASSERT_FALSE(t.cases.empty());
    int run = 0;
    for (const PatternCase& c : t.cases) {
        if (kWindows && c.skipOnWindows) continue;
        const std::string* expected = Expected(t, c);
        if (!expected) {
            ADD_FAILURE() << "no recorded result for \"" << c.name << "\"";
            continue;
        }
        EXPECT_EQ(*expected, RunPatternCase(c)) << "case \"" << c.name << "\"";
        run++;
    }
    std::printf("pattern parity: %d cases run\n", run);
}

// A Linux result stands in for a Windows one only where they differ, and only for a case of
// the table; a case Windows cannot run has no Windows result at all.
TEST(PatternParity, LinuxResultsAreOnlyWhereTheEnginesDiffer) {
    const Table t = LoadTable();
    std::map<std::string, const PatternCase*> byName;
    for (const PatternCase& c : t.cases) {
        EXPECT_TRUE(byName.emplace(c.name, &c).second) << "two cases named \"" << c.name << "\"";
    }
    for (const auto& [name, block] : t.linuxOnly) {
        auto c = byName.find(name);
        ASSERT_NE(c, byName.end()) << "a Linux result for no case: \"" << name << "\"";
        auto windows = t.windows.find(name);
        if (c->second->skipOnWindows) {
            EXPECT_EQ(windows, t.windows.end()) << name;
        } else {
            ASSERT_NE(windows, t.windows.end()) << name;
            EXPECT_NE(windows->second, block) << "the Linux result equals Windows': " << name;
        }
    }
}

}  // namespace
