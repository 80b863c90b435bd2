// The settings both internet layers read when they open a request.
#include <mutex>

#include "platform/internet.h"

namespace platform {
namespace {

std::mutex settingsMutex;
std::string connectOverride;
std::vector<std::pair<std::string, std::string>> hostOverrides;
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

void SetHostConnectOverride(const std::string& host, const std::string& address) {
    std::lock_guard<std::mutex> lock(settingsMutex);
    for (auto it = hostOverrides.begin(); it != hostOverrides.end(); ++it) {
        if (it->first == host) {
            hostOverrides.erase(it);
            break;
        }
    }
    if (!address.empty()) hostOverrides.emplace_back(host, address);
}

std::vector<std::pair<std::string, std::string>> HostConnectOverrides() {
    std::lock_guard<std::mutex> lock(settingsMutex);
    return hostOverrides;
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
