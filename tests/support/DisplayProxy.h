// Stands between programs and the test display and counts their connections:
// a TCP listener on the port of the display's own number (6000 + N, where
// the display's authorisation cookie still applies) relays each connection
// to the display's socket. Programs started with Display() as DISPLAY reach
// the same screen; Connections() tells how often they opened it.
#pragma once
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace TestSupport
{
class DisplayProxy
{
public:
    DisplayProxy(); // for the display DISPLAY names (":N")
    ~DisplayProxy();
    // Empty when the proxy could not listen (then Problem() says why).
    std::string Display() const { return mListener >= 0 ? "127.0.0.1:" + std::to_string(mNumber) : ""; }
    const std::string& Problem() const { return mProblem; }
    int Connections() const { return mConnections; }

private:
    void AcceptLoop();
    void Relay(int client, int server);

    int mNumber = -1;   // the display's number, -1 before DISPLAY is read
    int mListener = -1; // the listening socket, -1 when there is none
    std::string mProblem;
    std::atomic<int> mConnections{0};
    std::atomic<bool> mStopping{false};
    std::thread mAcceptor;
    std::mutex mRelaysLock; // mRelays and mRelayFds
    std::vector<std::thread> mRelays;
    std::vector<int> mRelayFds;
};
} // namespace TestSupport
