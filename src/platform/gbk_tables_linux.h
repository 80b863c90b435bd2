// The GBK (code page 936) tables behind the Linux code-page layer, built once on first use from
// ICU's "windows-936-2000" converter, which carries the Windows mapping with its private-use
// and best-fit entries.
#pragma once

#include <cstdint>
#include <memory>

namespace platform {

struct GbkTables {
    static constexpr uint16_t kUnmapped = 0xFFFF;
    bool isLead[256];
    char16_t single[256];    // the character of a byte that stands alone
    char16_t pair[65536];    // lead << 8 | trail, "?" where the pair has no character
    uint16_t encode[65536];  // one byte, or lead << 8 | trail; kUnmapped when there is none
};

// The tables of the process, built on first use.
const GbkTables& Gbk();

// A fresh set, for measuring how long the layer takes to get ready.
std::unique_ptr<GbkTables> BuildGbkTables();

}  // namespace platform
