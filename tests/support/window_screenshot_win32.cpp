#include "support/window_screenshot_win32.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

struct Pixels {
    int width = 0, height = 0;
    std::vector<unsigned char> rows;  // bottom-up, each row padded to four bytes
};

int RowBytes(int width) {
    return (width * 3 + 3) & ~3;
}

BITMAPINFOHEADER InfoHeader(int width, int height) {
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    return info;
}

bool CopyFromScreen(const RECT& rect, Pixels& pixels) {
    pixels.width = rect.right - rect.left;
    pixels.height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, pixels.width, pixels.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    bool ok =
        BitBlt(memory, 0, 0, pixels.width, pixels.height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader = InfoHeader(pixels.width, pixels.height);
    pixels.rows.resize(static_cast<size_t>(RowBytes(pixels.width)) * pixels.height);
    ok = ok && GetDIBits(memory, bitmap, 0, pixels.height, pixels.rows.data(), &info,
                         DIB_RGB_COLORS) == pixels.height;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

bool WriteBmp(const Pixels& pixels, const std::string& path) {
    const BITMAPINFOHEADER info = InfoHeader(pixels.width, pixels.height);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.rows.size());
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
              std::fwrite(&info, sizeof info, 1, out) == 1 &&
              std::fwrite(pixels.rows.data(), 1, pixels.rows.size(), out) == pixels.rows.size();
    return std::fclose(out) == 0 && ok;
}

}  // namespace

bool SaveWindowImage(HWND window, const std::string& path) {
    RECT rect;
    if (!GetWindowRect(window, &rect)) return false;
    // Painted now by the program's thread; Wine then copies its windows to the X server on a
    // timer of its own, so give that a moment.
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    Pixels pixels;
    return CopyFromScreen(rect, pixels) && WriteBmp(pixels, path);
}
