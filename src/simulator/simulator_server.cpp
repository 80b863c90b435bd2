#include "simulator/simulator_server.h"

#include <chrono>

namespace {

constexpr int kPollMs = 100;
constexpr int kConnectionIdleMs = 15000;

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

SimulatorServer::SimulatorServer()
    : replyMaker_([this](const SimRequest& request) {
          return SerializeReply(simulator_.Answer(request), request.method == "HEAD");
      }) {}

SimulatorServer::SimulatorServer(ReplyMaker replyMaker) : replyMaker_(std::move(replyMaker)) {}

SimulatorServer::~SimulatorServer() {
    Stop();
}

bool SimulatorServer::Start(int port, int idleExitMs) {
    listener_ = platform::ListenOnLoopback(port, &port_);
    if (listener_ == platform::kNoSocket) return false;
    acceptor_ = std::thread(&SimulatorServer::AcceptLoop, this, idleExitMs);
    return true;
}

void SimulatorServer::AcceptLoop(int idleExitMs) {
    int64_t lastActivity = NowMs();
    int lastCount = 0;
    while (!stopping_) {
        platform::TcpSocket connection = platform::AcceptWithin(listener_, kPollMs);
        if (connection != platform::kNoSocket) {
            std::lock_guard<std::mutex> lock(mutex_);
            connections_.emplace_back(&SimulatorServer::Serve, this, connection);
        }
        if (connection != platform::kNoSocket || requests_ != lastCount) {
            lastActivity = NowMs();
            lastCount = requests_;
        }
        if (NowMs() - lastActivity > idleExitMs) stopping_ = true;
    }
    platform::CloseSocket(listener_);
    listener_ = platform::kNoSocket;
}

void SimulatorServer::Serve(platform::TcpSocket connection) {
    Bytes buffer;
    char chunk[16384];
    int64_t lastByte = NowMs();
    while (!stopping_ && NowMs() - lastByte < kConnectionIdleMs) {
        int n = platform::ReceiveWithin(connection, chunk, sizeof chunk, kPollMs);
        if (n == platform::kReceiveTimedOut) continue;
        if (n <= 0) break;
        lastByte = NowMs();
        buffer.append(chunk, static_cast<size_t>(n));
        SimRequest request;
        bool open = true;
        while (open && TakeRequest(buffer, request)) {
            requests_++;
            Bytes bytes = replyMaker_(request);
            // An empty reply closes the connection without a word.
            open = !bytes.empty() && platform::SendAll(connection, bytes.data(), bytes.size()) &&
                   !request.method.empty() && LowerAscii(request.Header("Connection")) != "close";
        }
        if (!open) break;
    }
    platform::CloseSocket(connection);
}

void SimulatorServer::Wait() {
    if (acceptor_.joinable()) acceptor_.join();
    std::vector<std::thread> connections;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        connections.swap(connections_);
    }
    for (std::thread& t : connections) t.join();
}

void SimulatorServer::Stop() {
    stopping_ = true;
    Wait();
}
