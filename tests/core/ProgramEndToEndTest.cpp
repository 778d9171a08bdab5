// Runs the real program under the test display and stops it the way a desktop does.
#include <gtest/gtest.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include "support/TestSupport.h"

namespace
{
bool WaitFor(const std::function<bool()>& done, int seconds)
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

std::string ListTree(const std::string& root)
{
    std::string listing;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            listing += entry.path().lexically_relative(root).string() + ":" + TestSupport::ReadFile(entry.path().string()) + "\n";
    return listing;
}
} // namespace

TEST(Program, StopsCleanlyOnSigtermAndLeavesTheContentUntouched)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    TestSupport::TempFolder home;
    TestSupport::TempFolder work;
    TestSupport::CopyResources(work.Path());
    const std::string before = ListTree(work.File("Resources"));
    const std::string log = home.File("Documents/Kestrome/Vorlane.log");

    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
    {
        setenv("HOME", home.Path().c_str(), 1);
        unsetenv("XDG_DOCUMENTS_DIR");
        setenv("XDG_CONFIG_HOME", home.File(".config").c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (chdir(work.Path().c_str()) != 0)
            _exit(126);
        freopen("/dev/null", "w", stdout);
        execl(TANDREL_PROGRAM, TANDREL_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    const bool running = WaitFor([&] { return TestSupport::ReadFile(log).find("Game is running.") != std::string::npos; }, 60);
    kill(pid, SIGTERM);
    int status = -1;
    WaitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }, 60);
    if (!WIFEXITED(status))
    {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
    }
    ASSERT_TRUE(running) << TestSupport::ReadFile(log);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const std::vector<std::string> lines = TestSupport::ReadLines(log);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(TestSupport::StripStamp(lines.back()), "============================ [END SESSION] ============================");
    const std::string text = TestSupport::ReadFile(log);
    EXPECT_NE(text.find("All game objected flushed."), std::string::npos);
    EXPECT_NE(text.find("Engine will now exit Game Loop."), std::string::npos);
    EXPECT_LT(text.find("Input System will now be terminated."), text.find("OurImGui will now be terminated."));
    EXPECT_EQ(ListTree(work.File("Resources")), before);
}
