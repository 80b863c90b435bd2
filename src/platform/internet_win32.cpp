// The real WinINet, looked up by name in "wininet.dll" on first use.
//
// Two things beyond plain pass-through: the time limits are set as options on every request
// handle (on the internet handle they have no effect, at least under Wine), and a connect
// override points the connection elsewhere while the Host header keeps the original host.
#include <windows.h>
#include <wininet.h>

#include <cstdlib>
#include <map>
#include <mutex>

#include "platform/internet.h"

namespace platform {
namespace {

static_assert(kOpenTypeDirect == INTERNET_OPEN_TYPE_DIRECT, "");
static_assert(kOpenTypeProxy == INTERNET_OPEN_TYPE_PROXY, "");
static_assert(kServiceHttp == INTERNET_SERVICE_HTTP, "");
static_assert(kFlagReload == INTERNET_FLAG_RELOAD, "");
static_assert(kFlagNeedFile == INTERNET_FLAG_NEED_FILE, "");
static_assert(kFlagNoCookies == INTERNET_FLAG_NO_COOKIES, "");
static_assert(kFlagNoAutoRedirect == INTERNET_FLAG_NO_AUTO_REDIRECT, "");
static_assert(kFlagSecure == INTERNET_FLAG_SECURE, "");
static_assert(kFlagIgnoreRedirectToHttps == INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS, "");
static_assert(kQueryRawHeadersCrlf == HTTP_QUERY_RAW_HEADERS_CRLF, "");

using InternetOpenFn = HINTERNET(WINAPI*)(LPCSTR, DWORD, LPCSTR, LPCSTR, DWORD);
using InternetConnectFn = HINTERNET(WINAPI*)(HINTERNET, LPCSTR, INTERNET_PORT, LPCSTR, LPCSTR,
                                             DWORD, DWORD, DWORD_PTR);
using HttpOpenRequestFn = HINTERNET(WINAPI*)(HINTERNET, LPCSTR, LPCSTR, LPCSTR, LPCSTR, LPCSTR*,
                                             DWORD, DWORD_PTR);
using HttpSendRequestFn = BOOL(WINAPI*)(HINTERNET, LPCSTR, DWORD, LPVOID, DWORD);
using InternetReadFileFn = BOOL(WINAPI*)(HINTERNET, LPVOID, DWORD, LPDWORD);
using HttpQueryInfoFn = BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, LPDWORD, LPDWORD);
using InternetCloseHandleFn = BOOL(WINAPI*)(HINTERNET);
using InternetSetOptionFn = BOOL(WINAPI*)(HINTERNET, DWORD, LPVOID, DWORD);
using HttpAddRequestHeadersFn = BOOL(WINAPI*)(HINTERNET, LPCSTR, DWORD, DWORD);

struct WinInet {
    InternetOpenFn internetOpen = nullptr;
    InternetConnectFn internetConnect = nullptr;
    HttpOpenRequestFn httpOpenRequest = nullptr;
    HttpSendRequestFn httpSendRequest = nullptr;
    InternetReadFileFn internetReadFile = nullptr;
    HttpQueryInfoFn httpQueryInfo = nullptr;
    InternetCloseHandleFn internetCloseHandle = nullptr;
    InternetSetOptionFn internetSetOption = nullptr;
    HttpAddRequestHeadersFn httpAddRequestHeaders = nullptr;

    bool complete() const {
        return internetOpen && internetConnect && httpOpenRequest && httpSendRequest &&
               internetReadFile && httpQueryInfo && internetCloseHandle && internetSetOption &&
               httpAddRequestHeaders;
    }
};

template <typename Fn>
void Load(HMODULE module, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

const WinInet& Api() {
    static const WinInet api = [] {
        WinInet loaded;
        HMODULE module = LoadLibraryA("wininet.dll");
        if (!module) return loaded;
        Load(module, "InternetOpenA", loaded.internetOpen);
        Load(module, "InternetConnectA", loaded.internetConnect);
        Load(module, "HttpOpenRequestA", loaded.httpOpenRequest);
        Load(module, "HttpSendRequestA", loaded.httpSendRequest);
        Load(module, "InternetReadFile", loaded.internetReadFile);
        Load(module, "HttpQueryInfoA", loaded.httpQueryInfo);
        Load(module, "InternetCloseHandle", loaded.internetCloseHandle);
        Load(module, "InternetSetOptionA", loaded.internetSetOption);
        Load(module, "HttpAddRequestHeadersA", loaded.httpAddRequestHeaders);
        return loaded;
    }();
    return api;
}

// The Host header a connection owes its requests while the override points it elsewhere.
std::mutex hostMutex;
std::map<HINTERNET, std::string> overriddenHosts;

std::string HostHeader(const char* host, int port, bool secure) {
    std::string value = host;
    if (port != (secure ? 443 : 80)) value += ":" + std::to_string(port);
    return value;
}

void SetTimeouts(HINTERNET request) {
    const InternetTimeouts limits = CurrentTimeouts();
    DWORD connect = static_cast<DWORD>(limits.connectMs);
    DWORD receive = static_cast<DWORD>(limits.receiveMs);
    Api().internetSetOption(request, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof connect);
    Api().internetSetOption(request, INTERNET_OPTION_SEND_TIMEOUT, &receive, sizeof receive);
    Api().internetSetOption(request, INTERNET_OPTION_RECEIVE_TIMEOUT, &receive, sizeof receive);
}

}  // namespace

InternetHandle OpenInternet(const char* agent, uint32_t accessType, const char* proxy,
                            const char* proxyBypass, uint32_t flags) {
    if (!Api().complete()) return nullptr;
    return Api().internetOpen(agent, accessType, proxy, proxyBypass, flags);
}

InternetHandle ConnectInternet(InternetHandle internet, const char* host, int port,
                               const char* userName, const char* password, uint32_t service,
                               uint32_t flags) {
    const std::string target = ConnectOverride();
    const size_t colon = target.rfind(':');
    if (target.empty() || colon == std::string::npos) {
        return Api().internetConnect(internet, host, static_cast<INTERNET_PORT>(port), userName,
                                     password, service, flags, 0);
    }
    const std::string overrideHost = target.substr(0, colon);
    const int overridePort = std::atoi(target.c_str() + colon + 1);
    HINTERNET connection =
        Api().internetConnect(internet, overrideHost.c_str(), static_cast<INTERNET_PORT>(overridePort),
                              userName, password, service, flags, 0);
    if (connection) {
        std::lock_guard<std::mutex> lock(hostMutex);
        // The port decides, with the request's flags, whether the Host header shows it.
        overriddenHosts[connection] = std::string(host) + '\n' + std::to_string(port);
    }
    return connection;
}

InternetHandle OpenHttpRequest(InternetHandle connection, const char* verb, const char* objectName,
                               const char* version, const char* referrer,
                               const char** acceptTypes, uint32_t flags) {
    HINTERNET request = Api().httpOpenRequest(connection, verb, objectName, version, referrer,
                                              acceptTypes, flags, 0);
    if (!request) return nullptr;
    SetTimeouts(request);
    std::string hostAndPort;
    {
        std::lock_guard<std::mutex> lock(hostMutex);
        auto found = overriddenHosts.find(connection);
        if (found != overriddenHosts.end()) hostAndPort = found->second;
    }
    if (!hostAndPort.empty()) {
        const size_t newline = hostAndPort.find('\n');
        const std::string host = hostAndPort.substr(0, newline);
        const int port = std::atoi(hostAndPort.c_str() + newline + 1);
        const std::string line =
            "Host: " + HostHeader(host.c_str(), port, (flags & kFlagSecure) != 0) + "\r\n";
        Api().httpAddRequestHeaders(request, line.c_str(), static_cast<DWORD>(-1),
                                    HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE);
    }
    return request;
}

bool SendHttpRequest(InternetHandle request, const char* headers, uint32_t headersLength,
                     const void* body, uint32_t bodyLength) {
    return Api().httpSendRequest(request, headers, headersLength, const_cast<void*>(body),
                                 bodyLength) != FALSE;
}

bool ReadInternetFile(InternetHandle request, void* buffer, uint32_t bytesToRead,
                      uint32_t* bytesRead) {
    DWORD read = 0;
    BOOL ok = Api().internetReadFile(request, buffer, bytesToRead, &read);
    *bytesRead = read;
    return ok != FALSE;
}

bool QueryHttpInfo(InternetHandle request, uint32_t infoLevel, void* buffer,
                   uint32_t* bufferLength, uint32_t* index) {
    DWORD length = *bufferLength;
    DWORD at = index ? *index : 0;
    BOOL ok = Api().httpQueryInfo(request, infoLevel, buffer, &length, index ? &at : nullptr);
    *bufferLength = length;
    if (index) *index = at;
    return ok != FALSE;
}

bool CloseInternetHandle(InternetHandle handle) {
    {
        std::lock_guard<std::mutex> lock(hostMutex);
        overriddenHosts.erase(handle);
    }
    return Api().internetCloseHandle(handle) != FALSE;
}

}  // namespace platform
