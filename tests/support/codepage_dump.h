// A text dump of what the code-page layer does with every one- and two-byte GBK sequence, every
// UTF-16 unit and a set of broken UTF-8, used to compare two implementations line by line.
#pragma once

#include <string>

// One line per conversion: a tag, the input in hex, the output in hex (or "-" when the
// conversion failed). Tags: "M" GBK to UTF-16, "W" UTF-16 to GBK, "U" UTF-8 to UTF-16,
// "V" UTF-16 to UTF-8.
std::string CodePageDump();
