// The simulator of every service with knobs for the application's tests: the start page can
// be held back or answer without cookies, and a long address can be held or answered empty.
// Every connection of the process goes its way for as long as it lives.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "simulator/service_simulator.h"
#include "simulator/simulator_server.h"

class StagedServices {
  public:
    StagedServices();
    ~StagedServices();  // releases whatever is held, then stops

    // The start page's reply waits until ReleaseStartPage.
    void HoldStartPage();
    void ReleaseStartPage();
    // The next `count` start pages set no cookie.
    void RefuseCookies(int count);
    // A request whose address holds "hold" waits until ReleaseHeld; "empty" is answered with
    // an empty body.
    void ReleaseHeld();

    int StartPageRequests() const { return startPages_; }
    int HeldRequestsSeen() const { return heldSeen_; }

  private:
    Bytes Reply(const SimRequest& request);
    void WaitWhile(const bool& held);

    ServiceSimulator simulator_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool startPageHeld_ = false;
    bool addressesHeld_ = true;
    int cookiesToRefuse_ = 0;
    std::atomic<int> startPages_{0};
    std::atomic<int> heldSeen_{0};
    SimulatorServer server_;
};
