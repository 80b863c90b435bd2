// Text as the UTF-16 units the pattern component works on, through the ANSI code page (936
// where the program is used), and back.
#pragma once

#include "platform/regexp.h"
#include "text/text.h"

platform::WideText AnsiToWide(const Text& text);
Text WideToAnsi(const platform::WideText& wide);
