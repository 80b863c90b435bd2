#include <unicode/ucnv.h>

#include <memory>

#include "platform/gbk_tables_linux.h"

namespace platform {
namespace {

constexpr char16_t kQuestionMark = u'?';

// ICU maps these full-width arrows and shapes as fallbacks; Windows' best-fit table does not.
bool WindowsHasNoBestFit(char16_t unit) { return unit >= 0xFFE9 && unit <= 0xFFEE; }

struct Converter {
    UConverter* handle = nullptr;
    explicit Converter(bool withFallback) {
        UErrorCode status = U_ZERO_ERROR;
        handle = ucnv_open("windows-936-2000", &status);
        if (U_FAILURE(status)) {
            handle = nullptr;
            return;
        }
        ucnv_setFallback(handle, withFallback);
        ucnv_setToUCallBack(handle, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
        ucnv_setFromUCallBack(handle, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                              &status);
    }
    ~Converter() {
        if (handle) ucnv_close(handle);
    }

    // The one character `bytes` decode to; false when they are not exactly one character.
    bool Decode(const char* bytes, int length, char16_t* unit) {
        UErrorCode status = U_ZERO_ERROR;
        UChar out[4];
        int n = ucnv_toUChars(handle, out, 4, bytes, length, &status);
        if (U_FAILURE(status) || n != 1) return false;
        *unit = out[0];
        return true;
    }

    bool Encode(char16_t unit, uint16_t* code) {
        UErrorCode status = U_ZERO_ERROR;
        UChar in[1] = {unit};
        char out[4];
        int n = ucnv_fromUChars(handle, out, 4, in, 1, &status);
        if (U_FAILURE(status) || n < 1 || n > 2) return false;
        *code = n == 1 ? static_cast<unsigned char>(out[0])
                       : static_cast<uint16_t>(static_cast<unsigned char>(out[0]) << 8 |
                                               static_cast<unsigned char>(out[1]));
        return true;
    }
};

void BuildDecoding(Converter& icu, GbkTables* t) {
    for (int b = 0; b < 256; b++) {
        t->isLead[b] = b >= 0x81 && b <= 0xFE;
        char byte = static_cast<char>(b);
        if (b == 0) {
            t->single[0] = 0;
        } else if (t->isLead[b] || !icu.Decode(&byte, 1, &t->single[b])) {
            t->single[b] = kQuestionMark;
        }
    }
    for (int code = 0; code < 65536; code++) {
        char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        if (!t->isLead[code >> 8] || !icu.Decode(bytes, 2, &t->pair[code])) {
            t->pair[code] = kQuestionMark;
        }
    }
}

void BuildEncoding(Converter& icu, GbkTables* t) {
    for (int unit = 0; unit < 65536; unit++) {
        char16_t u = static_cast<char16_t>(unit);
        bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
        if (unit == 0) {
            t->encode[0] = 0;
        } else if (surrogate || WindowsHasNoBestFit(u) || !icu.Encode(u, &t->encode[unit])) {
            t->encode[unit] = GbkTables::kUnmapped;
        }
    }
}

std::unique_ptr<GbkTables> BuildTables() {
    auto tables = std::make_unique<GbkTables>();
    Converter exact(false);
    Converter bestFit(true);
    if (!exact.handle || !bestFit.handle) {
        for (int b = 0; b < 256; b++) {
            tables->isLead[b] = false;
            tables->single[b] = b < 0x80 ? static_cast<char16_t>(b) : kQuestionMark;
        }
        for (int u = 0; u < 65536; u++) {
            tables->pair[u] = kQuestionMark;
            tables->encode[u] = u < 0x80 ? static_cast<uint16_t>(u) : GbkTables::kUnmapped;
        }
        return tables;
    }
    BuildDecoding(exact, tables.get());
    BuildEncoding(bestFit, tables.get());
    return tables;
}

}  // namespace

const GbkTables& Gbk() {
    static const std::unique_ptr<GbkTables> tables = BuildTables();
    return *tables;
}

}  // namespace platform
