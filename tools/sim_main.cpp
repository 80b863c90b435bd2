// quenlov-sim [--port N] [--idle-exit SECONDS]: the service simulator as a program of its own.
// It prints the port it listens on, then serves until no request has come for the idle time.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "simulator/simulator_server.h"

int main(int argc, char** argv) {
    int port = 0, idleSeconds = 600;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--port") == 0 && i + 1 < argc) {
            port = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--idle-exit") == 0 && i + 1 < argc) {
            idleSeconds = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "usage: quenlov-sim [--port N] [--idle-exit SECONDS]\n");
            return 64;
        }
    }
    SimulatorServer server;
    if (!server.Start(port, idleSeconds * 1000)) {
        std::fprintf(stderr, "quenlov-sim: cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    std::printf("%d\n", server.Port());
    std::fflush(stdout);
    server.Wait();
    return 0;
}
