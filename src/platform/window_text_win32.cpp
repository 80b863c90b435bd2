#include "platform/window_text_win32.h"

#include "platform/codepage.h"

namespace platform {

std::wstring WideFromGbk(const Text& text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWide(kCodePageGbk, text.data(), length, nullptr, 0);
    if (units <= 0) return std::wstring();
    std::u16string wide(units, u'\0');
    MultiByteToWide(kCodePageGbk, text.data(), length, &wide[0], units);
    return std::wstring(wide.begin(), wide.end());
}

Text GbkFromWide(const std::wstring& wide) {
    if (wide.empty()) return Text();
    const std::u16string units(wide.begin(), wide.end());
    const int length = static_cast<int>(units.size());
    const int bytes = WideToMultiByte(kCodePageGbk, units.data(), length, nullptr, 0);
    if (bytes <= 0) return Text();
    Text text(bytes, '\0');
    WideToMultiByte(kCodePageGbk, units.data(), length, &text[0], bytes);
    return text;
}

}  // namespace platform
