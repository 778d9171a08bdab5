// Runs the real program under the test display and stops it the way a desktop does.
#include <gtest/gtest.h>
#include <cstdlib>
#include "support/ProgramRun.h"

TEST(Program, StopsCleanlyOnSigtermAndLeavesTheContentUntouched)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    TestSupport::ProgramRun run;
    const std::string before = TestSupport::ListTree(run.Work().File("Resources"));
    ASSERT_TRUE(run.Start());
    const bool running = run.WaitForLog("Game is running.");
    const int exitCode = run.Stop();
    ASSERT_TRUE(running) << run.Log();
    EXPECT_EQ(exitCode, 0);

    const std::vector<std::string> lines = TestSupport::ReadLines(run.LogPath());
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(TestSupport::StripStamp(lines.back()), "============================ [END SESSION] ============================");
    const std::string text = run.Log();
    EXPECT_NE(text.find("All game objected flushed."), std::string::npos);
    EXPECT_NE(text.find("Engine will now exit Game Loop."), std::string::npos);
    EXPECT_LT(text.find("Input System will now be terminated."), text.find("OurImGui will now be terminated."));
    EXPECT_EQ(TestSupport::ListTree(run.Work().File("Resources")), before);
}
