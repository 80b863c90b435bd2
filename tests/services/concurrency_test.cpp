// The services' threads as the program runs them: the start-up cookie fetch and several generate
// workers at once (a superseded worker is not waited for, so workers overlap), all through the
// simulator on loopback. Run under ThreadSanitizer this is where a race would show.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "services/adapters.h"
#include "services/catalogue.h"
#include "services/dispatch.h"
#include "services/session_cookies.h"
#include "support/scripted_server.h"

namespace {

TEST(ServicesConcurrency, WorkersAndTheCookieFetchAtOnce) {
    SimulatedServices services;
    ReplaceSessionCookies(Text());
    SetLongUrlSource([] { return Text("http://example.com/typed"); });
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    threads.emplace_back([] {
        for (int i = 0; i < 4; i++) FetchSessionCookies();
    });
    for (int worker = 0; worker < 4; worker++) {
        threads.emplace_back([worker, &wrong] {
            for (int i = 0; i < 12; i++) {
                const Service& service = kServices[(worker * 5 + i) % kServiceCount];
                const Text result =
                    i == 0 ? ShortenWithService(service.id)
                           : ShortenAddressWithService(service.id, "http://example.com/" +
                                                                       std::to_string(worker) +
                                                                       "/" + std::to_string(i));
                const bool shortened =
                    result.rfind("http://" + Text(service.caption) + "/", 0) == 0;
                // Before the fetch has brought the cookie, the aggregator turns requests away.
                const bool turnedAway =
                    service.family == ServiceFamily::kAggregator && result == kAggregatorMessage;
                if (!shortened && !turnedAway) wrong++;
            }
        });
    }
    for (std::thread& t : threads) t.join();
    SetLongUrlSource(nullptr);
    EXPECT_EQ(wrong, 0);
    EXPECT_NE(ReadSessionCookies(), "");
}

}  // namespace
