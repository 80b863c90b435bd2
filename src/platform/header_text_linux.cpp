#include "platform/header_text_linux.h"

#include <strings.h>

#include <cstdlib>
#include <cstring>

namespace platform {

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    return strncasecmp(text.c_str(), prefix, std::strlen(prefix)) == 0;
}

// The value of the first header line named `name` in a block; empty when there is none.
std::string HeaderIn(const std::string& block, const char* name) {
    const size_t length = std::strlen(name);
    for (size_t at = 0; at < block.size();) {
        size_t end = block.find('\n', at);
        if (end == std::string::npos) end = block.size();
        std::string line = block.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > length && line[length] == ':' && StartsWithNoCase(line, name)) {
            size_t from = line.find_first_not_of(" \t", length + 1);
            return from == std::string::npos ? std::string() : line.substr(from);
        }
    }
    return std::string();
}

namespace {

std::string Trimmed(const std::string& text) {
    size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos) return std::string();
    return text.substr(begin, text.find_last_not_of(" \t") + 1 - begin);
}

}  // namespace

// The header block as WinINet hands it over, rebuilt from what it parsed: the status line as
// version, code and reason joined by single blanks; each header "Name: value" with the value
// trimmed; every line ending in CR LF, and an empty line at the end.
std::string AsPlatformBlock(const std::string& block) {
    std::string result;
    bool first = true;
    for (size_t at = 0; at < block.size();) {
        size_t end = block.find('\n', at);
        if (end == std::string::npos) end = block.size();
        std::string line = block.substr(at, end - at);
        at = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (first) {
            const size_t space = line.find(' ');
            const std::string rest = space == std::string::npos ? "" : Trimmed(line.substr(space));
            const size_t gap = rest.find(' ');
            const std::string code = rest.substr(0, gap);
            const std::string reason = gap == std::string::npos ? "" : Trimmed(rest.substr(gap));
            result += line.substr(0, space) + " " + code + " " + reason + "\r\n";
            first = false;
            continue;
        }
        const size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        result += Trimmed(line.substr(0, colon)) + ": " + Trimmed(line.substr(colon + 1)) + "\r\n";
    }
    return result + "\r\n";
}

long StatusOf(const std::string& block) {
    size_t space = block.find(' ');
    return space == std::string::npos ? 0 : std::atol(block.c_str() + space + 1);
}

// Header lines for libcurl: none of its own defaults (WinINet adds no Accept, Content-Type or
// Proxy-Connection, and never waits for 100-continue), the caller's lines in order, an empty value
// kept.
curl_slist* HeaderList(const char* headers, uint32_t length) {
    curl_slist* list = nullptr;
    for (const char* line : {"Accept:", "Content-Type:", "Expect:", "Proxy-Connection:"}) {
        list = curl_slist_append(list, line);
    }
    const std::string block =
        headers ? std::string(headers,
                              length == static_cast<uint32_t>(-1) ? std::strlen(headers) : length)
                : std::string();
    for (size_t at = 0; at < block.size();) {
        size_t end = block.find("\r\n", at);
        if (end == std::string::npos) end = block.size();
        std::string line = block.substr(at, end - at);
        at = end + 2;
        if (line.empty()) continue;
        size_t colon = line.find(':');
        if (colon != std::string::npos &&
            line.find_first_not_of(" \t", colon + 1) == std::string::npos) {
            line = line.substr(0, colon) + ";";
        }
        list = curl_slist_append(list, line.c_str());
    }
    return list;
}

}  // namespace platform
