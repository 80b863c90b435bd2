// Code-page conversion both ways, over any bytes and any UTF-16 units: GBK and UTF-8 to
// UTF-16, UTF-16 to GBK and UTF-8, and the platform calls' size questions.
#include <fuzzer/FuzzedDataProvider.h>

#include "check.h"
#include "platform/codepage.h"
#include "text/encoding.h"
#include "text/wide_text.h"

namespace {

const int kCodePages[] = {936, 65001, 0};

// The count the platform gives must be what it then writes, and one unit less must fail.
void CheckSizes(unsigned codePage, const Bytes& bytes) {
    const int length = static_cast<int>(bytes.size());
    const int needed = platform::MultiByteToWide(codePage, bytes.data(), length, nullptr, 0);
    if (needed <= 0) return;
    std::u16string wide(static_cast<size_t>(needed), u'\0');
    FUZZ_CHECK(platform::MultiByteToWide(codePage, bytes.data(), length, &wide[0], needed) ==
               needed);
    if (needed > 1) {
        FUZZ_CHECK(
            platform::MultiByteToWide(codePage, bytes.data(), length, &wide[0], needed - 1) == 0);
    }
    const int back = platform::WideToMultiByte(codePage, wide.data(), needed, nullptr, 0);
    FUZZ_CHECK(back > 0);
    std::string narrow(static_cast<size_t>(back), '\0');
    FUZZ_CHECK(platform::WideToMultiByte(codePage, wide.data(), needed, &narrow[0], back) == back);
}

bool HasLoneSurrogate(const std::u16string& units) {
    for (size_t i = 0; i < units.size(); i++) {
        if (units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < units.size() &&
            units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            i++;
        } else if (units[i] >= 0xD800 && units[i] <= 0xDFFF) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Bytes bytes(reinterpret_cast<const char*>(data), size);
    for (int codePage : kCodePages) {
        const Bytes wide = MultiByteToUtf16(bytes, codePage);
        FUZZ_CHECK(wide.size() % 2 == 0);
        FUZZ_CHECK(wide.empty() || wide.compare(wide.size() - 2, 2, Bytes(2, '\0')) == 0);
        const Text narrow = Utf16ToMultiByte(bytes, codePage);
        FUZZ_CHECK(narrow.find('\0') == Text::npos);
        CheckSizes(static_cast<unsigned>(codePage), bytes);
    }
    const Text text = Utf8ToText(bytes);
    FUZZ_CHECK(text.find('\0') == Text::npos);
    const Text utf8 = TextToUtf8(bytes);
    FUZZ_CHECK(utf8.find('\0') == Text::npos);

    // UTF-16 without lone surrogates goes to UTF-8 and back unchanged.
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); i++) {
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    if (!units.empty() && !HasLoneSurrogate(units)) {
        const int n = static_cast<int>(units.size());
        const int needed = platform::WideToMultiByte(65001, units.data(), n, nullptr, 0);
        std::string out(static_cast<size_t>(needed), '\0');
        platform::WideToMultiByte(65001, units.data(), n, &out[0], needed);
        const int count = platform::MultiByteToWide(65001, out.data(), needed, nullptr, 0);
        std::u16string again(static_cast<size_t>(count), u'\0');
        platform::MultiByteToWide(65001, out.data(), needed, &again[0], count);
        FUZZ_CHECK(again == units);
    }

    const platform::WideText ansi = AnsiToWide(bytes);
    FUZZ_CHECK(WideToAnsi(ansi).find('\0') == Text::npos);
    return 0;
}
