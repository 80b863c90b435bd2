// What a test needs to talk to the recording test server that the test run started.
#pragma once

#include <string>
#include <vector>

#include "support/http_case.h"

// The server's port, and a loopback port where nothing listens; 0 when the server is not there.
int TestServerPort();
int UnusedPort();

// A token no other request of this run carries; `label` makes the logs readable.
std::string NewToken(const std::string& label);

// "http://127.0.0.1:PORT/CASE/TOKEN" followed by `rest`.
std::string CaseUrl(const std::string& caseName, const std::string& token,
                    const std::string& rest = std::string());

struct RecordedRequest {
    int connection = 0;
    std::string bytes;
};

// Every request the server received with `token`, in order.
std::vector<RecordedRequest> RecordedRequests(const std::string& token);

// The case file tests/data/http/NAME.case.
HttpCase LoadCase(const std::string& name);

// A request taken apart for comparison: the request line, the header lines sorted (so that the
// platform's own order does not matter) and the body.
struct RequestParts {
    std::string requestLine;
    std::vector<std::string> headerLines;
    std::string body;
};
RequestParts SplitRequest(const std::string& bytes);
std::string Describe(const RequestParts& parts);
