// A small HTTP server on a loopback port, serving connections on threads of its own: the
// service simulator, or a test's scripted replies.
// Keep-alive connections are served until the client closes them or stays silent for a while;
// the server itself ends when stopped, or by itself once no request came for `idleExitMs`.
#pragma once

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/tcp.h"
#include "simulator/service_simulator.h"

// The bytes to send for one request (the whole reply, status line included).
using ReplyMaker = std::function<Bytes(const SimRequest&)>;

// What the server does for one request: sends `bytes` (which may be no reply at all, or only
// part of one), then goes on as `then` says. The faults a real server can show, on demand.
struct SimAnswer {
    enum class Then {
        kKeepOpen,  // wait for the next request on the connection
        kClose,     // an orderly close
        kReset,     // abort the connection with a TCP reset
        kSilent,    // say nothing more until the client goes away (or the server stops)
    };
    Bytes bytes;
    Then then = Then::kKeepOpen;
};
using Responder = std::function<SimAnswer(const SimRequest&)>;

class SimulatorServer {
  public:
    // Without a reply maker, the server plays the services.
    SimulatorServer();
    explicit SimulatorServer(ReplyMaker replyMaker);
    explicit SimulatorServer(Responder responder);
    ~SimulatorServer();
    SimulatorServer(const SimulatorServer&) = delete;
    SimulatorServer& operator=(const SimulatorServer&) = delete;

    // Listens on 127.0.0.1:port (0: the system picks); false when it cannot.
    bool Start(int port = 0, int idleExitMs = 10 * 60 * 1000);
    int Port() const { return port_; }
    void Stop();
    // Blocks until the server has ended (stopped, or idle for `idleExitMs`).
    void Wait();
    int RequestCount() const { return requests_; }
    // Connections whose threads have not been joined yet: those still open, and those that
    // ended since the server last looked (it looks at least every tenth of a second).
    size_t ConnectionThreads();

  private:
    struct Connection {
        std::thread thread;
        std::atomic<bool> finished{false};
    };

    void AcceptLoop(int idleExitMs);
    void Serve(platform::TcpSocket socket, Connection* connection);
    void JoinFinished();

    ServiceSimulator simulator_;
    Responder responder_;
    platform::TcpSocket listener_ = platform::kNoSocket;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::thread acceptor_;
    std::mutex mutex_;
    std::list<std::unique_ptr<Connection>> connections_;
};
