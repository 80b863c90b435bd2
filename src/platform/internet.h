// The internet API, in the shape of the Windows internet calls (WinINet, ANSI entry points):
// one synchronous request through three nested handles. On Windows these are the real calls;
// on Linux our own layer gives the same contract over libcurl.
//
// What callers rely on:
// - the platform keeps a process-wide cookie store (unless kFlagNoCookies), follows redirects
//   up to a bound (unless kFlagNoAutoRedirect), verifies certificates for HTTPS, ignores proxy
//   settings of the environment and pools connections across requests;
// - SendHttpRequest returns once the final response's headers have arrived (or it failed);
//   ReadInternetFile then delivers the body and reports 0 bytes at its end or on failure;
// - QueryHttpInfo with kQueryRawHeadersCrlf gives the final response's header block, zero
//   terminated; when the area is too small it fails, leaves the area alone and sets the length
//   to the size needed;
// - no request waits for ever: connecting and each wait for a byte are bounded (kTimeouts).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace platform {

using InternetHandle = void*;

constexpr uint32_t kOpenTypeDirect = 1;
constexpr uint32_t kOpenTypeProxy = 3;
constexpr uint32_t kServiceHttp = 3;

constexpr uint32_t kFlagReload = 0x80000000;
constexpr uint32_t kFlagNeedFile = 0x10;
constexpr uint32_t kFlagNoCookies = 0x80000;
constexpr uint32_t kFlagNoAutoRedirect = 0x200000;
constexpr uint32_t kFlagSecure = 0x800000;
constexpr uint32_t kFlagIgnoreRedirectToHttps = 0x4000;

constexpr uint32_t kQueryRawHeadersCrlf = 22;

// The one place the time limits are set, the same on every target.
struct InternetTimeouts {
    int connectMs;
    int receiveMs;  // the longest wait for the next byte, sending included
};
constexpr InternetTimeouts kTimeouts{60000, 30000};

InternetHandle OpenInternet(const char* agent, uint32_t accessType, const char* proxy,
                            const char* proxyBypass, uint32_t flags);
InternetHandle ConnectInternet(InternetHandle internet, const char* host, int port,
                               const char* userName, const char* password, uint32_t service,
                               uint32_t flags);
InternetHandle OpenHttpRequest(InternetHandle connection, const char* verb, const char* objectName,
                               const char* version, const char* referrer, const char** acceptTypes,
                               uint32_t flags);
bool SendHttpRequest(InternetHandle request, const char* headers, uint32_t headersLength,
                     const void* body, uint32_t bodyLength);
bool ReadInternetFile(InternetHandle request, void* buffer, uint32_t bytesToRead,
                      uint32_t* bytesRead);
bool QueryHttpInfo(InternetHandle request, uint32_t infoLevel, void* buffer, uint32_t* bufferLength,
                   uint32_t* index);
bool CloseInternetHandle(InternetHandle handle);

// Process-wide settings, read when a request is opened.

// Every connection goes to `address` ("host:port") instead of the host and port it was opened
// for; the request line, the Host header and everything else stay as built. Empty: off.
void SetConnectOverride(const std::string& address);
std::string ConnectOverride();

// Connections to `host` (as the address names it, any port) go to `address` instead, ahead of
// the override above: a test can make one host lead somewhere else, or nowhere. An empty
// address removes the entry.
void SetHostConnectOverride(const std::string& host, const std::string& address);
// Every entry, as "host" and "address" pairs.
std::vector<std::pair<std::string, std::string>> HostConnectOverrides();

// For tests only: shorter limits than kTimeouts, so that a silent server ends a test in seconds.
void SetTimeoutsForTesting(InternetTimeouts timeouts);
InternetTimeouts CurrentTimeouts();

}  // namespace platform
