#include "platform/curl_engine_linux.h"

#include <mutex>
#include <vector>

namespace platform {
namespace {

constexpr size_t kMaxIdleMultis = 8;

struct Engine {
    CURLSH* share = nullptr;
    std::mutex locks[CURL_LOCK_DATA_LAST];
    std::mutex poolMutex;
    std::vector<CURLM*> idleMultis;
};

void Lock(CURL*, curl_lock_data data, curl_lock_access, void* user) {
    static_cast<Engine*>(user)->locks[data].lock();
}

void Unlock(CURL*, curl_lock_data data, void* user) {
    static_cast<Engine*>(user)->locks[data].unlock();
}

// Made once and kept until the process ends (threads that are never waited for may still be
// using it while static objects are destroyed).
Engine& TheEngine() {
    static Engine* engine = [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        Engine* made = new Engine;
        made->share = curl_share_init();
        curl_share_setopt(made->share, CURLSHOPT_LOCKFUNC, Lock);
        curl_share_setopt(made->share, CURLSHOPT_UNLOCKFUNC, Unlock);
        curl_share_setopt(made->share, CURLSHOPT_USERDATA, made);
        for (curl_lock_data data : {CURL_LOCK_DATA_COOKIE, CURL_LOCK_DATA_DNS,
                                    CURL_LOCK_DATA_SSL_SESSION, CURL_LOCK_DATA_CONNECT}) {
            curl_share_setopt(made->share, CURLSHOPT_SHARE, data);
        }
        return made;
    }();
    return *engine;
}

// An easy handle serves one transfer only. libcurl 7.88 keeps a pointer to the last header line
// of a handle's previous transfer after freeing it, and folds a reply's first header line, when
// that begins with a blank, into it: a use after free that any server can set off. Fresh
// handles cost little, as connections, cookies and names live in the share; multi handles,
// which keep nothing of a transfer, are recycled.
CURL* NewEasyHandle(Engine& engine) {
    CURL* easy = curl_easy_init();
    if (easy) curl_easy_setopt(easy, CURLOPT_SHARE, engine.share);
    return easy;
}

}  // namespace

CurlTransfer TakeCurlTransfer(bool cookies) {
    Engine& engine = TheEngine();
    CurlTransfer transfer;
    transfer.cookies = cookies;
    {
        std::lock_guard<std::mutex> lock(engine.poolMutex);
        if (!engine.idleMultis.empty()) {
            transfer.multi = engine.idleMultis.back();
            engine.idleMultis.pop_back();
        }
    }
    if (!transfer.multi) transfer.multi = curl_multi_init();
    transfer.easy = NewEasyHandle(engine);
    if (!transfer.easy || !transfer.multi) {
        if (transfer.easy) curl_easy_cleanup(transfer.easy);
        if (transfer.multi) curl_multi_cleanup(transfer.multi);
        return CurlTransfer();
    }
    return transfer;
}

bool RenewCurlEasy(CurlTransfer& transfer) {
    if (transfer.easy) curl_easy_cleanup(transfer.easy);
    transfer.easy = NewEasyHandle(TheEngine());
    transfer.cookieEngineOn = false;
    return transfer.easy != nullptr;
}

void ReturnCurlTransfer(CurlTransfer transfer) {
    Engine& engine = TheEngine();
    if (transfer.easy) curl_easy_cleanup(transfer.easy);
    if (!transfer.multi) return;
    {
        std::lock_guard<std::mutex> lock(engine.poolMutex);
        if (engine.idleMultis.size() < kMaxIdleMultis) {
            engine.idleMultis.push_back(transfer.multi);
            return;
        }
    }
    curl_multi_cleanup(transfer.multi);
}

}  // namespace platform
