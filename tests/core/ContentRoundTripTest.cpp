// The shipped levels and archetypes load and save back to the same bytes, and
// the program loads its first level on the loader thread.
#include <gtest/gtest.h>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include "core/GameLogic.h"
#include "support/ObjectTestSupport.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::ReadFile;

namespace
{
const char* const kLevels[] = {"SplashScreen", "NewMenu", "Story", "Credits", "UI", "Level1", "level_test"};

struct ContentCopy
{
    TestSupport::TempFolder work;
    std::unique_ptr<TestSupport::WorkingDirectory> cwd;
    ContentCopy()
    {
        TestSupport::CopyResources(work.Path());
        cwd = std::make_unique<TestSupport::WorkingDirectory>(work.Path());
    }
    std::string Original(const std::string& relative) const
    {
        return ReadFile(std::string(TANDREL_SOURCE_DIR) + "/" + relative);
    }
};
} // namespace

TEST(ContentRoundTrip, EveryShippedLevelSavesBackToTheSameBytes)
{
    ContentCopy content;
    for (const char* level : kLevels)
    {
        SCOPED_TRACE(level);
        TestSupport::FactoryScope factory;
        const std::string path = std::string("Resources\\LevelData\\") + level;
        testing::internal::CaptureStdout();
        GameLogic::LoadLevel(path);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_FALSE(factory->mObjects.empty());
        ASSERT_TRUE(factory->SaveLevel(path));
        const std::string relative = std::string("Resources/LevelData/") + level;
        EXPECT_EQ(ReadFile(relative + ".xml"), content.Original(relative + ".xml"));
        EXPECT_EQ(ReadFile(relative + ".dat"), content.Original(relative + ".dat"));
    }
}

TEST(ContentRoundTrip, TheShippedArchetypesSaveBackToTheSameBytes)
{
    ContentCopy content;
    TestSupport::FactoryScope factory;
    factory->LoadArchetypes();
    EXPECT_FALSE(factory->mArchetypes.empty());
    factory->SaveArchetypes();
    for (const auto& entry : std::filesystem::directory_iterator("Resources/Archetype"))
    {
        const std::string relative = "Resources/Archetype/" + entry.path().filename().string();
        EXPECT_EQ(ReadFile(relative), content.Original(relative)) << relative;
    }
}

TEST(ContentRoundTrip, TheProgramStartsOnTheSplashScreenLoadedOffTheMainThread)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    TestSupport::TempFolder home;
    TestSupport::TempFolder work;
    TestSupport::CopyResources(work.Path());
    const std::string out = work.File("stdout.txt");
    const std::string log = home.File("Documents/Kestrome/Vorlane.log");
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
    {
        setenv("HOME", home.Path().c_str(), 1);
        unsetenv("XDG_DOCUMENTS_DIR");
        setenv("XDG_CONFIG_HOME", home.File(".config").c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (chdir(work.Path().c_str()) != 0 || !freopen(out.c_str(), "w", stdout))
            _exit(126);
        execl(TANDREL_PROGRAM, TANDREL_PROGRAM, static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (ReadFile(log).find("Game is running.") == std::string::npos && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    kill(pid, SIGTERM);
    int status = -1;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));

    const std::string printed = ReadFile(out);
    EXPECT_EQ(printed.find("LOADING 0 percent\n"), 0u);
    EXPECT_NE(printed.find("LOADING 99 percent\nDone Loading\n"), std::string::npos);
    const std::string text = ReadFile(log);
    EXPECT_NE(text.find("Loading from : Resources\\Archetype\\Box.txt"), std::string::npos);
    EXPECT_LT(text.find("End of Archetype Loading .."), text.find("Game is running."));
    EXPECT_LT(text.find("Engine will now exit Game Loop."), text.find("End of Archetype Saving .."));
    for (const char* file : {"Archetype/Archetype.dat", "Archetype/Box.txt", "LevelData/SplashScreen.dat",
                             "LevelData/SplashScreen.xml"})
        EXPECT_EQ(ReadFile(work.File(std::string("Resources/") + file)),
                  ReadFile(std::string(TANDREL_SOURCE_DIR) + "/Resources/" + file))
            << file;
}
