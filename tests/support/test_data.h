// Where the tests find their data files: the sources' tests/data and the build's unpacked data.
#pragma once

#include <string>

std::string TestDataPath(const std::string& name);
std::string GeneratedDataPath(const std::string& name);

// The whole file, or an empty string when it cannot be read.
std::string ReadFileBytes(const std::string& path);
