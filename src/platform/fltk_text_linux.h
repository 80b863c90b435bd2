// Our GBK texts at FLTK's edge, which speaks UTF-8 and wraps labels only at blanks.
#pragma once

#include <string>

#include "text/text.h"

namespace platform {

// UTF-8, with CR LF (and a lone CR) as the LF FLTK breaks lines at.
std::string ToolkitText(const Text& gbk);
Text FromToolkitText(const char* utf8);

// Breaks `utf8` into lines no wider than `width` pixels in `font` at `size`, between any two
// characters (Chinese has no blanks), keeping runs of ASCII letters and digits whole where a
// run fits on a line; breaks already in the text stay.
std::string WrapToWidth(const std::string& utf8, int font, int size, int width);

}  // namespace platform
