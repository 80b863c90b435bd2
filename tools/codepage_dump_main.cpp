// Writes the code-page dump to the file named on the command line.
#include <cstdio>

#include "support/codepage_dump.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: codepage-dump OUTPUT\n");
        return 64;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    std::string dump = CodePageDump();
    bool ok = std::fwrite(dump.data(), 1, dump.size(), file) == dump.size();
    return (std::fclose(file) == 0 && ok) ? 0 : 1;
}
