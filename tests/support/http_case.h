// A scripted HTTP exchange, read from a case file under tests/data/http.
//
// A case file is readable text. Lines before the first section, starting with "#", say what the
// case is for. "@reply" opens the steps the server plays back for one request; "@request" opens
// the request the client is expected to send. In both sections a plain line stands for its bytes
// followed by CR LF, and a line starting with "@" is a step:
//   @text T          the bytes of T, no line end
//   @hex 41 00 42    the bytes written in hex
//   @fill N HH       N bytes of value HH (N may be "forever": until the client goes away)
//   @trickle MS T    the bytes of T one at a time, MS milliseconds before each
//   @sleep MS        a pause
//   @silent MS       say nothing for MS milliseconds (or until the client closes), then close
//   @close           close the connection (otherwise it stays open for the next request)
//   @reset           abort the connection with a TCP reset
// In sent bytes, %TOKEN% stands for the request's token and %PORT% for the server's port.
#pragma once

#include <string>
#include <vector>

struct HttpStep {
    enum Kind { kSend, kFill, kTrickle, kSleep, kSilent, kClose, kReset };
    Kind kind = kSend;
    std::string bytes;     // kSend, kTrickle; one byte for kFill
    long long count = 0;   // kFill: how many bytes, -1 for ever
    int milliseconds = 0;  // kTrickle, kSleep, kSilent
};

struct HttpCase {
    std::vector<HttpStep> reply;
    std::string request;  // the expected request bytes, placeholders unreplaced
    bool valid = false;   // false when the file could not be read or has no reply
};

HttpCase ParseHttpCase(const std::string& fileText);

// Every %TOKEN% and %PORT% replaced.
std::string FillPlaceholders(const std::string& bytes, const std::string& token, int port);
