// What the Linux internet layer keeps for the whole process, as the platform does on Windows:
// one cookie store, one pool of open connections and one name cache, shared by every request
// on every thread; and recycled transfer handles, so that a request costs no handle set-up.
#pragma once

#include <curl/curl.h>

namespace platform {

struct CurlTransfer {
    CURL* easy = nullptr;
    CURLM* multi = nullptr;
    bool cookies = false;  // a handle that ever had the cookie engine on keeps it: never mixed
    bool cookieEngineOn = false;
};

// A transfer with the process-wide share attached; easy is null on failure. A recycled one keeps
// the options of its last request: the caller sets every option it relies on.
CurlTransfer TakeCurlTransfer(bool cookies);
void ReturnCurlTransfer(CurlTransfer transfer);

}  // namespace platform
