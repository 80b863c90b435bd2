#include "text/wide_text.h"

#include <climits>

#include "platform/codepage.h"

namespace {

int ClampedLength(size_t n) {
    return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

}  // namespace

// Asked twice, as the platform calls want: once for the size, then into a buffer of that size.
platform::WideText AnsiToWide(const Text& text) {
    const Text source = AsText(text);
    const int length = ClampedLength(source.size());
    int needed =
        platform::MultiByteToWide(platform::kCodePageAnsi, source.data(), length, nullptr, 0);
    if (needed <= 0) return platform::WideText();
    platform::WideText wide(static_cast<size_t>(needed), u'\0');
    int written =
        platform::MultiByteToWide(platform::kCodePageAnsi, source.data(), length, &wide[0], needed);
    wide.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return wide;
}

Text WideToAnsi(const platform::WideText& wide) {
    const int length = ClampedLength(wide.size());
    int needed =
        platform::WideToMultiByte(platform::kCodePageAnsi, wide.data(), length, nullptr, 0);
    if (needed <= 0) return Text();
    Text text(static_cast<size_t>(needed), '\0');
    int written =
        platform::WideToMultiByte(platform::kCodePageAnsi, wide.data(), length, &text[0], needed);
    text.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return AsText(text);
}
