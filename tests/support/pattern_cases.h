// The table of pattern cases (tests/data/pattern/cases.txt) and the results of running one.
//
// A case runs either through PatternMatcher on code page 936 text, or, when it is a "wide"
// case, straight through the pattern component on UTF-16 text (lone surrogates and characters
// that code page 936 lacks can only be reached that way). Its result is a block of text that
// starts with "== " and the case's name; the results recorded under Windows are such blocks.
#pragma once

#include <map>
#include <string>
#include <vector>

struct PatternCase {
    std::string name;
    bool wide = false;
    // Not run under Windows: the pattern object there never returns from these searches.
    bool skipOnWindows = false;
    // As written in the table, escapes not yet resolved.
    std::string pattern;
    std::string subject;
    std::string options;
    std::string replacement;
    bool hasReplacement = false;
};

// False, with a message naming the line, when the table cannot be read.
bool ParsePatternCases(const std::string& table, std::vector<PatternCase>* cases,
                       std::string* error);

std::string RunPatternCase(const PatternCase& c);

// Result blocks by case name.
std::map<std::string, std::string> SplitResultBlocks(const std::string& results);
