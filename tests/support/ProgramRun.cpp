#include "support/ProgramRun.h"
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace TestSupport
{
namespace
{
bool WaitUntil(const std::function<bool()>& done, int seconds, int pollMilliseconds = 50)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end)
    {
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMilliseconds));
    }
    return done();
}
} // namespace

ProgramRun::ProgramRun() { CopyResources(mWork.Path()); }

ProgramRun::~ProgramRun()
{
    if (mPid > 0 && !Ended())
    {
        kill(mPid, SIGKILL);
        waitpid(mPid, nullptr, 0);
    }
}

void ProgramRun::SetEnvironment(const std::string& name, const char* value)
{
    mEnvironment.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
}

bool ProgramRun::Start()
{
    const std::string out = mWork.File("stdout.txt");
    const std::string err = mWork.File("stderr.txt");
    // Closed by the exec: until then the child is a copy of this test process,
    // whose signal handlers (SDL's, once any test started video) are not the
    // program's and must not be mistaken for them.
    int execed[2];
    if (pipe2(execed, O_CLOEXEC) != 0)
        return false;
    mEndStatus.reset();
    mPid = fork();
    if (mPid < 0)
    {
        close(execed[0]);
        close(execed[1]);
        return false;
    }
    if (mPid == 0)
    {
        close(execed[0]);
        setenv("HOME", mHome.Path().c_str(), 1);
        unsetenv("XDG_DOCUMENTS_DIR");
        setenv("XDG_CONFIG_HOME", mHome.File(".config").c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        for (const auto& [name, value] : mEnvironment)
        {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        if (chdir(mWork.Path().c_str()) != 0 || !freopen(out.c_str(), "w", stdout) ||
            !freopen(err.c_str(), "w", stderr))
            _exit(126);
        execl(TANDREL_PROGRAM, TANDREL_PROGRAM, static_cast<char*>(nullptr));
        const char failed = 1;
        (void)!write(execed[1], &failed, 1);
        _exit(127);
    }
    close(execed[1]);
    char failed = 0;
    ssize_t got = 0;
    do
        got = read(execed[0], &failed, 1);
    while (got < 0 && errno == EINTR);
    close(execed[0]);
    return got == 0;
}

bool ProgramRun::Ended()
{
    if (mEndStatus)
        return true;
    int status = 0;
    if (mPid <= 0 || waitpid(mPid, &status, WNOHANG) != mPid)
        return false;
    mEndStatus = status;
    return true;
}

void ProgramRun::ReportEnd(const std::string& waitedFor) const
{
    const int status = mEndStatus.value_or(0);
    const std::string how = WIFEXITED(status) ? "with exit code " + std::to_string(WEXITSTATUS(status))
                                              : "by signal " + std::to_string(WTERMSIG(status));
    std::printf("The program ended %s before %s. Its standard error:\n%s\n", how.c_str(), waitedFor.c_str(),
                Stderr().c_str());
}

bool ProgramRun::WaitForLog(const std::string& text, int seconds)
{
    const auto logged = [&] { return Log().find(text) != std::string::npos; };
    WaitUntil([&] { return logged() || Ended(); }, seconds);
    if (logged()) // the line may come just before the end
        return true;
    if (mEndStatus)
        ReportEnd("its log held \"" + text + "\"");
    return false;
}

bool ProgramRun::WaitForTerminateHandler(int seconds)
{
    // Bit 15 of the caught-signal mask in /proc: SIGTERM has a handler.
    const auto caught = [&]
    {
        std::ifstream status("/proc/" + std::to_string(mPid) + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("SigCgt:", 0) == 0)
                return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1) & 1) != 0;
        return false;
    };
    const bool ready = WaitUntil([&] { return Ended() || caught(); }, seconds, 2); // often: the signal is to come early
    if (mEndStatus)
    {
        ReportEnd("it caught SIGTERM");
        return false;
    }
    return ready;
}

int ProgramRun::Stop(int seconds)
{
    if (mPid <= 0)
        return -1;
    if (!Ended())
        kill(mPid, SIGTERM);
    return WaitForExit(seconds);
}

int ProgramRun::WaitForExit(int seconds)
{
    if (mPid <= 0)
        return -1;
    const bool exited = WaitUntil([&] { return Ended(); }, seconds);
    if (!exited)
    {
        kill(mPid, SIGKILL);
        waitpid(mPid, nullptr, 0);
    }
    mPid = -1;
    const int status = mEndStatus.value_or(0);
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

std::map<std::string, std::string> TreeFiles(const std::string& root)
{
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
    {
        std::error_code kindError; // a link to nowhere has no kind
        if (it->is_regular_file(kindError))
            files[it->path().lexically_relative(root).string()] = ReadFile(it->path().string());
    }
    return files;
}

std::string TreeDamage(const std::map<std::string, std::string>& before,
                       const std::map<std::string, std::string>& after, const std::vector<std::string>& written)
{
    std::string damage;
    for (const auto& [path, text] : before)
    {
        const auto now = after.find(path);
        if (now == after.end())
        {
            damage += path + " is gone\n";
            continue;
        }
        if (now->second == text)
            continue;
        bool writable = false;
        for (const std::string& part : written)
            writable = writable || path.find(part) != std::string::npos;
        if (!writable)
        {
            damage += path + " was changed\n";
            continue;
        }
        // Rewritten: still every line it had (as many times as it had it).
        std::multiset<std::string> lines;
        std::istringstream in(now->second);
        for (std::string line; std::getline(in, line);)
            lines.insert(line);
        std::istringstream old(text);
        for (std::string line; std::getline(old, line);)
        {
            const auto found = lines.find(line);
            if (found == lines.end())
            {
                damage += path + " lost \"" + line + "\"\n";
                break;
            }
            lines.erase(found);
        }
    }
    return damage;
}

const std::vector<std::string>& FilesTheProgramWrites()
{
    static const std::vector<std::string> files = {
        "Kestrome/EngineCfg.ini",    "Kestrome/Vorlane.log", "imgui.ini", "Resources/Archetype/", "Resources/Art/",
        "Resources/Audio/Audio.dat", "Resources/LevelData/",
    };
    return files;
}
} // namespace TestSupport
