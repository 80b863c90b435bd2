// The settings both internet layers read when they open a request.
#include <mutex>

#include "platform/internet.h"

namespace platform {
namespace {

std::mutex settingsMutex;
std::string connectOverride;
InternetTimeouts timeouts = kTimeouts;

}  // namespace

void SetConnectOverride(const std::string& address) {
    std::lock_guard<std::mutex> lock(settingsMutex);
    connectOverride = address;
}

std::string ConnectOverride() {
    std::lock_guard<std::mutex> lock(settingsMutex);
    return connectOverride;
}

void SetTimeoutsForTesting(InternetTimeouts value) {
    std::lock_guard<std::mutex> lock(settingsMutex);
    timeouts = value;
}

InternetTimeouts CurrentTimeouts() {
    std::lock_guard<std::mutex> lock(settingsMutex);
    return timeouts;
}

}  // namespace platform
