// Sequential GETs to a loopback server: WebRequest as the program uses it, beside a bare libcurl
// loop that reuses one handle (the floor on this machine). Both in the same run, against the
// same in-process server replaying tests/data/http/ok.case.
#include <benchmark/benchmark.h>
#include <curl/curl.h>

#include <atomic>
#include <string>
#include <thread>

#include "http/web_request.h"
#include "server/recording_server.h"

namespace {

struct Server {
    Server() {
        const int fd = OpenRecordingServer(port);
        RecordingServerOptions options;
        options.casesDir = QUENLOV_BENCH_CASES;
        options.stop = &stop;
        thread = std::thread([fd, this, options] { RunRecordingServer(fd, port, options); });
    }
    ~Server() {
        stop = true;
        thread.join();
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port) + "/ok"; }
    int port = 0;
    std::atomic<bool> stop{false};
    std::thread thread;
};

Server& TheServer() {
    static Server server;
    return server;
}

void WebRequestGet(benchmark::State& state) {
    const std::string url = TheServer().Url();
    for (auto _ : state) {
        Bytes body = WebRequest(url);
        if (body != "hello") state.SkipWithError("unexpected reply");
        benchmark::DoNotOptimize(body);
    }
}

size_t Discard(char*, size_t size, size_t count, void*) {
    return size * count;
}

void CurlReusedHandle(benchmark::State& state) {
    const std::string url = TheServer().Url();
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROXY, "");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Discard);
    for (auto _ : state) {
        if (curl_easy_perform(curl) != CURLE_OK) state.SkipWithError("request failed");
    }
    curl_easy_cleanup(curl);
}

}  // namespace

BENCHMARK(CurlReusedHandle)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(WebRequestGet)->Iterations(1000)->Unit(benchmark::kMicrosecond);
