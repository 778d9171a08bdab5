// The shipped levels and archetypes load and save back to the same bytes, and
// the program loads its first level on the loader thread.
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include "core/GameLogic.h"
#include "graphics/Renderer.h"
#include "support/ObjectTestSupport.h"
#include "support/ProgramRun.h"
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
        RegisterRenderComponentCreators();
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
    TestSupport::ProgramRun run;
    ASSERT_TRUE(run.Start());
    run.WaitForLog("Game is running.");
    ASSERT_EQ(run.Stop(), 0);

    const std::string printed = run.Stdout();
    EXPECT_EQ(printed.find("LOADING 0 percent\n"), 0u);
    EXPECT_NE(printed.find("LOADING 99 percent\nDone Loading\n"), std::string::npos);
    const std::string text = run.Log();
    EXPECT_NE(text.find("Loading from : Resources\\Archetype\\Apple.txt"), std::string::npos);
    EXPECT_LT(text.find("End of Archetype Loading .."), text.find("Game is running."));
    EXPECT_LT(text.find("Engine will now exit Game Loop."), text.find("End of Archetype Saving .."));
    for (const char* file : {"Archetype/Archetype.dat", "Archetype/Apple.txt", "LevelData/SplashScreen.dat",
                             "LevelData/SplashScreen.xml"})
        EXPECT_EQ(ReadFile(run.Work().File(std::string("Resources/") + file)),
                  ReadFile(std::string(TANDREL_SOURCE_DIR) + "/Resources/" + file))
            << file;
}
