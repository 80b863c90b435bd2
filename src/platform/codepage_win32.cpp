// The real kernel32 conversions, looked up by name on first use.
#include "platform/codepage.h"

#include <windows.h>

namespace platform {
namespace {

using MultiByteToWideCharFn = int(WINAPI*)(UINT, DWORD, LPCCH, int, LPWSTR, int);
using WideCharToMultiByteFn = int(WINAPI*)(UINT, DWORD, LPCWCH, int, LPSTR, int, LPCCH, LPBOOL);

struct Kernel32 {
    MultiByteToWideCharFn multiByteToWideChar = nullptr;
    WideCharToMultiByteFn wideCharToMultiByte = nullptr;
};

const Kernel32& Api() {
    static const Kernel32 api = [] {
        Kernel32 loaded;
        HMODULE module = LoadLibraryA("kernel32.dll");
        if (!module) return loaded;
        loaded.multiByteToWideChar = reinterpret_cast<MultiByteToWideCharFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "MultiByteToWideChar")));
        loaded.wideCharToMultiByte = reinterpret_cast<WideCharToMultiByteFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "WideCharToMultiByte")));
        return loaded;
    }();
    return api;
}

}  // namespace

int MultiByteToWide(unsigned codePage, const char* src, int srcLength, char16_t* dst,
                    int dstLength) {
    if (!Api().multiByteToWideChar) return 0;
    return Api().multiByteToWideChar(codePage, 0, src, srcLength, reinterpret_cast<LPWSTR>(dst),
                                     dstLength);
}

int WideToMultiByte(unsigned codePage, const char16_t* src, int srcLength, char* dst,
                    int dstLength) {
    if (!Api().wideCharToMultiByte) return 0;
    return Api().wideCharToMultiByte(codePage, 0, reinterpret_cast<LPCWCH>(src), srcLength, dst,
                                     dstLength, nullptr, nullptr);
}

}  // namespace platform
