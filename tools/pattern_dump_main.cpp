// Runs the pattern table (the cases file named first) and writes every result block to the
// file named second; under Windows this records the results of the real pattern object.
#include <cstdio>
#include <string>
#include <vector>

#include "support/pattern_cases.h"
#include "support/test_data.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pattern-dump CASES OUTPUT\n");
        return 64;
    }
    std::vector<PatternCase> cases;
    std::string error;
    if (!ParsePatternCases(ReadFileBytes(argv[1]), &cases, &error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    std::FILE* file = std::fopen(argv[2], "wb");
    if (!file) {
        std::perror(argv[2]);
        return 1;
    }
    bool ok = true;
    for (const PatternCase& c : cases) {
#ifdef _WIN32
        if (c.skipOnWindows) continue;
#endif
        std::string block = RunPatternCase(c) + "\n";
        ok = ok && std::fwrite(block.data(), 1, block.size(), file) == block.size();
    }
    return (std::fclose(file) == 0 && ok) ? 0 : 1;
}
