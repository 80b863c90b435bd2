#include "support/test_data.h"

#include <cstdio>
#include <cstdlib>

namespace {

std::string FromEnvironment(const char* variable, const std::string& name) {
    const char* dir = std::getenv(variable);
    return std::string(dir ? dir : ".") + "/" + name;
}

}  // namespace

std::string TestDataPath(const std::string& name) {
    return FromEnvironment("QUENLOV_TEST_DATA", name);
}

std::string GeneratedDataPath(const std::string& name) {
    return FromEnvironment("QUENLOV_TEST_GENERATED", name);
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return bytes;
    char buffer[1 << 16];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, n);
    std::fclose(file);
    return bytes;
}

std::string TestEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}
