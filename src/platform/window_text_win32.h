// Our GBK texts as the wide strings the window calls take, read in code page 936 whatever the
// system's ANSI code page is, and back.
#pragma once

#include <string>

#include "text/text.h"

namespace platform {

std::wstring WideFromGbk(const Text& text);
Text GbkFromWide(const std::wstring& wide);

}  // namespace platform
