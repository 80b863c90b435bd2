// Plays the twelve services, the aggregator and the tool page, each under its own host name, in
// the reply forms the adapters read. Short codes are deterministic, and every short address it
// issued answers with a redirect to its long address. Safe to call from several threads.
#pragma once

#include <map>
#include <mutex>
#include <set>

#include "simulator/http_message.h"

class ServiceSimulator {
  public:
    SimReply Answer(const SimRequest& request);

  private:
    SimReply AnswerAggregator(const SimRequest& request);
    SimReply Issue(const Text& domain, const Text& longUtf8, SimReply reply);
    SimReply Expand(const Text& domain, const Text& path);

    std::mutex mutex_;
    std::map<Text, Text> issued_;  // "domain/code" -> long address, percent-encoded UTF-8
    std::set<Text> sessions_;
    int sessionCount_ = 0;
};

// What the aggregator's API answers a request that carries no valid session: a verification
// page, not JSON.
extern const char kVerificationPageUtf8[];
