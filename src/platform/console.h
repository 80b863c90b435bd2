// The command line and the standard streams, as UTF-8 bytes on every target.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The program's arguments (without its name) in UTF-8. On Windows they are taken from the
// wide command line, so that they arrive whole whatever the console's code page.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Standard input and output pass bytes unchanged (no CR LF translation).
void UseBinaryStdio();

}  // namespace platform
