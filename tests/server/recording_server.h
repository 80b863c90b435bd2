// A loopback HTTP server that plays back scripted replies byte for byte and records the exact
// bytes of every request it receives.
//
// The first segment of a request's path names the case file (tests/data/http/NAME.case) whose
// reply is played; the second segment, when present, is the request's token. Every request is
// appended, before its reply is played, to LOGDIR/TOKEN.log as
//   "@@ connection ID length N" LF, the N request bytes, LF
// so that a test reads back what its calls sent, and on which connection. An absolute-form
// target (as a proxy receives it) is looked up by its path the same way.
#pragma once

#include <atomic>
#include <string>

struct RecordingServerOptions {
    std::string casesDir;
    std::string logDir;                 // empty: nothing is recorded
    int idleSeconds = 120;              // ends after this long without any traffic
    std::atomic<bool>* stop = nullptr;  // or when this turns true
};

// A socket listening on 127.0.0.1 at a port the OS picks, and that port; -1 on failure.
int OpenRecordingServer(int& port);

// Serves connections on `listenSocket` until the server has been idle or is told to stop.
void RunRecordingServer(int listenSocket, int port, const RecordingServerOptions& options);

// A loopback port nobody listens on (bound, then released again).
int UnusedLoopbackPort();
