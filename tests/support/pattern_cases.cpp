#include "support/pattern_cases.h"

#include <sstream>

namespace {

bool SetField(PatternCase* c, const std::string& key, const std::string& value) {
    if (key == "name") {
        c->name = value;
    } else if (key == "level") {
        if (value != "text" && value != "wide") return false;
        c->wide = value == "wide";
    } else if (key == "pattern") {
        c->pattern = value;
    } else if (key == "subject") {
        c->subject = value;
    } else if (key == "options") {
        c->options = value;
    } else if (key == "replace") {
        c->replacement = value;
        c->hasReplacement = true;
    } else if (key == "windows") {
        if (value != "skip") return false;
        c->skipOnWindows = true;
    } else {
        return false;
    }
    return true;
}

// "key: value", where the value is everything after the ": " (a bare "key:" gives empty text).
bool ReadLine(const std::string& line, PatternCase* c) {
    size_t colon = line.find(':');
    if (colon == std::string::npos) return false;
    std::string value = line.substr(colon + 1);
    if (!value.empty() && value[0] == ' ') value.erase(0, 1);
    return SetField(c, line.substr(0, colon), value);
}

}  // namespace

bool ParsePatternCases(const std::string& table, std::vector<PatternCase>* cases,
                       std::string* error) {
    std::istringstream in(table);
    std::string line;
    PatternCase current;
    bool open = false;
    for (int number = 1; std::getline(in, line); number++) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '#') continue;
        if (line.empty()) {
            if (open) cases->push_back(current);
            current = PatternCase();
            open = false;
            continue;
        }
        if (!ReadLine(line, &current)) {
            *error = "line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
        open = true;
    }
    if (open) cases->push_back(current);
    for (const PatternCase& c : *cases) {
        if (c.name.empty()) {
            *error = "a case without a name";
            return false;
        }
    }
    return true;
}

std::map<std::string, std::string> SplitResultBlocks(const std::string& results) {
    std::map<std::string, std::string> blocks;
    std::istringstream in(results);
    std::string line, name;
    while (std::getline(in, line)) {
        if (line.rfind("== ", 0) == 0) name = line.substr(3);
        if (!name.empty() && !(line.empty() || line[0] == '#')) blocks[name] += line + "\n";
    }
    return blocks;
}
