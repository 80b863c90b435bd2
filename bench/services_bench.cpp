// Shortenings in one process through the simulator on loopback: the plain API (service 5) and
// the aggregator (service 2), real HTTP and real pattern matching each time.
#include <benchmark/benchmark.h>

#include "platform/internet.h"
#include "services/dispatch.h"
#include "services/session_cookies.h"
#include "simulator/simulator_server.h"

namespace {

void Shorten(benchmark::State& state, int service) {
    SimulatorServer simulator;
    simulator.Start();
    platform::SetConnectOverride("127.0.0.1:" + std::to_string(simulator.Port()));
    FetchSessionCookies();
    int i = 0;
    for (auto _ : state) {
        Text result =
            ShortenAddressWithService(service, "http://example.com/page/" + std::to_string(i++));
        if (result.rfind("http://", 0) != 0) state.SkipWithError("no short address");
        benchmark::DoNotOptimize(result);
    }
    platform::SetConnectOverride(std::string());
}

void BM_PlainApi(benchmark::State& state) { Shorten(state, 5); }
void BM_Aggregator(benchmark::State& state) { Shorten(state, 2); }

}  // namespace

BENCHMARK(BM_PlainApi)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Aggregator)->Iterations(1000)->Unit(benchmark::kMicrosecond);
