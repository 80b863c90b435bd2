// Where the tests find their data files: the sources' tests/data and the build's unpacked data.
#pragma once

#include <string>

std::string TestDataPath(const std::string& name);
std::string GeneratedDataPath(const std::string& name);

// A variable of the test's environment, or an empty string.
std::string TestEnvironment(const char* name);

// The whole file, or an empty string when it cannot be read.
std::string ReadFileBytes(const std::string& path);
