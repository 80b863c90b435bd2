// The real WinINet, looked up by name in "wininet.dll" on first use.
//
// Beyond plain pass-through: the time limits are set as options on every request handle (on
// the internet handle they have no effect, at least under Wine); a connect override points the
// connection elsewhere while the Host header keeps the original host; and redirects are
// followed here, with a bound.
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/internet.h"
#include "platform/web_address.h"

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

constexpr int kMaxRedirects = 10;

enum class Kind { kInternet, kConnection, kRequest };

// Our handles wrap WinINet's: a request that follows a redirect to another host needs a
// connection of its own, and the caller keeps the one handle it was given.
struct Handle {
    explicit Handle(Kind k) : kind(k) {}
    Kind kind;
    HINTERNET raw = nullptr;
    HINTERNET internet = nullptr;  // connection and request: the internet handle above
    WebAddress address;            // connection: host and port asked for; request: the target
    uint32_t flags = 0;            // request: the caller's flags
    std::string verb;              // request
    std::string referrer;          // request
    std::vector<std::string> acceptTypes;  // request, kept for the requests of its redirects
    HINTERNET connection = nullptr;        // request: the connection it was opened on
    HINTERNET ownConnection = nullptr;     // request: one opened for a redirect elsewhere
};

// The Host header value for an address, with its port unless it is the scheme's default.
std::string HostHeader(const WebAddress& address) {
    std::string value = address.host;
    if (address.port != (address.secure ? 443 : 80)) value += ":" + std::to_string(address.port);
    return value;
}

HINTERNET Connect(HINTERNET internet, const WebAddress& address) {
    std::string host = address.host;
    int port = address.port;
    std::string target = ConnectOverride();
    for (const auto& entry : HostConnectOverrides()) {
        if (_stricmp(entry.first.c_str(), address.host.c_str()) == 0) target = entry.second;
    }
    const size_t colon = target.rfind(':');
    if (!target.empty() && colon != std::string::npos) {
        host = target.substr(0, colon);
        port = std::atoi(target.c_str() + colon + 1);
    }
    return Api().internetConnect(internet, host.c_str(), static_cast<INTERNET_PORT>(port), "", "",
                                 INTERNET_SERVICE_HTTP, 0, 0);
}

void SetTimeouts(HINTERNET request) {
    const InternetTimeouts limits = CurrentTimeouts();
    DWORD connect = static_cast<DWORD>(limits.connectMs);
    DWORD receive = static_cast<DWORD>(limits.receiveMs);
    Api().internetSetOption(request, INTERNET_OPTION_CONNECT_TIMEOUT, &connect, sizeof connect);
    Api().internetSetOption(request, INTERNET_OPTION_SEND_TIMEOUT, &receive, sizeof receive);
    Api().internetSetOption(request, INTERNET_OPTION_RECEIVE_TIMEOUT, &receive, sizeof receive);
}

// Redirects are followed here, not by WinINet: under Wine it follows a redirect loop for ever.
// Each hop speaks TLS or not as its own address says: a redirect from HTTP to HTTPS (or back)
// keeps the caller's other flags only.
HINTERNET OpenRaw(HINTERNET connection, const Handle& request) {
    uint32_t flags = (request.flags & ~static_cast<uint32_t>(INTERNET_FLAG_SECURE)) |
                     INTERNET_FLAG_NO_AUTO_REDIRECT;
    if (request.address.secure) flags |= INTERNET_FLAG_SECURE;
    std::vector<LPCSTR> accept;
    for (const std::string& type : request.acceptTypes) accept.push_back(type.c_str());
    accept.push_back(nullptr);
    HINTERNET raw = Api().httpOpenRequest(
        connection, request.verb.c_str(), request.address.target.c_str(), "HTTP/1.1",
        request.referrer.c_str(), request.acceptTypes.empty() ? nullptr : accept.data(), flags, 0);
    if (!raw) return nullptr;
    SetTimeouts(raw);
    if (!ConnectOverride().empty() || !HostConnectOverrides().empty()) {
        const std::string line = "Host: " + HostHeader(request.address) + "\r\n";
        Api().httpAddRequestHeaders(raw, line.c_str(), static_cast<DWORD>(-1),
                                    HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE);
    }
    return raw;
}

std::string QueryText(HINTERNET raw, DWORD level) {
    char buffer[4096];
    DWORD length = sizeof buffer;
    if (!Api().httpQueryInfo(raw, level, buffer, &length, nullptr)) return std::string();
    return std::string(buffer, length);
}

void Drain(HINTERNET raw) {
    char buffer[4096];
    DWORD read = 0;
    while (Api().internetReadFile(raw, buffer, sizeof buffer, &read) && read > 0) {
    }
}

bool IsRedirect(long status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// The caller's header lines without Content-Type, which a redirected request does not carry.
std::string WithoutContentType(const std::string& headers) {
    std::string result;
    for (size_t at = 0; at < headers.size();) {
        size_t end = headers.find("\r\n", at);
        if (end == std::string::npos) end = headers.size();
        const std::string line = headers.substr(at, end - at);
        at = end + 2;
        if (line.empty() || _strnicmp(line.c_str(), "Content-Type:", 13) == 0) continue;
        result += (result.empty() ? "" : "\r\n") + line;
    }
    return result;
}

// Moves the request on to where its redirect points; false when this response is the final one.
bool FollowRedirect(Handle& r, std::string& headers, std::string& body) {
    const long status = std::atol(QueryText(r.raw, HTTP_QUERY_STATUS_CODE).c_str());
    WebAddress next;
    if (!IsRedirect(status) ||
        !ResolveLocation(r.address, QueryText(r.raw, HTTP_QUERY_LOCATION), next)) {
        return false;
    }
    Drain(r.raw);
    if (status == 303 || ((status == 301 || status == 302) && r.verb == "POST")) {
        if (r.verb != "HEAD") r.verb = "GET";
        body.clear();
    }
    headers = WithoutContentType(headers);
    const bool sameServer = next.host == r.address.host && next.port == r.address.port;
    r.address = next;
    HINTERNET connection =
        sameServer ? (r.ownConnection ? r.ownConnection : r.connection) : Connect(r.internet, next);
    HINTERNET raw = connection ? OpenRaw(connection, r) : nullptr;
    if (!raw) {
        if (connection && !sameServer) Api().internetCloseHandle(connection);
        return false;
    }
    Api().internetCloseHandle(r.raw);
    r.raw = raw;
    if (!sameServer) {
        if (r.ownConnection) Api().internetCloseHandle(r.ownConnection);
        r.ownConnection = connection;
    }
    return Api().httpSendRequest(r.raw, headers.c_str(), static_cast<DWORD>(headers.size()),
                                 body.empty() ? nullptr : &body[0],
                                 static_cast<DWORD>(body.size())) != FALSE;
}

Handle* As(InternetHandle handle, Kind kind) {
    Handle* h = static_cast<Handle*>(handle);
    return h && h->kind == kind ? h : nullptr;
}

}  // namespace

InternetHandle OpenInternet(const char* agent, uint32_t accessType, const char* proxy,
                            const char* proxyBypass, uint32_t flags) {
    if (!Api().complete()) return nullptr;
    HINTERNET raw = Api().internetOpen(agent, accessType, proxy, proxyBypass, flags);
    if (!raw) return nullptr;
    Handle* handle = new Handle(Kind::kInternet);
    handle->raw = raw;
    return handle;
}

InternetHandle ConnectInternet(InternetHandle internet, const char* host, int port, const char*,
                               const char*, uint32_t service, uint32_t) {
    Handle* parent = As(internet, Kind::kInternet);
    if (!parent || service != kServiceHttp) return nullptr;
    Handle connection(Kind::kConnection);
    connection.internet = parent->raw;
    connection.address.host = host;
    connection.address.port = port;
    connection.raw = Connect(parent->raw, connection.address);
    if (!connection.raw) return nullptr;
    return new Handle(connection);
}

InternetHandle OpenHttpRequest(InternetHandle connection, const char* verb, const char* objectName,
                               const char*, const char* referrer, const char** acceptTypes,
                               uint32_t flags) {
    Handle* parent = As(connection, Kind::kConnection);
    if (!parent) return nullptr;
    Handle request(Kind::kRequest);
    request.internet = parent->internet;
    request.connection = parent->raw;
    request.address = parent->address;
    request.address.secure = (flags & kFlagSecure) != 0;
    if (request.address.port == 0) request.address.port = request.address.secure ? 443 : 80;
    request.address.target = objectName;
    request.verb = verb;
    request.referrer = referrer ? referrer : "";
    for (const char** type = acceptTypes; type && *type; type++)
        request.acceptTypes.push_back(*type);
    request.flags = flags;
    request.raw = OpenRaw(parent->raw, request);
    if (!request.raw) return nullptr;
    return new Handle(request);
}

bool SendHttpRequest(InternetHandle request, const char* headers, uint32_t headersLength,
                     const void* body, uint32_t bodyLength) {
    Handle* r = As(request, Kind::kRequest);
    if (!r) return false;
    std::string headerText(headers ? headers : "", headers ? headersLength : 0);
    std::string bodyBytes(static_cast<const char*>(body), body ? bodyLength : 0);
    bool sent =
        Api().httpSendRequest(r->raw, headerText.c_str(), static_cast<DWORD>(headerText.size()),
                              bodyBytes.empty() ? nullptr : &bodyBytes[0],
                              static_cast<DWORD>(bodyBytes.size())) != FALSE;
    if (r->flags & kFlagNoAutoRedirect) return sent;
    for (int hops = 0; sent && hops < kMaxRedirects; hops++) {
        bool moved = FollowRedirect(*r, headerText, bodyBytes);
        if (!moved) break;
    }
    return sent;
}

bool ReadInternetFile(InternetHandle request, void* buffer, uint32_t bytesToRead,
                      uint32_t* bytesRead) {
    Handle* r = As(request, Kind::kRequest);
    DWORD read = 0;
    BOOL ok = r ? Api().internetReadFile(r->raw, buffer, bytesToRead, &read) : FALSE;
    *bytesRead = read;
    return ok != FALSE;
}

bool QueryHttpInfo(InternetHandle request, uint32_t infoLevel, void* buffer, uint32_t* bufferLength,
                   uint32_t* index) {
    Handle* r = As(request, Kind::kRequest);
    if (!r) return false;
    DWORD length = *bufferLength;
    DWORD at = index ? *index : 0;
    // Wine answers a request that got no response with an empty block ("\r\n"); that is no
    // header block, and the area is left as it was.
    std::string area(length, '\0');
    BOOL ok = Api().httpQueryInfo(r->raw, infoLevel, &area[0], &length, index ? &at : nullptr);
    if (ok && infoLevel == HTTP_QUERY_RAW_HEADERS_CRLF && area.compare(0, 5, "HTTP/") != 0) {
        return false;
    }
    if (ok) std::memcpy(buffer, area.data(), std::min<size_t>(area.size(), length + 1));
    *bufferLength = length;
    if (index) *index = at;
    return ok != FALSE;
}

bool CloseInternetHandle(InternetHandle handle) {
    Handle* h = static_cast<Handle*>(handle);
    if (!h) return false;
    BOOL ok = Api().internetCloseHandle(h->raw);
    if (h->ownConnection) Api().internetCloseHandle(h->ownConnection);
    delete h;
    return ok != FALSE;
}

}  // namespace platform
