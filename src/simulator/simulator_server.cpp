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

// An empty reply closes the connection without a word.
Responder FromReplyMaker(ReplyMaker replyMaker) {
    return [replyMaker](const SimRequest& request) {
        SimAnswer answer{replyMaker(request)};
        if (answer.bytes.empty()) answer.then = SimAnswer::Then::kClose;
        return answer;
    };
}

}  // namespace

SimulatorServer::SimulatorServer()
    : responder_(FromReplyMaker([this](const SimRequest& request) {
          return SerializeReply(simulator_.Answer(request), request.method == "HEAD");
      })) {}

SimulatorServer::SimulatorServer(ReplyMaker replyMaker)
    : responder_(FromReplyMaker(std::move(replyMaker))) {}

SimulatorServer::SimulatorServer(Responder responder) : responder_(std::move(responder)) {}

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
        platform::TcpSocket socket = platform::AcceptWithin(listener_, kPollMs);
        // A long-running server sees many short connections: each one's thread is joined once
        // it has ended, not kept until the server stops.
        JoinFinished();
        if (socket != platform::kNoSocket) {
            std::lock_guard<std::mutex> lock(mutex_);
            connections_.push_back(std::make_unique<Connection>());
            Connection* connection = connections_.back().get();
            connection->thread = std::thread(&SimulatorServer::Serve, this, socket, connection);
        }
        if (socket != platform::kNoSocket || requests_ != lastCount) {
            lastActivity = NowMs();
            lastCount = requests_;
        }
        if (NowMs() - lastActivity > idleExitMs) stopping_ = true;
    }
    platform::CloseSocket(listener_);
    listener_ = platform::kNoSocket;
}

void SimulatorServer::JoinFinished() {
    std::list<std::unique_ptr<Connection>> finished;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (auto it = connections_.begin(); it != connections_.end();) {
            auto next = std::next(it);
            if ((*it)->finished) finished.splice(finished.end(), connections_, it);
            it = next;
        }
    }
    for (auto& connection : finished) connection->thread.join();
}

size_t SimulatorServer::ConnectionThreads() {
    std::lock_guard<std::mutex> lock(mutex_);
    return connections_.size();
}

void SimulatorServer::Serve(platform::TcpSocket socket, Connection* connection) {
    using Then = SimAnswer::Then;
    Bytes buffer;
    char chunk[16384];
    int64_t lastByte = NowMs();
    bool silent = false, reset = false;
    while (!stopping_ && NowMs() - lastByte < kConnectionIdleMs) {
        int n = platform::ReceiveWithin(socket, chunk, sizeof chunk, kPollMs);
        if (n == platform::kReceiveTimedOut) continue;
        if (n <= 0) break;
        lastByte = NowMs();
        if (silent) continue;
        buffer.append(chunk, static_cast<size_t>(n));
        SimRequest request;
        bool open = true;
        while (open && !silent && TakeRequest(buffer, request)) {
            requests_++;
            const SimAnswer answer = responder_(request);
            if (!answer.bytes.empty() &&
                !platform::SendAll(socket, answer.bytes.data(), answer.bytes.size())) {
                open = false;
                break;
            }
            switch (answer.then) {
                case Then::kKeepOpen:
                    open = !request.method.empty() &&
                           LowerAscii(request.Header("Connection")) != "close";
                    break;
                case Then::kClose:
                    open = false;
                    break;
                case Then::kReset:
                    open = false;
                    reset = true;
                    break;
                case Then::kSilent:
                    silent = true;
                    break;
            }
        }
        if (!open) break;
    }
    if (reset) {
        platform::ResetSocket(socket);
    } else {
        platform::CloseSocket(socket);
    }
    connection->finished = true;
}

void SimulatorServer::Wait() {
    if (acceptor_.joinable()) acceptor_.join();
    std::list<std::unique_ptr<Connection>> connections;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        connections.swap(connections_);
    }
    for (auto& connection : connections) connection->thread.join();
}

void SimulatorServer::Stop() {
    stopping_ = true;
    Wait();
}
