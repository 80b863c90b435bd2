// A loopback server inside the test process that answers with the replies a test scripts, one
// per request in order (an empty one closes the connection unanswered), records every request,
// and sends every connection of the process its way for as long as it lives.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "simulator/simulator_server.h"

// A 200 reply with the given body.
std::string Reply200(const std::string& body, const std::string& extraHeaders = "");

class ScriptedServer {
  public:
    explicit ScriptedServer(std::vector<std::string> replies);
    // Answers that may also break off, reset or go silent; past the last, an empty 200.
    explicit ScriptedServer(std::vector<SimAnswer> answers);
    ~ScriptedServer();
    std::vector<SimRequest> Requests();

  private:
    std::mutex mutex_;
    std::vector<SimAnswer> answers_;
    std::vector<SimRequest> requests_;
    SimulatorServer server_;
};

// The simulator of every service, with every connection of the process sent its way.
class SimulatedServices {
  public:
    SimulatedServices();
    ~SimulatedServices();

  private:
    SimulatorServer server_;
};
