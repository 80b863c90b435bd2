#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "platform/console.h"

namespace platform {

std::vector<std::string> Utf8Arguments(int, char**) {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return arguments;
    for (int i = 1; i < count; i++) {
        int n = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string utf8(n > 0 ? n : 1, '\0');
        if (n > 0) WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, &utf8[0], n, nullptr, nullptr);
        utf8.resize(utf8.size() - 1);
        arguments.push_back(utf8);
    }
    LocalFree(wide);
    return arguments;
}

void UseBinaryStdio() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

}  // namespace platform
