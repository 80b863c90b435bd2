// window_start_bench PROGRAM... : starts each program 20 times in turn, measuring the time
// from the start of the process to its first picture on the screen (the program prints
// "painted" then), and its peak resident memory. Needs DISPLAY (scripts/with-display.sh).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Run {
    double ms = -1;
    long peakKiB = 0;
};

Run StartOnce(const std::string& command) {
    int out[2];
    if (pipe(out) != 0) return Run();
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    Run run;
    char buffer[64];
    if (read(out[0], buffer, sizeof buffer) > 0) {
        run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count();
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakKiB = usage.ru_maxrss;
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    constexpr int kRuns = 20;
    std::vector<std::vector<Run>> runs(argc);
    for (int i = 0; i < kRuns; i++) {
        for (int p = 1; p < argc; p++) runs[p].push_back(StartOnce(argv[p]));
    }
    for (int p = 1; p < argc; p++) {
        std::vector<double> ms, rss;
        for (const Run& r : runs[p]) {
            ms.push_back(r.ms);
            rss.push_back(r.peakKiB / 1024.0);
        }
        std::printf("%-60s start to first paint %6.1f ms (median of %d), peak RSS %5.1f MiB\n",
                    argv[p], Median(ms), kRuns, Median(rss));
    }
    return 0;
}
