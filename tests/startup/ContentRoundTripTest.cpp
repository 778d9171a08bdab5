// The program loads its first level on the loader thread and leaves the
// shipped content as it found it.
#include <gtest/gtest.h>
#include <cstdlib>
#include "support/ProgramRun.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::ReadFile;

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
    EXPECT_NE(text.find("Loading from : Resources\\Archetype\\Player.txt"), std::string::npos);
    EXPECT_LT(text.find("End of Archetype Loading .."), text.find("Game is running."));
    EXPECT_LT(text.find("Engine will now exit Game Loop."), text.find("End of Archetype Saving .."));
    for (const char* file : {"Archetype/Archetype.dat", "Archetype/Player.txt", "LevelData/SplashScreen.dat",
                             "LevelData/SplashScreen.xml"})
        EXPECT_EQ(ReadFile(run.Work().File(std::string("Resources/") + file)),
                  ReadFile(std::string(TANDREL_SOURCE_DIR) + "/Resources/" + file))
            << file;
}
