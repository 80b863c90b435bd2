#include "support/test_server.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "support/test_data.h"

namespace {

std::string StateFile(const std::string& name) {
    const char* dir = std::getenv("QUENLOV_TEST_SERVER");
    return std::string(dir ? dir : ".") + "/" + name;
}

int Port(int which) {
    int ports[2] = {0, 0};
    const std::string text = ReadFileBytes(StateFile("port"));
    if (std::sscanf(text.c_str(), "%d %d", &ports[0], &ports[1]) != 2) return 0;
    return ports[which];
}

}  // namespace

int TestServerPort() {
    static const int port = Port(0);
    return port;
}

int UnusedPort() {
    return Port(1);
}

std::string NewToken(const std::string& label) {
    static const long long start =
        std::chrono::system_clock::now().time_since_epoch().count() % 1000000007LL;
    static std::atomic<int> counter{0};
    return label + "-" + std::to_string(start) + "-" + std::to_string(++counter);
}

std::string CaseUrl(const std::string& caseName, const std::string& token,
                    const std::string& rest) {
    return "http://127.0.0.1:" + std::to_string(TestServerPort()) + "/" + caseName + "/" + token +
           rest;
}

std::vector<RecordedRequest> RecordedRequests(const std::string& token) {
    std::vector<RecordedRequest> requests;
    const std::string log = ReadFileBytes(StateFile("logs/" + token + ".log"));
    size_t at = 0;
    while (at < log.size()) {
        RecordedRequest request;
        size_t length = 0;
        size_t lineEnd = log.find('\n', at);
        if (lineEnd == std::string::npos ||
            std::sscanf(log.c_str() + at, "@@ connection %d length %zu", &request.connection,
                        &length) != 2) {
            break;
        }
        request.bytes = log.substr(lineEnd + 1, length);
        at = lineEnd + 1 + length + 1;
        requests.push_back(request);
    }
    return requests;
}

HttpCase LoadCase(const std::string& name) {
    return ParseHttpCase(ReadFileBytes(TestDataPath("http/" + name + ".case")));
}

RequestParts SplitRequest(const std::string& bytes) {
    RequestParts parts;
    size_t headEnd = bytes.find("\r\n\r\n");
    const std::string head = bytes.substr(0, headEnd);
    parts.body = headEnd == std::string::npos ? std::string() : bytes.substr(headEnd + 4);
    size_t at = 0;
    bool first = true;
    while (at <= head.size()) {
        size_t end = head.find("\r\n", at);
        if (end == std::string::npos) end = head.size();
        std::string line = head.substr(at, end - at);
        at = end + 2;
        if (first) {
            parts.requestLine = line;
            first = false;
        } else {
            parts.headerLines.push_back(line);
        }
    }
    std::sort(parts.headerLines.begin(), parts.headerLines.end());
    return parts;
}

std::string Describe(const RequestParts& parts) {
    std::string text = parts.requestLine + "\n";
    for (const std::string& line : parts.headerLines) text += "  " + line + "\n";
    return text + "  body: " + std::to_string(parts.body.size()) + " bytes\n";
}
