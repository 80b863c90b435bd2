// quenlov-test-server: the recording HTTP server as a program of its own, shared by the tests of
// every target (the Windows tests reach it from Wine over loopback).
//
//   quenlov-test-server CASES_DIR STATE_DIR [IDLE_SECONDS]
//
// Writes STATE_DIR/port ("PORT UNUSED_PORT" LF, the second a loopback port nobody listens on)
// once it listens, records requests under STATE_DIR/logs, and exits after IDLE_SECONDS
// without traffic.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "server/recording_server.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s CASES_DIR STATE_DIR [IDLE_SECONDS]\n", argv[0]);
        return 64;
    }
    RecordingServerOptions options;
    options.casesDir = argv[1];
    const std::string state = argv[2];
    options.logDir = state + "/logs";
    if (argc > 3) options.idleSeconds = std::atoi(argv[3]);
    mkdir(state.c_str(), 0755);
    mkdir(options.logDir.c_str(), 0755);

    int port = 0;
    int listenSocket = OpenRecordingServer(port);
    if (listenSocket < 0) return 1;
    const std::string portFile = state + "/port";
    const std::string partial = portFile + ".new";
    std::FILE* file = std::fopen(partial.c_str(), "w");
    if (!file) return 1;
    std::fprintf(file, "%d %d\n", port, UnusedLoopbackPort());
    std::fclose(file);
    std::rename(partial.c_str(), portFile.c_str());

    RunRecordingServer(listenSocket, port, options);
    std::remove(portFile.c_str());
    return 0;
}
