// quenlov-soak [SHORTENINGS]: many shortenings in one process (10,000 unless told), through the
// simulator on loopback, every service in turn and a fault every few requests: a verification
// page, an empty 200, a 500, a reply cut off, a reset, a close without a word, a redirect to a
// port where nothing listens, now and then a silent server. The same round of cases is played
// again and again, so every round must give the first round's results.
//
// Reports resident memory after a warm-up and at the end (growth must stay within 1 MiB), open
// file descriptors and threads before, during and after (none may be left behind), and the run
// time. Exits 1 when a check fails. Linux only: it reads /proc/self.
#include <dirent.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/internet.h"
#include "platform/tcp.h"
#include "services/catalogue.h"
#include "services/dispatch.h"
#include "services/session_cookies.h"
#include "simulator/simulator_server.h"

namespace {

enum class Fault {
    kNone,
    kPage,
    kEmpty200,
    kStatus500,
    kCutOff,
    kReset,
    kUnanswered,
    kNowhere,
    kSilent
};

const char kNowhere[] = "nowhere.example";

struct Case {
    int service;
    Text longUrl;
    Fault fault;
};

// One round: every service with a dozen good requests and each fault once (a silent server
// only for two services, as it costs two waits for the receive limit).
std::vector<Case> Round() {
    const Fault faults[] = {Fault::kPage,  Fault::kEmpty200,   Fault::kStatus500, Fault::kCutOff,
                            Fault::kReset, Fault::kUnanswered, Fault::kNowhere};
    std::vector<Case> round;
    for (const Service& service : kServices) {
        for (int v = 0; v < 12; v++) {
            Text address =
                "http://example.com/soak/" + std::to_string(v) + "?s=" + std::to_string(service.id);
            if (v % 4 == 3) address += "&q=\xD6\xD0\xCE\xC4";  // 中文
            round.push_back({service.id, address, Fault::kNone});
        }
        for (Fault fault : faults) round.push_back({service.id, "http://example.com/f", fault});
        if (service.id == 1 || service.id == 7) {
            round.push_back({service.id, "http://example.com/s", Fault::kSilent});
        }
    }
    return round;
}

std::atomic<Fault> currentFault{Fault::kNone};

SimAnswer Answer(ServiceSimulator& simulator, const SimRequest& request) {
    using Then = SimAnswer::Then;
    const Bytes good = SerializeReply(simulator.Answer(request), request.method == "HEAD");
    switch (currentFault.load()) {
        case Fault::kNone:
            return {good};
        case Fault::kPage:
            return {SerializeReply({200, {}, kVerificationPageUtf8}, false)};
        case Fault::kEmpty200:
            return {SerializeReply({200, {}, ""}, false)};
        case Fault::kStatus500:
            return {SerializeReply({500, {}, "<html>server error</html>"}, false)};
        case Fault::kCutOff:
            return {good.substr(0, good.size() - 5), Then::kClose};
        case Fault::kReset:
            return {"", Then::kReset};
        case Fault::kUnanswered:
            return {"", Then::kClose};
        case Fault::kNowhere:
            return {"HTTP/1.1 302 Found\r\nLocation: http://" + std::string(kNowhere) +
                    "/x\r\nContent-Length: 0\r\n\r\n"};
        case Fault::kSilent:
            return {"", Then::kSilent};
    }
    return {good};
}

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, 6, "VmRSS:") == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

int Entries(const char* directory) {
    DIR* dir = opendir(directory);
    if (!dir) return -1;
    int count = 0;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] != '.') count++;
    }
    closedir(dir);
    return count - (std::string(directory) == "/proc/self/fd" ? 1 : 0);  // the one opendir holds
}

struct Snapshot {
    long rssKiB;
    int fds;
    int threads;
};

Snapshot Take() {
    return {ResidentKiB(), Entries("/proc/self/fd"), Entries("/proc/self/task")};
}

void Print(const char* when, const Snapshot& s) {
    std::printf("%-24s rss %7ld KiB   fds %3d   threads %3d\n", when, s.rssKiB, s.fds, s.threads);
}

}  // namespace

int main(int argc, char** argv) {
    const long total = argc > 1 ? std::atol(argv[1]) : 10000;
    const std::vector<Case> round = Round();
    const long warmUp = static_cast<long>(round.size()) * 2;
    if (total < warmUp + static_cast<long>(round.size())) {
        std::fprintf(stderr, "quenlov-soak: at least %zu shortenings\n", round.size() * 3);
        return 64;
    }

    const Snapshot start = Take();
    ServiceSimulator simulator;
    SimulatorServer server(
        [&simulator](const SimRequest& request) { return Answer(simulator, request); });
    if (!server.Start()) return 1;
    int nowherePort = 0;
    platform::CloseSocket(platform::ListenOnLoopback(0, &nowherePort));
    platform::SetConnectOverride("127.0.0.1:" + std::to_string(server.Port()));
    platform::SetHostConnectOverride(kNowhere, "127.0.0.1:" + std::to_string(nowherePort));
    platform::SetTimeoutsForTesting({2000, 200});
    FetchSessionCookies();
    const Snapshot before = Take();

    std::vector<Text> first(round.size());
    long mismatches = 0, empty = 0;
    Snapshot warm{};
    const auto began = std::chrono::steady_clock::now();
    for (long i = 0; i < total; i++) {
        const size_t k = static_cast<size_t>(i) % round.size();
        currentFault = round[k].fault;
        const Text result = ShortenAddressWithService(round[k].service, round[k].longUrl);
        if (result.empty()) empty++;
        if (static_cast<size_t>(i) < round.size()) {
            first[k] = result;
        } else if (result != first[k]) {
            if (mismatches++ < 5) {
                std::printf("different from the first round: case %zu, service %d\n", k,
                            round[k].service);
            }
        }
        if (i + 1 == warmUp) warm = Take();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    const Snapshot end = Take();
    platform::SetConnectOverride(std::string());
    platform::SetHostConnectOverride(kNowhere, std::string());
    server.Stop();
    const Snapshot stopped = Take();

    std::printf("%ld shortenings in %.1f s (%.0f a second), rounds of %zu cases, %ld empty\n",
                total, seconds, total / seconds, round.size(), empty);
    Print("at start", start);
    Print("server up, before", before);
    Print("after warm-up", warm);
    Print("at the end", end);
    Print("server stopped", stopped);
    const long growth = end.rssKiB - warm.rssKiB;
    std::printf("rss growth after warm-up: %ld KiB; results different from round 1: %ld\n", growth,
                mismatches);

    bool ok = true;
    if (growth > 1024) ok = false, std::printf("FAILED: resident memory grew by over 1 MiB\n");
    if (end.fds > warm.fds || end.threads > warm.threads) {
        ok = false;
        std::printf("FAILED: descriptors or threads piled up\n");
    }
    if (stopped.threads != start.threads) {
        ok = false;
        std::printf("FAILED: threads left behind after the server stopped\n");
    }
    if (mismatches) ok = false, std::printf("FAILED: results changed from round to round\n");
    std::printf(ok ? "soak: ok\n" : "soak: FAILED\n");
    return ok ? 0 : 1;
}
