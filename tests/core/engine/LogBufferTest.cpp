// The session log queued between frames: lines reach the file at the frame's
// flush, at exit, and when the program is stopped with SIGTERM, each once and
// in order.
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include "core/engine/DebugSystem.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::TempFolder;

namespace
{
std::vector<std::string> Messages(const std::string& path)
{
    std::vector<std::string> messages;
    for (const std::string& line : TestSupport::ReadLines(path))
        messages.push_back(TestSupport::StripStamp(line));
    return messages;
}

volatile sig_atomic_t sPreviousHandlerRan = 0;
void PreviousHandler(int) { sPreviousHandlerRan = 1; }

// Runs body in a child process; its exit status (or the signal that ended it, negated).
int InChild(const std::function<int()>& body)
{
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}
} // namespace

TEST(LogBuffer, LinesWaitForTheFrameFlushAndKeepTheirOrder)
{
    TempFolder docs;
    std::filesystem::create_directories(docs.File("Kestrome"));
    const std::string path = docs.File("Kestrome/Vorlane.log");
    {
        DebugSystem debug(docs.Path());
        debug.OpenLog();
        EXPECT_EQ(Messages(path).size(), 2u) << "before the first frame every line is written at once";
        debug.FlushLog();
        for (int i = 0; i < 3; ++i)
            debug.Log("line " + std::to_string(i));
        EXPECT_EQ(Messages(path).size(), 2u);
        debug.FlushLog();
        EXPECT_EQ(Messages(path),
                  (std::vector<std::string>{"=========================== [START SESSION] ===========================",
                                            "Logging Enabled.", "line 0", "line 1", "line 2"}));
        // More than the buffer holds between two frames: nothing is lost or reordered.
        const std::string long_text(300, 'x');
        for (int i = 0; i < 1000; ++i)
            debug.Log(std::to_string(i) + long_text);
        debug.Log(std::string(LogBuffer::Capacity + 10, 'y'));
        debug.Log("last");
    }
    const std::vector<std::string> messages = Messages(path);
    ASSERT_EQ(messages.size(), 5u + 1000u + 2u + 2u);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(messages[5 + static_cast<size_t>(i)], std::to_string(i) + std::string(300, 'x'));
    EXPECT_EQ(messages[1005].size(), LogBuffer::Capacity + 10);
    EXPECT_EQ(messages[1006], "last");
    EXPECT_EQ(messages.back(), "============================ [END SESSION] ============================");
}

TEST(LogBuffer, SigtermWritesTheQueuedLinesBeforeTheProcessEnds)
{
    TempFolder docs;
    std::filesystem::create_directories(docs.File("Kestrome"));
    const int result = InChild(
        [&]
        {
            signal(SIGTERM, SIG_DFL);
            auto* debug = new DebugSystem(docs.Path()); // never deleted: the signal ends the process
            debug->OpenLog();
            debug->FlushLog();
            debug->Log("queued 1");
            debug->Log("queued 2");
            raise(SIGTERM);
            return 0;
        });
    EXPECT_EQ(result, -SIGTERM);
    const std::vector<std::string> messages = Messages(docs.File("Kestrome/Vorlane.log"));
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[2], "queued 1");
    EXPECT_EQ(messages[3], "queued 2");
}

TEST(LogBuffer, SigtermStillReachesTheHandlerThatWasThereAndNoLineIsWrittenTwice)
{
    TempFolder docs;
    std::filesystem::create_directories(docs.File("Kestrome"));
    const int result = InChild(
        [&]
        {
            // As the platform layer turns SIGTERM into a quit request.
            signal(SIGTERM, &PreviousHandler);
            int status = 0;
            {
                DebugSystem debug(docs.Path());
                debug.OpenLog();
                debug.FlushLog();
                debug.Log("before");
                kill(getpid(), SIGTERM);
                status = sPreviousHandlerRan ? 0 : 1;
                debug.Log("after");
            }
            return status;
        });
    EXPECT_EQ(result, 0) << "the earlier handler ran and the program went on";
    EXPECT_EQ(Messages(docs.File("Kestrome/Vorlane.log")),
              (std::vector<std::string>{"=========================== [START SESSION] ===========================",
                                        "Logging Enabled.", "before", "after", "Debug System terminating.",
                                        "============================ [END SESSION] ============================"}));
}
