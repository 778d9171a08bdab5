#include "support/ProgramRun.h"
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace TestSupport
{
namespace
{
bool WaitUntil(const std::function<bool()>& done, int seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end)
    {
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}
} // namespace

ProgramRun::ProgramRun() { CopyResources(mWork.Path()); }

ProgramRun::~ProgramRun()
{
    if (mPid > 0)
    {
        kill(mPid, SIGKILL);
        waitpid(mPid, nullptr, 0);
    }
}

bool ProgramRun::Start()
{
    const std::string out = mWork.File("stdout.txt");
    mPid = fork();
    if (mPid < 0)
        return false;
    if (mPid == 0)
    {
        setenv("HOME", mHome.Path().c_str(), 1);
        unsetenv("XDG_DOCUMENTS_DIR");
        setenv("XDG_CONFIG_HOME", mHome.File(".config").c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (chdir(mWork.Path().c_str()) != 0 || !freopen(out.c_str(), "w", stdout))
            _exit(126);
        execl(TANDREL_PROGRAM, TANDREL_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    return true;
}

bool ProgramRun::WaitForLog(const std::string& text, int seconds)
{
    return WaitUntil([&] { return Log().find(text) != std::string::npos; }, seconds);
}

int ProgramRun::Stop(int seconds)
{
    if (mPid <= 0)
        return -1;
    kill(mPid, SIGTERM);
    int status = 0;
    const bool exited = WaitUntil([&] { return waitpid(mPid, &status, WNOHANG) == mPid; }, seconds);
    if (!exited)
    {
        kill(mPid, SIGKILL);
        waitpid(mPid, &status, 0);
    }
    mPid = -1;
    return exited && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ListTree(const std::string& root)
{
    std::string listing;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            listing += entry.path().lexically_relative(root).string() + ":" + ReadFile(entry.path().string()) + "\n";
    return listing;
}
} // namespace TestSupport
