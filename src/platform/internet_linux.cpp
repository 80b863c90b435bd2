// The internet API over libcurl, with the contract of the Windows calls (see internet.h).
//
// A request is driven by our own loop over a multi handle, so that sending returns once the
// final response's headers are in and each read takes only what has arrived, and so that the
// wait for the next byte is bounded here. Redirects are followed here rather than by libcurl,
// because the request line must carry the target bytes as the caller built them (libcurl would
// re-encode a path, and a fixed request target would stay the same on every hop).
#include <chrono>
#include <cstring>

#include "platform/curl_engine_linux.h"
#include "platform/header_text_linux.h"
#include "platform/internet.h"
#include "platform/web_address.h"

namespace platform {
namespace {

constexpr int kMaxRedirects = 10;
constexpr int kLongestPollMs = 1000;

enum class Kind { kInternet, kConnection, kRequest };

struct Handle {
    explicit Handle(Kind k) : kind(k) {}
    virtual ~Handle() = default;
    Kind kind;
};

struct Internet : Handle {
    Internet() : Handle(Kind::kInternet) {}
    std::string agent;
    std::string proxy;           // host:port; empty for a direct connection
    bool proxyHttpOnly = false;  // the "http=" form: plain HTTP goes through it, HTTPS does not
};

struct Connection : Handle {
    Connection() : Handle(Kind::kConnection) {}
    Internet settings;
    std::string host;
    int port = 80;
};

struct Request : Handle {
    Request() : Handle(Kind::kRequest) {}
    Internet settings;
    WebAddress address;
    std::string verb;
    uint32_t flags = 0;
    std::string connectTo;  // a libcurl connect-to entry, or empty
    InternetTimeouts timeouts{};

    CurlTransfer transfer;
    bool added = false;
    curl_slist* headers = nullptr;
    curl_slist* connectToList = nullptr;
    std::string body;

    // The hop in progress.
    std::string block;
    bool headersDone = false;
    long status = 0;
    bool discardBody = false;
    bool connected = false;
    long long lastByteMs = 0;
    unsigned long long arrivals = 0;  // callbacks so far: a round that saw one made progress

    // The final response.
    std::string finalBlock;
    std::string pending;
    size_t pendingAt = 0;
    bool done = false;
    bool failed = false;
};

long long NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

size_t OnHeader(char* data, size_t size, size_t count, void* user) {
    Request& r = *static_cast<Request*>(user);
    const std::string line(data, size * count);
    r.lastByteMs = NowMs();
    r.arrivals++;
    if (line.compare(0, 5, "HTTP/") == 0) r.block.clear();
    r.block += line;
    if (line == "\r\n" || line == "\n") {
        r.status = StatusOf(r.block);
        if (r.status >= 100 && r.status < 200) {
            r.block.clear();
        } else {
            r.headersDone = true;
        }
    }
    return size * count;
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
    Request& r = *static_cast<Request*>(user);
    r.lastByteMs = NowMs();
    r.arrivals++;
    if (!r.discardBody) r.pending.append(data, size * count);
    return size * count;
}

int OnConnected(void* user, char*, char*, int, int) {
    Request& r = *static_cast<Request*>(user);
    r.connected = true;
    r.lastByteMs = NowMs();
    r.arrivals++;
    return CURL_PREREQFUNC_OK;
}

bool ViaProxy(const Request& r) {
    return !r.settings.proxy.empty() && !(r.settings.proxyHttpOnly && r.address.secure);
}

// The request line's target: the caller's bytes, in absolute form when a proxy relays it.
std::string RequestTarget(const Request& r) {
    if (!ViaProxy(r) || r.address.secure) return r.address.target;
    std::string origin = "http://" + r.address.host;
    if (r.address.port != 80) origin += ":" + std::to_string(r.address.port);
    return origin + r.address.target;
}

void SetMethod(Request& r) {
    CURL* e = r.transfer.easy;
    curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, nullptr);
    if (r.verb == "GET" && r.body.empty()) {
        curl_easy_setopt(e, CURLOPT_HTTPGET, 1L);
        return;
    }
    // Every other verb carries a Content-Length, HEAD included, as WinINet sends them. libcurl
    // would not send a body with HEAD, so HEAD goes as a custom verb and its reply is taken as
    // ending with its headers.
    curl_easy_setopt(e, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(r.body.size()));
    curl_easy_setopt(e, CURLOPT_POSTFIELDS, r.body.data());
    if (r.verb != "POST") curl_easy_setopt(e, CURLOPT_CUSTOMREQUEST, r.verb.c_str());
}

// The target as libcurl's address parser accepts it. The request line does not come from it
// (the request target does); it is what cookie paths are matched against.
std::string ParsableTarget(const std::string& target) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string result;
    for (char c : target) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b <= 0x20 || b == 0x7F || c == '#') {
            result += '%';
            result += kHex[b >> 4];
            result += kHex[b & 0xF];
        } else {
            result += c;
        }
    }
    return result;
}

void Configure(Request& r, const std::string& target) {
    CURL* e = r.transfer.easy;
    const std::string url = Origin(r.address) + ParsableTarget(r.address.target);
    curl_easy_setopt(e, CURLOPT_URL, url.c_str());
    curl_easy_setopt(e, CURLOPT_PATH_AS_IS, 1L);
    curl_easy_setopt(e, CURLOPT_REQUEST_TARGET, target.c_str());
    curl_easy_setopt(e, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(e, CURLOPT_NOSIGNAL, 1L);
    // Direct unless a proxy was given: proxy settings of the environment are not ours to use.
    const std::string proxy = ViaProxy(r) ? "http://" + r.settings.proxy : std::string();
    curl_easy_setopt(e, CURLOPT_PROXY, proxy.c_str());
    curl_easy_setopt(e, CURLOPT_NOPROXY, "");
    curl_easy_setopt(e, CURLOPT_SUPPRESS_CONNECT_HEADERS, 1L);
    curl_easy_setopt(e, CURLOPT_CONNECT_TO, r.connectToList);
    curl_easy_setopt(e, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(r.timeouts.connectMs));
    curl_easy_setopt(e, CURLOPT_HTTPHEADER, r.headers);
    curl_easy_setopt(e, CURLOPT_USERAGENT,
                     r.settings.agent.empty() ? nullptr : r.settings.agent.c_str());
    // Once per handle: the engine stays on, and every call would queue another file.
    if (r.transfer.cookies && !r.transfer.cookieEngineOn) {
        curl_easy_setopt(e, CURLOPT_COOKIEFILE, "");
        r.transfer.cookieEngineOn = true;
    }
    SetMethod(r);
    curl_easy_setopt(e, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(e, CURLOPT_HEADERDATA, &r);
    curl_easy_setopt(e, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(e, CURLOPT_WRITEDATA, &r);
    curl_easy_setopt(e, CURLOPT_PREREQFUNCTION, OnConnected);
    curl_easy_setopt(e, CURLOPT_PREREQDATA, &r);
}

void StartHop(Request& r) {
    r.block.clear();
    r.headersDone = false;
    r.status = 0;
    r.discardBody = false;
    r.connected = false;
    r.done = r.failed = false;
    r.lastByteMs = NowMs();
    if (r.added) {
        curl_multi_remove_handle(r.transfer.multi, r.transfer.easy);
        r.added = false;
        // Every hop on a handle of its own (see curl_engine_linux.cpp).
        if (!RenewCurlEasy(r.transfer)) {
            r.done = r.failed = true;
            return;
        }
    }
    Configure(r, RequestTarget(r));
    r.added = curl_multi_add_handle(r.transfer.multi, r.transfer.easy) == CURLM_OK;
    if (!r.added) r.done = r.failed = true;
}

// One round of work on the transfer: whatever the network has, or, when it had nothing, a wait
// of at most a second. A round that brought something returns at once, so that a caller who
// now has what it waited for (the headers of a HEAD reply, the first bytes of a body that
// pauses) is not held up by a wait for more.
void Pump(Request& r) {
    const unsigned long long before = r.arrivals;
    int running = 0;
    curl_multi_perform(r.transfer.multi, &running);
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(r.transfer.multi, &left)) {
        if (message->msg != CURLMSG_DONE) continue;
        r.done = true;
        r.failed = message->data.result != CURLE_OK;
    }
    if (r.done || r.arrivals != before) return;
    const long long quiet = NowMs() - r.lastByteMs;
    if (r.connected && quiet >= r.timeouts.receiveMs) {
        r.done = r.failed = true;
        return;
    }
    long long wait = r.connected ? r.timeouts.receiveMs - quiet : kLongestPollMs;
    if (wait > kLongestPollMs) wait = kLongestPollMs;
    curl_multi_poll(r.transfer.multi, nullptr, 0, static_cast<int>(wait), nullptr);
}

bool IsRedirect(long status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

// Moves the request on to the redirect's target; false when this response is the final one.
bool FollowRedirect(Request& r, int& hops) {
    if ((r.flags & kFlagNoAutoRedirect) || !IsRedirect(r.status) || hops >= kMaxRedirects) {
        return false;
    }
    WebAddress next;
    const std::string location = HeaderIn(r.block, "Location");
    if (location.empty() || !ResolveLocation(r.address, location, next)) return false;
    // The redirect's own body is read and dropped, so that its connection can be used again.
    r.discardBody = true;
    while (!r.done) Pump(r);
    r.pending.clear();
    r.pendingAt = 0;
    if (r.status == 303 || ((r.status == 301 || r.status == 302) && r.verb == "POST")) {
        if (r.verb != "HEAD") r.verb = "GET";
        r.body.clear();
    }
    // Like WinINet, a redirected request leaves the caller's Content-Type line behind.
    curl_slist* kept = nullptr;
    for (curl_slist* item = r.headers; item; item = item->next) {
        const std::string line = item->data;
        if (StartsWithNoCase(line, "Content-Type") && line != "Content-Type:") continue;
        kept = curl_slist_append(kept, item->data);
    }
    curl_slist_free_all(r.headers);
    r.headers = kept;
    r.address = next;
    hops++;
    return true;
}

void CloseRequest(Request* r) {
    if (r->added) curl_multi_remove_handle(r->transfer.multi, r->transfer.easy);
    if (r->transfer.easy || r->transfer.multi) ReturnCurlTransfer(r->transfer);
    curl_slist_free_all(r->headers);
    curl_slist_free_all(r->connectToList);
    delete r;
}

template <typename T>
T* As(InternetHandle handle, Kind kind) {
    Handle* h = static_cast<Handle*>(handle);
    return h && h->kind == kind ? static_cast<T*>(h) : nullptr;
}

}  // namespace

InternetHandle OpenInternet(const char* agent, uint32_t accessType, const char* proxy, const char*,
                            uint32_t) {
    Internet* internet = new Internet;
    internet->agent = agent ? agent : "";
    if (accessType == kOpenTypeProxy && proxy && *proxy) {
        std::string text = proxy;
        if (StartsWithNoCase(text, "http=")) {
            internet->proxyHttpOnly = true;
            text.erase(0, 5);
        }
        if (StartsWithNoCase(text, "http://")) text.erase(0, 7);
        internet->proxy = text;
    }
    return internet;
}

InternetHandle ConnectInternet(InternetHandle internet, const char* host, int port, const char*,
                               const char*, uint32_t service, uint32_t) {
    Internet* parent = As<Internet>(internet, Kind::kInternet);
    if (!parent || !host || !*host || service != kServiceHttp || port < 0 || port > 65535) {
        return nullptr;
    }
    Connection* connection = new Connection;
    connection->settings = *parent;
    connection->host = host;
    connection->port = port;
    return connection;
}

InternetHandle OpenHttpRequest(InternetHandle connection, const char* verb, const char* objectName,
                               const char*, const char*, const char**, uint32_t flags) {
    Connection* parent = As<Connection>(connection, Kind::kConnection);
    if (!parent) return nullptr;
    Request* r = new Request;
    r->settings = parent->settings;
    r->address.secure = (flags & kFlagSecure) != 0;
    r->address.host = parent->host;
    // Port 0 stands for the scheme's default, as on Windows.
    r->address.port = parent->port ? parent->port : r->address.secure ? 443 : 80;
    r->address.target = objectName && *objectName ? objectName : "/";
    if (r->address.target[0] != '/') r->address.target = "/" + r->address.target;
    r->verb = verb && *verb ? verb : "GET";
    r->flags = flags;
    r->timeouts = CurrentTimeouts();
    // libcurl takes the first entry that fits, so the hosts of their own go ahead.
    for (const auto& entry : HostConnectOverrides()) {
        r->connectToList =
            curl_slist_append(r->connectToList, (entry.first + "::" + entry.second).c_str());
    }
    const std::string override = ConnectOverride();
    if (!override.empty()) {
        r->connectToList = curl_slist_append(r->connectToList, ("::" + override).c_str());
    }
    r->transfer = TakeCurlTransfer(!(flags & kFlagNoCookies));
    if (!r->transfer.easy) {
        CloseRequest(r);
        return nullptr;
    }
    return r;
}

bool SendHttpRequest(InternetHandle request, const char* headers, uint32_t headersLength,
                     const void* body, uint32_t bodyLength) {
    Request* r = As<Request>(request, Kind::kRequest);
    if (!r || r->added) return false;
    r->headers = HeaderList(headers, headersLength);
    if (body && bodyLength) r->body.assign(static_cast<const char*>(body), bodyLength);
    int hops = 0;
    do {
        StartHop(*r);
        while (!r->headersDone && !r->done) Pump(*r);
    } while (r->headersDone && FollowRedirect(*r, hops));
    if (!r->headersDone) {
        r->done = r->failed = true;
        return false;
    }
    if (r->verb == "HEAD") r->done = true;
    r->finalBlock = AsPlatformBlock(r->block);
    return true;
}

bool ReadInternetFile(InternetHandle request, void* buffer, uint32_t bytesToRead,
                      uint32_t* bytesRead) {
    Request* r = As<Request>(request, Kind::kRequest);
    *bytesRead = 0;
    if (!r || !r->added) return false;
    while (r->pendingAt == r->pending.size() && !r->done) Pump(*r);
    size_t n = r->pending.size() - r->pendingAt;
    if (n > bytesToRead) n = bytesToRead;
    std::memcpy(buffer, r->pending.data() + r->pendingAt, n);
    r->pendingAt += n;
    if (r->pendingAt == r->pending.size()) {
        r->pending.clear();
        r->pendingAt = 0;
    }
    *bytesRead = static_cast<uint32_t>(n);
    return n > 0 || !r->failed;
}

bool QueryHttpInfo(InternetHandle request, uint32_t infoLevel, void* buffer, uint32_t* bufferLength,
                   uint32_t*) {
    Request* r = As<Request>(request, Kind::kRequest);
    if (!r || infoLevel != kQueryRawHeadersCrlf || r->finalBlock.empty()) return false;
    const uint32_t needed = static_cast<uint32_t>(r->finalBlock.size()) + 1;
    if (!buffer || *bufferLength < needed) {
        *bufferLength = needed;
        return false;
    }
    std::memcpy(buffer, r->finalBlock.c_str(), needed);
    *bufferLength = needed - 1;
    return true;
}

bool CloseInternetHandle(InternetHandle handle) {
    Handle* h = static_cast<Handle*>(handle);
    if (!h) return false;
    if (h->kind == Kind::kRequest) {
        CloseRequest(static_cast<Request*>(h));
    } else {
        delete h;
    }
    return true;
}

}  // namespace platform
