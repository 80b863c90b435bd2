// quenlov-demo: the window program, with every service played by a simulator inside the
// process, so that it runs without a network.
//   --hold        the simulator takes every request and never answers
//   --no-cookies  the aggregator's start page sets no cookie, so the program asks again
//   --trace FILE  writes every change of the window's controls to FILE
//   --layout FILE writes where the toolkit has put every control, once the window is shown
//   --exit-on-paint  prints "painted" and ends once the window's first picture is on the
//                 screen (for measuring start-up)
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>

#include "platform/internet.h"
#include "platform/window.h"
#include "simulator/simulator_server.h"
#include "window/program.h"
#include "window/window_trace.h"

namespace {

struct DemoOptions {
    bool hold = false;
    bool noCookies = false;
    const char* trace = nullptr;
    const char* layout = nullptr;
    bool exitOnPaint = false;
};

bool ParseDemoOptions(int argc, char** argv, DemoOptions& options) {
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--hold") == 0) {
            options.hold = true;
        } else if (std::strcmp(argv[i], "--no-cookies") == 0) {
            options.noCookies = true;
        } else if (std::strcmp(argv[i], "--exit-on-paint") == 0) {
            options.exitOnPaint = true;
        } else if (std::strcmp(argv[i], "--trace") == 0 && i + 1 < argc) {
            options.trace = argv[++i];
        } else if (std::strcmp(argv[i], "--layout") == 0 && i + 1 < argc) {
            options.layout = argv[++i];
        } else {
            return false;
        }
    }
    return true;
}

void SayPaintedAndEnd() {
    std::printf("painted\n");
    platform::EndProcessNow(0);
}

Bytes NeverAnswer(const SimRequest&) {
    static std::mutex mutex;
    static std::condition_variable never;
    std::unique_lock<std::mutex> lock(mutex);
    never.wait(lock, [] { return false; });
    return Bytes();
}

Bytes AnswerWithoutCookies(const SimRequest& request) {
    static ServiceSimulator* simulator = new ServiceSimulator;
    if (request.target.rfind("/index.php", 0) == 0) {
        return SerializeReply(SimReply{200, {}, "<html></html>"}, request.method == "HEAD");
    }
    return SerializeReply(simulator->Answer(request), request.method == "HEAD");
}

SimulatorServer* MakeSimulator(const DemoOptions& options) {
    if (options.hold) return new SimulatorServer(NeverAnswer);
    if (options.noCookies) return new SimulatorServer(AnswerWithoutCookies);
    return new SimulatorServer;
}

}  // namespace

int main(int argc, char** argv) {
    DemoOptions options;
    if (!ParseDemoOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: quenlov-demo [--hold | --no-cookies] [--trace FILE] [--layout FILE] "
                     "[--exit-on-paint]\n");
        return 64;
    }
    // Never destroyed: the process ends without waiting for the threads that serve it.
    SimulatorServer* simulator = MakeSimulator(options);
    if (!simulator->Start()) {
        std::fprintf(stderr, "quenlov-demo: the simulator cannot listen on loopback\n");
        return 1;
    }
    platform::SetConnectOverride("127.0.0.1:" + std::to_string(simulator->Port()));

    WindowProgramHooks hooks;
    if (options.trace) {
        std::FILE* trace = std::fopen(options.trace, "w");
        if (!trace) return 1;
        hooks.wrapWindow = [trace](WindowPort* window) { return new TracedWindow(window, trace); };
    }
    if (options.exitOnPaint) platform::WhenFirstPainted(SayPaintedAndEnd);
    if (options.layout) {
        const char* path = options.layout;
        hooks.shown = [path] {
            if (std::FILE* out = std::fopen(path, "w")) {
                WriteLayoutReport(out);
                std::fclose(out);
            }
        };
    }
    if (RunWindowProgram(hooks) != 0) {
        std::fprintf(stderr, "quenlov-demo: no display to open the window on\n");
        return 1;
    }
    return 0;
}
