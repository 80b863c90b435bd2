#include "services/dispatch.h"

#include <mutex>

#include "services/adapters.h"
#include "services/catalogue.h"

namespace {

std::mutex sourceMutex;
std::function<Text()> longUrlSource;

Text ReadLongUrl() {
    std::function<Text()> source;
    {
        std::lock_guard<std::mutex> lock(sourceMutex);
        source = longUrlSource;
    }
    return source ? source() : Text();
}

}  // namespace

void SetLongUrlSource(std::function<Text()> source) {
    std::lock_guard<std::mutex> lock(sourceMutex);
    longUrlSource = std::move(source);
}

Text ShortenAddressWithService(int serviceId, const Text& longUrl) {
    const Service* service = ServiceById(serviceId >= 1 && serviceId <= 11 ? serviceId : 12);
    switch (service->family) {
        case ServiceFamily::kToolPage:
            return ShortenViaToolPage(longUrl);
        case ServiceFamily::kAggregator:
            return ShortenViaAggregator(longUrl, service->site);
        case ServiceFamily::kHtmlPage:
            return ShortenViaHtmlPage(longUrl);
        case ServiceFamily::kPlainApi:
            return ShortenViaPlainApi(longUrl, service->host);
        case ServiceFamily::kJsonApi:
            return ShortenViaJsonApi(longUrl);
    }
    return Text();
}

Text ShortenWithService(int serviceId) {
    return ShortenAddressWithService(serviceId, ReadLongUrl());
}
