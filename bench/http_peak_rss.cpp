// Peak resident memory of a process after one WebRequest to an in-process loopback server.
//   http_peak_rss [CASE]   (default "ok"; "huge-body" fetches 100 MiB)
#include <sys/resource.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "http/web_request.h"
#include "server/recording_server.h"

int main(int argc, char** argv) {
    const std::string caseName = argc > 1 ? argv[1] : "ok";
    int port = 0;
    const int fd = OpenRecordingServer(port);
    std::atomic<bool> stop{false};
    RecordingServerOptions options;
    options.casesDir = QUENLOV_BENCH_CASES;
    options.stop = &stop;
    std::thread server([&] { RunRecordingServer(fd, port, options); });

    const Bytes body = WebRequest("http://127.0.0.1:" + std::to_string(port) + "/" + caseName);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("case %s: body %zu bytes, peak RSS %.1f MB\n", caseName.c_str(), body.size(),
                usage.ru_maxrss / 1024.0);
    stop = true;
    server.join();
    return body.empty() ? 1 : 0;
}
