#include "core/engine/ThreadStart.h"
#include <atomic>
#include <cerrno>
#include <new>
#include <system_error>
#include "core/engine/DebugSystem.h"

namespace Framework
{
namespace
{
std::atomic<int> sStartsToFail{0};

void LogRefusal(const std::string& purpose, const char* reason)
{
    // Where the start failed for want of memory, the line may not be made either.
    try
    {
        Log("No thread could be started for " + purpose + " (" + reason + "); the work is done without it.");
    }
    catch (const std::bad_alloc&)
    {
    }
}
} // namespace

bool StartThread(std::thread& thread, std::function<void()> work, const std::string& purpose)
{
    try
    {
        if (sStartsToFail.load() > 0 && sStartsToFail.fetch_sub(1) > 0)
            throw std::system_error(EAGAIN, std::generic_category(), "thread start refused");
        thread = std::thread(std::move(work));
        return true;
    }
    catch (const std::system_error& error)
    {
        LogRefusal(purpose, error.what());
    }
    catch (const std::bad_alloc&)
    {
        LogRefusal(purpose, "out of memory");
    }
    return false;
}

void FailThreadStarts(int count) { sStartsToFail.store(count); }
} // namespace Framework
