// What the Linux internet layer keeps for the whole process, as the platform does on Windows:
// one cookie store, one pool of open connections and one name cache, shared by every request
// on every thread; and recycled multi handles. Each transfer gets an easy handle of its own.
#pragma once

#include <curl/curl.h>

namespace platform {

struct CurlTransfer {
    CURL* easy = nullptr;
    CURLM* multi = nullptr;
    bool cookies = false;  // the cookie engine is to be on
    bool cookieEngineOn = false;
};

// A transfer with a new easy handle, the process-wide share attached; easy is null on failure.
CurlTransfer TakeCurlTransfer(bool cookies);
// A new easy handle in place of one that has done a transfer (the next hop of a redirect), the
// multi handle kept; false on failure. The transfer must not be in its multi handle.
bool RenewCurlEasy(CurlTransfer& transfer);
void ReturnCurlTransfer(CurlTransfer transfer);

}  // namespace platform
