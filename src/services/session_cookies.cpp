#include "services/session_cookies.h"

#include <mutex>

#include "http/web_request.h"
#include "services/catalogue.h"

namespace {

struct SharedCookies {
    std::mutex mutex;
    Text text;
    bool released = false;
};

// Never destroyed: threads still running while the process ends may call in.
SharedCookies& Shared() {
    static SharedCookies* shared = new SharedCookies;
    return *shared;
}

}  // namespace

Text ReadSessionCookies() {
    SharedCookies& s = Shared();
    std::lock_guard<std::mutex> lock(s.mutex);
    return s.text;
}

void ReplaceSessionCookies(const Text& cookies) {
    SharedCookies& s = Shared();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (!s.released) s.text = cookies;
}

void ReleaseSessionCookies() {
    SharedCookies& s = Shared();
    std::lock_guard<std::mutex> lock(s.mutex);
    Text().swap(s.text);
    s.released = true;
}

bool FetchSessionCookies() {
    const Text before = ReadSessionCookies();
    Text cookies = before;
    WebRequest("http://" + Text(kAggregatorHost) + "/index.php", 0, Text(), nullptr, &cookies);
    if (cookies != before) ReplaceSessionCookies(cookies);
    return !ReadSessionCookies().empty();
}
