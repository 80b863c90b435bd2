// A small HTTP server on a loopback port, serving connections on threads of its own: the
// service simulator, or a test's scripted replies.
// Keep-alive connections are served until the client closes them or stays silent for a while;
// the server itself ends when stopped, or by itself once no request came for `idleExitMs`.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/tcp.h"
#include "simulator/service_simulator.h"

// The bytes to send for one request (the whole reply, status line included).
using ReplyMaker = std::function<Bytes(const SimRequest&)>;

class SimulatorServer {
  public:
    // Without a reply maker, the server plays the services.
    SimulatorServer();
    explicit SimulatorServer(ReplyMaker replyMaker);
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

  private:
    void AcceptLoop(int idleExitMs);
    void Serve(platform::TcpSocket connection);

    ServiceSimulator simulator_;
    ReplyMaker replyMaker_;
    platform::TcpSocket listener_ = platform::kNoSocket;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::thread acceptor_;
    std::mutex mutex_;
    std::vector<std::thread> connections_;
};
