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
};

// A transfer with its options reset and the process-wide share attached; easy is null on failure.
CurlTransfer TakeCurlTransfer(bool cookies);
void ReturnCurlTransfer(CurlTransfer transfer);

}  // namespace platform

namespace platform {

// Options back to their defaults, the process-wide share attached again, between two transfers
// of one request (a redirect).
void ResetCurlTransfer(CurlTransfer& transfer);

}  // namespace platform
