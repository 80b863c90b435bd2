#include "platform/web_address.h"

#include <vector>

namespace platform {
namespace {

bool StartsWithNoCase(const std::string& text, const char* prefix) {
    for (size_t i = 0; prefix[i]; i++) {
        if (i >= text.size()) return false;
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

// A port as an address writes it: decimal digits, 1 to 65535.
bool ReadPort(const std::string& text, int& port) {
    if (text.empty()) return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
        if (value > 65535) value = 65536;  // out of range already; no overflow further on
    }
    if (value < 1 || value > 65535) return false;
    port = value;
    return true;
}

// "host[:port]" then the target; the port defaults by scheme. False when the port is not one
// (out of range, or not a number), so that no connection goes to a port other than written.
bool ParseAuthority(const std::string& rest, WebAddress& result) {
    size_t end = rest.find_first_of("/?");
    std::string authority = rest.substr(0, end);
    std::string target = end == std::string::npos ? "/" : rest.substr(end);
    if (target[0] == '?') target = "/" + target;
    size_t at = authority.rfind('@');
    if (at != std::string::npos) authority.erase(0, at + 1);
    size_t colon = authority.rfind(':');
    result.port = result.secure ? 443 : 80;
    if (colon != std::string::npos && authority.find(']', colon) == std::string::npos) {
        if (colon + 1 < authority.size() && !ReadPort(authority.substr(colon + 1), result.port)) {
            return false;
        }
        authority.erase(colon);
    }
    result.host = authority;
    result.target = target;
    return true;
}

// "." and ".." segments of a target's path resolved, its query left alone.
std::string WithoutDotSegments(const std::string& target) {
    const size_t query = target.find('?');
    const std::string path = target.substr(0, query);
    std::vector<std::string> segments;
    size_t at = 1;
    while (at <= path.size()) {
        size_t end = path.find('/', at);
        if (end == std::string::npos) end = path.size();
        const std::string segment = path.substr(at, end - at);
        const bool last = end == path.size();
        if (segment == "..") {
            if (!segments.empty()) segments.pop_back();
            if (last) segments.push_back("");
        } else if (segment == ".") {
            if (last) segments.push_back("");
        } else {
            segments.push_back(segment);
        }
        at = end + 1;
    }
    std::string result;
    for (const std::string& segment : segments) result += "/" + segment;
    if (result.empty()) result = "/";
    return result + (query == std::string::npos ? std::string() : target.substr(query));
}

}  // namespace

std::string Origin(const WebAddress& address) {
    return std::string(address.secure ? "https://" : "http://") + address.host + ":" +
           std::to_string(address.port);
}

bool ResolveLocation(const WebAddress& base, const std::string& location, WebAddress& result) {
    std::string link = location.substr(0, location.find('#'));
    while (!link.empty() && (link.back() == ' ' || link.back() == '\t')) link.pop_back();
    result = base;
    if (StartsWithNoCase(link, "http://") || StartsWithNoCase(link, "https://")) {
        result.secure = StartsWithNoCase(link, "https://");
        if (!ParseAuthority(link.substr(link.find("//") + 2), result)) return false;
    } else if (link.compare(0, 2, "//") == 0) {
        if (!ParseAuthority(link.substr(2), result)) return false;
    } else if (link.find("://") != std::string::npos &&
               link.find("://") < link.find_first_of("/?")) {
        return false;
    } else if (!link.empty() && link[0] == '/') {
        result.target = link;
    } else {
        const std::string path = base.target.substr(0, base.target.find('?'));
        if (!link.empty() && link[0] == '?') {
            result.target = path + link;
        } else {
            result.target = path.substr(0, path.rfind('/') + 1) + link;
        }
    }
    result.target = WithoutDotSegments(result.target);
    return true;
}

}  // namespace platform
