// The pieces of an address both internet layers build requests from, and where a redirect's
// Location leads from a given address.
#pragma once

#include <string>

namespace platform {

struct WebAddress {
    bool secure = false;
    std::string host;
    int port = 80;
    std::string target = "/";  // path and query, exactly as they go into the request line
};

// "http://host:port" (or https), the part before the target.
std::string Origin(const WebAddress& address);

// The address a Location header points to, seen from `base`: absolute, scheme-relative,
// host-relative or relative to the base's directory; a fragment is dropped. False when the
// Location names another scheme than HTTP or HTTPS, or a port that is not 1 to 65535.
bool ResolveLocation(const WebAddress& base, const std::string& location, WebAddress& result);

}  // namespace platform
