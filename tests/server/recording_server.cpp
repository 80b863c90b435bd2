#include "server/recording_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <thread>

#include "support/http_case.h"
#include "support/test_data.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kReadTimeoutMs = 30000;  // a client that sends nothing for this long is dropped
constexpr size_t kMaxRequestBytes = 1 << 26;  // a request above this is refused
constexpr int kMaxForeverSeconds = 120;       // an endless reply ends after this long

struct Shared {
    const RecordingServerOptions* options;
    int port;
    std::atomic<long long> lastActivity{0};
    std::atomic<int> active{0};
    std::atomic<int> nextConnection{1};
    std::mutex logMutex;
};

long long NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch())
        .count();
}

void Touch(Shared& shared) {
    shared.lastActivity = NowMs();
}

bool WriteAll(Shared& shared, int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t n = send(fd, data, size, MSG_NOSIGNAL);
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
        Touch(shared);
    }
    return true;
}

// Waits for bytes; false on timeout, end of stream or error.
bool ReadMore(Shared& shared, int fd, std::string& buffer) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, kReadTimeoutMs) <= 0) return false;
    char chunk[65536];
    ssize_t n = recv(fd, chunk, sizeof chunk, 0);
    if (n <= 0) return false;
    buffer.append(chunk, static_cast<size_t>(n));
    Touch(shared);
    return true;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

long long ContentLength(const std::string& head) {
    const std::string name = "\r\ncontent-length:";
    for (size_t i = 0; i + name.size() <= head.size(); i++) {
        size_t k = 0;
        while (k < name.size() && Lower(head[i + k]) == name[k]) k++;
        if (k == name.size()) return std::atoll(head.c_str() + i + k);
    }
    return 0;
}

// One whole request (head and Content-Length body) taken off the front of `buffer`.
bool ReadRequest(Shared& shared, int fd, std::string& buffer, std::string& request) {
    size_t headEnd;
    while ((headEnd = buffer.find("\r\n\r\n")) == std::string::npos) {
        if (buffer.size() > kMaxRequestBytes || !ReadMore(shared, fd, buffer)) return false;
        // Only an HTTP method starts a request; anything else (a TLS hello) is turned away.
        if (buffer[0] < 'A' || buffer[0] > 'Z') return false;
    }
    size_t total = headEnd + 4 + static_cast<size_t>(ContentLength(buffer.substr(0, headEnd)));
    if (total > kMaxRequestBytes) return false;
    while (buffer.size() < total) {
        if (!ReadMore(shared, fd, buffer)) return false;
    }
    request = buffer.substr(0, total);
    buffer.erase(0, total);
    return true;
}

bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

// The first two path segments of the request target: the case and the token.
void CaseAndToken(const std::string& request, std::string& name, std::string& token) {
    size_t at = request.find(' ');
    at = at == std::string::npos ? request.size() : at + 1;
    size_t scheme = request.find("://", at);
    size_t space = request.find(' ', at);
    if (scheme != std::string::npos && scheme < space) at = request.find('/', scheme + 3);
    if (at == std::string::npos || at >= request.size() || request[at] != '/') return;
    std::string* segments[] = {&name, &token};
    for (std::string* segment : segments) {
        at++;
        while (at < request.size() && IsNameChar(request[at])) *segment += request[at++];
        if (at >= request.size() || request[at] != '/') break;
    }
}

void Record(Shared& shared, const std::string& token, int connection, const std::string& request) {
    if (shared.options->logDir.empty()) return;
    std::lock_guard<std::mutex> lock(shared.logMutex);
    std::string path = shared.options->logDir + "/" + (token.empty() ? "_none" : token) + ".log";
    std::FILE* file = std::fopen(path.c_str(), "ab");
    if (!file) return;
    std::fprintf(file, "@@ connection %d length %zu\n", connection, request.size());
    std::fwrite(request.data(), 1, request.size(), file);
    std::fputc('\n', file);
    std::fclose(file);
}

void Reset(int fd) {
    linger hard{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
}

bool Fill(Shared& shared, int fd, const HttpStep& step) {
    const std::string chunk(65536, step.bytes.empty() ? '\0' : step.bytes[0]);
    const long long deadline = NowMs() + kMaxForeverSeconds * 1000LL;
    for (long long left = step.count; left != 0;) {
        size_t n = left < 0 || left > static_cast<long long>(chunk.size())
                       ? chunk.size()
                       : static_cast<size_t>(left);
        if (!WriteAll(shared, fd, chunk.data(), n)) return false;
        if (left > 0) left -= static_cast<long long>(n);
        if (left < 0 && NowMs() > deadline) return false;
    }
    return true;
}

void Silent(int fd, int milliseconds) {
    pollfd p{fd, POLLIN, 0};
    char sink[4096];
    const long long deadline = NowMs() + milliseconds;
    for (long long left = milliseconds; left > 0; left = deadline - NowMs()) {
        if (poll(&p, 1, static_cast<int>(left)) > 0 && recv(fd, sink, sizeof sink, 0) <= 0) return;
    }
}

// Plays one step; false when the connection is over.
bool Play(Shared& shared, int fd, const HttpStep& step, const std::string& token) {
    std::string bytes = FillPlaceholders(step.bytes, token, shared.port);
    switch (step.kind) {
        case HttpStep::kSend:
            return WriteAll(shared, fd, bytes.data(), bytes.size());
        case HttpStep::kFill:
            return Fill(shared, fd, step);
        case HttpStep::kTrickle:
            for (char c : bytes) {
                std::this_thread::sleep_for(std::chrono::milliseconds(step.milliseconds));
                if (!WriteAll(shared, fd, &c, 1)) return false;
            }
            return true;
        case HttpStep::kSleep:
            std::this_thread::sleep_for(std::chrono::milliseconds(step.milliseconds));
            return true;
        case HttpStep::kSilent:
            Silent(fd, step.milliseconds);
            return false;
        case HttpStep::kClose:
            shutdown(fd, SHUT_WR);
            return false;
        case HttpStep::kReset:
            Reset(fd);
            return false;
    }
    return false;
}

const char kNotFound[] =
    "HTTP/1.1 404 No Such Case\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";

void Serve(Shared& shared, int fd) {
    const int connection = shared.nextConnection++;
    std::string buffer, request;
    while (ReadRequest(shared, fd, buffer, request)) {
        std::string name, token;
        CaseAndToken(request, name, token);
        Record(shared, token, connection, request);
        HttpCase script = ParseHttpCase(
            name.empty() ? std::string()
                         : ReadFileBytes(shared.options->casesDir + "/" + name + ".case"));
        if (!script.valid) {
            WriteAll(shared, fd, kNotFound, sizeof kNotFound - 1);
            break;
        }
        bool open = true;
        for (const HttpStep& step : script.reply) {
            if (!(open = Play(shared, fd, step, token))) break;
        }
        if (!open) break;
    }
    close(fd);
    Touch(shared);
    shared.active--;
}

}  // namespace

int OpenRecordingServer(int& port) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(fd, 64) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(fd);
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

int UnusedLoopbackPort() {
    int port = 0;
    int fd = OpenRecordingServer(port);
    if (fd < 0) return 0;
    close(fd);
    return port;
}

void RunRecordingServer(int listenSocket, int port, const RecordingServerOptions& options) {
    std::signal(SIGPIPE, SIG_IGN);
    // Connections may outlive this function (detached threads), so the shared state does too.
    Shared* shared = new Shared;
    shared->options = new RecordingServerOptions(options);
    shared->port = port;
    Touch(*shared);
    for (;;) {
        if (options.stop && *options.stop) break;
        if (shared->active == 0 && NowMs() - shared->lastActivity > options.idleSeconds * 1000LL)
            break;
        pollfd p{listenSocket, POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) continue;
        int fd = accept(listenSocket, nullptr, nullptr);
        if (fd < 0) continue;
        shared->active++;
        Touch(*shared);
        std::thread([shared, fd] { Serve(*shared, fd); }).detach();
    }
    close(listenSocket);
}
