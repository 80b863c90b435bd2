#include "platform/curl_engine_linux.h"

#include <mutex>
#include <vector>

namespace platform {
namespace {

constexpr size_t kMaxIdleTransfers = 8;

struct Engine {
    CURLSH* share = nullptr;
    std::mutex locks[CURL_LOCK_DATA_LAST];
    std::mutex poolMutex;
    std::vector<CurlTransfer> idle;
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

}  // namespace

CurlTransfer TakeCurlTransfer(bool cookies) {
    Engine& engine = TheEngine();
    CurlTransfer transfer;
    {
        std::lock_guard<std::mutex> lock(engine.poolMutex);
        for (size_t i = engine.idle.size(); i-- > 0;) {
            if (engine.idle[i].cookies != cookies) continue;
            transfer = engine.idle[i];
            engine.idle.erase(engine.idle.begin() + static_cast<long>(i));
            break;
        }
    }
    // A recycled handle is not reset (libcurl 7.88 would drop its cookie-engine file list
    // unfreed): every request sets each option it uses.
    if (!transfer.easy) {
        transfer.easy = curl_easy_init();
        transfer.multi = curl_multi_init();
        transfer.cookies = cookies;
        if (!transfer.easy || !transfer.multi) {
            if (transfer.easy) curl_easy_cleanup(transfer.easy);
            if (transfer.multi) curl_multi_cleanup(transfer.multi);
            return CurlTransfer();
        }
        curl_easy_setopt(transfer.easy, CURLOPT_SHARE, engine.share);
    }
    return transfer;
}

void ReturnCurlTransfer(CurlTransfer transfer) {
    Engine& engine = TheEngine();
    {
        std::lock_guard<std::mutex> lock(engine.poolMutex);
        if (engine.idle.size() < kMaxIdleTransfers) {
            engine.idle.push_back(transfer);
            return;
        }
    }
    curl_easy_cleanup(transfer.easy);
    curl_multi_cleanup(transfer.multi);
}

}  // namespace platform
