// quenlov-encode URL...: shows how a long address goes out to the services, in the forms the
// adapters send it: percent-encoded over UTF-8, and Base64 of its GBK bytes. Arguments are
// read as UTF-8, the way a terminal passes them.
#include <cstdio>
#include <string>

#include "text/base64.h"
#include "text/encoding.h"

namespace {

void Show(const std::string& argument) {
    Text address = Utf8ToText(argument);
    std::printf("address:         %s\n", argument.c_str());
    std::printf("GBK bytes:       %zu\n", address.size());
    std::printf("percent-encoded: %s\n", UrlEncode(address, true, true).c_str());
    std::printf("Base64 of GBK:   %s\n", Base64Encode(address).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: quenlov-encode URL...\n");
        return 64;
    }
    for (int i = 1; i < argc; i++) {
        if (i > 1) std::printf("\n");
        Show(argv[i]);
    }
    return 0;
}
