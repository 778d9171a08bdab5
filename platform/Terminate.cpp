// SIGTERM as a request to end: noted by a flag that the message pump turns
// into WM_QUIT and that long loads check, so a desktop that stops the program
// mid-load still gets a clean exit with every file intact.
#include "platform/Platform.h"
#include <atomic>
#include <csignal>
#include <cstring>

namespace Framework
{
namespace Platform
{
namespace
{
std::atomic<bool> sTerminateRequested{false};

void OnTerminate(int) { sTerminateRequested.store(true); }
} // namespace

void CatchTerminate()
{
    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_handler = &OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

bool TerminateRequested() { return sTerminateRequested.load(); }
} // namespace Platform
} // namespace Framework
