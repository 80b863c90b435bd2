#include "support/staged_services.h"

#include "platform/internet.h"

StagedServices::StagedServices()
    : server_([this](const SimRequest& request) { return Reply(request); }) {
    server_.Start(0, 60000);
    platform::SetConnectOverride("127.0.0.1:" + std::to_string(server_.Port()));
}

StagedServices::~StagedServices() {
    ReleaseStartPage();
    ReleaseHeld();
    platform::SetConnectOverride(std::string());
    server_.Stop();
}

void StagedServices::HoldStartPage() {
    std::lock_guard<std::mutex> lock(mutex_);
    startPageHeld_ = true;
}

void StagedServices::ReleaseStartPage() {
    std::lock_guard<std::mutex> lock(mutex_);
    startPageHeld_ = false;
    changed_.notify_all();
}

void StagedServices::RefuseCookies(int count) {
    std::lock_guard<std::mutex> lock(mutex_);
    cookiesToRefuse_ = count;
}

void StagedServices::ReleaseHeld() {
    std::lock_guard<std::mutex> lock(mutex_);
    addressesHeld_ = false;
    changed_.notify_all();
}

void StagedServices::WaitWhile(const bool& held) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&held] { return !held; });
}

Bytes StagedServices::Reply(const SimRequest& request) {
    if (request.target.rfind("/index.php", 0) == 0) {
        startPages_++;
        WaitWhile(startPageHeld_);
        std::lock_guard<std::mutex> lock(mutex_);
        if (cookiesToRefuse_ > 0) {
            cookiesToRefuse_--;
            return SerializeReply(SimReply{200, {}, "<html>busy</html>"}, false);
        }
    }
    if (request.target.find("hold") != Text::npos) {
        heldSeen_++;
        WaitWhile(addressesHeld_);
    }
    if (request.target.find("empty") != Text::npos) {
        return SerializeReply(SimReply{200, {}, Bytes()}, false);
    }
    return SerializeReply(simulator_.Answer(request), request.method == "HEAD");
}
