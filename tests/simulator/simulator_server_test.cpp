// The loopback server under the simulator and the scripted replies, as a long-running program
// (quenlov-sim, the soak) uses it: many short connections one after the other.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "http/web_request.h"
#include "simulator/simulator_server.h"

namespace {

TEST(SimulatorServer, EndedConnectionsDoNotPileUp) {
    SimulatorServer server([](const SimRequest&) {
        return SimAnswer{"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok", SimAnswer::Then::kClose};
    });
    ASSERT_TRUE(server.Start());
    const Text url = "http://127.0.0.1:" + std::to_string(server.Port()) + "/";
    for (int i = 0; i < 40; i++) ASSERT_EQ(WebRequest(url + std::to_string(i)), "ok");
    // The server joins ended connections as it goes; give it a few of its rounds to do so.
    for (int wait = 0; wait < 50 && server.ConnectionThreads() > 0; wait++) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(server.ConnectionThreads(), 0u);
    EXPECT_EQ(server.RequestCount(), 40);
}

}  // namespace
