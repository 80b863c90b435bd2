#include "support/scripted_server.h"

#include "platform/internet.h"

std::string Reply200(const std::string& body, const std::string& extraHeaders) {
    return "HTTP/1.1 200 OK\r\n" + extraHeaders + "Content-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + body;
}

namespace {

std::vector<SimAnswer> AsAnswers(const std::vector<std::string>& replies) {
    std::vector<SimAnswer> answers;
    for (const std::string& reply : replies) {
        answers.push_back(
            {reply, reply.empty() ? SimAnswer::Then::kClose : SimAnswer::Then::kKeepOpen});
    }
    return answers;
}

}  // namespace

ScriptedServer::ScriptedServer(std::vector<std::string> replies)
    : ScriptedServer(AsAnswers(replies)) {}

ScriptedServer::ScriptedServer(std::vector<SimAnswer> answers)
    : answers_(std::move(answers)), server_([this](const SimRequest& request) {
          std::lock_guard<std::mutex> lock(mutex_);
          size_t n = requests_.size();
          requests_.push_back(request);
          return n < answers_.size() ? answers_[n] : SimAnswer{Reply200("")};
      }) {
    server_.Start(0, 60000);
    platform::SetConnectOverride("127.0.0.1:" + std::to_string(server_.Port()));
}

ScriptedServer::~ScriptedServer() {
    platform::SetConnectOverride(std::string());
    server_.Stop();
}

std::vector<SimRequest> ScriptedServer::Requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

SimulatedServices::SimulatedServices() {
    server_.Start(0, 60000);
    platform::SetConnectOverride("127.0.0.1:" + std::to_string(server_.Port()));
}

SimulatedServices::~SimulatedServices() {
    platform::SetConnectOverride(std::string());
    server_.Stop();
}
