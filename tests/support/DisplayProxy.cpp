#include "support/DisplayProxy.h"
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace TestSupport
{
namespace
{
constexpr int X11TcpBase = 6000; // X11's TCP port of display 0

int ConnectToDisplaySocket(int number)
{
    const std::string path = "/tmp/.X11-unix/X" + std::to_string(number);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0)
    {
        close(fd);
        return -1;
    }
    return fd;
}

// Copies what is waiting on from to to; false when from has closed or failed.
bool Forward(int from, int to)
{
    char buffer[65536];
    const ssize_t got = read(from, buffer, sizeof(buffer));
    if (got <= 0)
        return got < 0 && errno == EINTR;
    for (ssize_t sent = 0; sent < got;)
    {
        const ssize_t wrote = write(to, buffer + sent, static_cast<size_t>(got - sent));
        if (wrote < 0 && errno != EINTR)
            return false;
        sent += wrote > 0 ? wrote : 0;
    }
    return true;
}
} // namespace

DisplayProxy::DisplayProxy()
{
    const char* display = std::getenv("DISPLAY");
    if (!display || display[0] != ':')
    {
        mProblem = "DISPLAY names no local display";
        return;
    }
    mNumber = std::atoi(display + 1);
    mListener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int reuse = 1;
    setsockopt(mListener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof(reuse));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(X11TcpBase + mNumber));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(mListener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || listen(mListener, 64) != 0)
    {
        mProblem = "port " + std::to_string(X11TcpBase + mNumber) + " could not be taken: " + std::strerror(errno);
        close(mListener);
        mListener = -1;
        return;
    }
    mAcceptor = std::thread([this] { AcceptLoop(); });
}

DisplayProxy::~DisplayProxy()
{
    mStopping = true;
    if (mListener >= 0)
        shutdown(mListener, SHUT_RDWR); // wakes the accept
    if (mAcceptor.joinable())
        mAcceptor.join();
    {
        std::lock_guard<std::mutex> lock(mRelaysLock);
        for (int fd : mRelayFds)
            shutdown(fd, SHUT_RDWR); // wakes the relays' polls
    }
    for (std::thread& relay : mRelays)
        relay.join();
    for (int fd : mRelayFds)
        close(fd);
    if (mListener >= 0)
        close(mListener);
}

void DisplayProxy::AcceptLoop()
{
    while (!mStopping)
    {
        const int client = accept4(mListener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
        {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return;
        }
        ++mConnections;
        const int server = ConnectToDisplaySocket(mNumber);
        if (server < 0)
        {
            close(client);
            continue;
        }
        std::lock_guard<std::mutex> lock(mRelaysLock);
        mRelayFds.push_back(client);
        mRelayFds.push_back(server);
        mRelays.emplace_back([this, client, server] { Relay(client, server); });
    }
}

void DisplayProxy::Relay(int client, int server)
{
    pollfd fds[2] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
    bool open = true;
    while (open && !mStopping)
    {
        if (poll(fds, 2, -1) < 0)
        {
            open = errno == EINTR;
            continue;
        }
        for (int side = 0; side < 2 && open; ++side)
            if (fds[side].revents & (POLLIN | POLLHUP | POLLERR))
                open = Forward(fds[side].fd, fds[1 - side].fd);
    }
    // Either end gone: the other learns it, as with a direct connection.
    shutdown(client, SHUT_RDWR);
    shutdown(server, SHUT_RDWR);
}
} // namespace TestSupport
