// Each adapter's reading of a reply, through the real adapters and the real internet layer:
// a loopback server in this process answers every request with the input. The first byte picks
// the service and whether the rest is a 200 reply's body or the whole reply as sent (status
// line and headers included, connection closed after it).
#include <fuzzer/FuzzedDataProvider.h>

#include <mutex>

#include "check.h"
#include "platform/internet.h"
#include "services/adapters.h"
#include "services/catalogue.h"
#include "services/dispatch.h"
#include "services/session_cookies.h"
#include "simulator/simulator_server.h"
#include "text/encoding.h"
#include "text/replace_pairs.h"

namespace {

std::mutex replyMutex;
SimAnswer reply;

SimulatorServer& Server() {
    static SimulatorServer* server = [] {
        auto* made = new SimulatorServer([](const SimRequest&) {
            std::lock_guard<std::mutex> lock(replyMutex);
            return reply;
        });
        made->Start(0, 24 * 60 * 60 * 1000);
        platform::SetConnectOverride("127.0.0.1:" + std::to_string(made->Port()));
        // A reply that stops short is waited for only briefly.
        platform::SetTimeoutsForTesting({2000, 500});
        return made;
    }();
    return *server;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Server();
    FuzzedDataProvider in(data, size);
    const int serviceId = in.ConsumeIntegralInRange<int>(1, kServiceCount);
    const bool whole = in.ConsumeBool();
    const Bytes bytes = in.ConsumeRemainingBytesAsString();
    {
        std::lock_guard<std::mutex> lock(replyMutex);
        if (whole) {
            reply = {bytes, SimAnswer::Then::kClose};
        } else {
            reply = {"HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(bytes.size()) +
                         "\r\n\r\n" + bytes,
                     SimAnswer::Then::kKeepOpen};
        }
    }
    ReplaceSessionCookies("QLSID=1");
    const Text result = ShortenAddressWithService(serviceId, "http://example.com/a?b=1");
    FUZZ_CHECK(result.find('\0') == Text::npos);
    // The aggregator's adapter always has something to say: a short address, the aggregator's
    // own message or ours.
    if (ServiceById(serviceId)->family == ServiceFamily::kAggregator) FUZZ_CHECK(!result.empty());

    // A body that arrives whole is what the services that take their reply whole show.
    if (!whole) {
        switch (ServiceById(serviceId)->family) {
            case ServiceFamily::kToolPage:
                FUZZ_CHECK(result == AsText(bytes));
                break;
            case ServiceFamily::kPlainApi:
                FUZZ_CHECK(result == ReplacePairs(Utf8ToText(bytes), "?", ""));
                break;
            default:
                break;
        }
    }
    return 0;
}
