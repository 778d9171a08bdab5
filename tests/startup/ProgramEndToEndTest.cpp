// Runs the real program under the test display and stops it the way a desktop
// does; after each run every file is as the README says it may be.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>
#include "support/DisplayProxy.h"
#include "support/ProgramRun.h"

namespace fs = std::filesystem;
using TestSupport::FilesTheProgramWrites;
using TestSupport::TreeDamage;
using TestSupport::TreeFiles;

TEST(Program, StopsCleanlyOnSigtermAndLeavesTheContentUntouched)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    TestSupport::ProgramRun run;
    const std::string before = TestSupport::ListTree(run.Work().File("Resources"));
    const auto homeBefore = TreeFiles(run.Home().Path());
    ASSERT_TRUE(run.Start());
    const bool running = run.WaitForLog("Game is running.");
    const int exitCode = run.Stop();
    ASSERT_TRUE(running) << run.Log();
    EXPECT_EQ(exitCode, 0);

    const std::vector<std::string> lines = TestSupport::ReadLines(run.LogPath());
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(TestSupport::StripStamp(lines.back()),
              "============================ [END SESSION] ============================");
    const std::string text = run.Log();
    EXPECT_NE(text.find("All game objected flushed."), std::string::npos);
    EXPECT_NE(text.find("Engine will now exit Game Loop."), std::string::npos);
    EXPECT_LT(text.find("Input System will now be terminated."), text.find("OurImGui will now be terminated."));
    EXPECT_EQ(TestSupport::ListTree(run.Work().File("Resources")), before);
    EXPECT_EQ(TreeDamage(homeBefore, TreeFiles(run.Home().Path()), FilesTheProgramWrites()), "");
    EXPECT_NE(TestSupport::ReadFile(run.Work().File("imgui.ini")).find("[Window]"), std::string::npos)
        << "the editor's windows are kept where they were";
}

// Copies started together on one display, as a busy test run does: each
// reaches its game loop, having opened the display once (a second connection
// made while the machine is busy is the one that sometimes fails).
TEST(Program, CopiesStartedTogetherEachOpenTheDisplayOnceAndReachTheirGameLoop)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    TestSupport::DisplayProxy display;
    ASSERT_NE(display.Display(), "") << display.Problem();
    constexpr int Copies = 8;
    std::vector<std::unique_ptr<TestSupport::ProgramRun>> runs;
    for (int copy = 0; copy < Copies; ++copy)
    {
        runs.push_back(std::make_unique<TestSupport::ProgramRun>());
        runs.back()->SetEnvironment("DISPLAY", display.Display().c_str());
    }
    for (auto& run : runs)
        ASSERT_TRUE(run->Start());
    for (auto& run : runs)
        EXPECT_TRUE(run->WaitForLog("Game is running.")) << run->Log();
    for (auto& run : runs)
        EXPECT_EQ(run->Stop(), 0);
    // SDL's X11 video opens two connections as it starts (the display and one
    // for requests from other threads): one start per copy.
    constexpr int ConnectionsOfAVideoStart = 2;
    EXPECT_EQ(display.Connections(), Copies * ConnectionsOfAVideoStart);
}

const char* const kPipes[] = {"imgui.ini", "Resources/Art/Apple.png", "Resources/LevelData/SplashScreen.xml",
                              "Resources/Shaders/solid.frag", "Resources/fonts/MAIAN.TTF"};

// Special files, links and read-only lists in one run: the start must not
// block, and the exit must write through the link and leave the rest alone.
TEST(Program, SpecialFilesLinksAndReadOnlyListsSurviveARun)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    TestSupport::ProgramRun run;
    const auto work = [&](const std::string& name) { return run.Work().File(name); };
    const auto home = [&](const std::string& name) { return run.Home().File(name); };
    TestSupport::WriteFile(home(".config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"Docs\"\n");
    fs::create_directories(home("Documents/Kestrome"));
    fs::create_symlink("/dev/zero", home("Documents/Kestrome/EngineCfg.ini"));
    for (const char* pipe : kPipes)
    {
        fs::remove(work(pipe));
        ASSERT_EQ(mkfifo(work(pipe).c_str(), 0644), 0) << pipe;
    }
    fs::create_directories(work("Linked"));
    fs::rename(work("Resources/Art/Art.dat"), work("Linked/Art.dat"));
    fs::create_symlink("../../Linked/Art.dat", work("Resources/Art/Art.dat"));
    const char* const readOnly[] = {"Resources/Archetype/Archetype.dat", "Resources/Art/Animations.dat",
                                    "Resources/Audio/Audio.dat", "Resources/LevelData/GameSettings.xml"};
    for (const char* list : readOnly)
        chmod(work(list).c_str(), 0444);
    struct stat linked;
    ASSERT_EQ(stat(work("Linked/Art.dat").c_str(), &linked), 0);
    const auto workBefore = TreeFiles(run.Work().Path());
    const auto homeBefore = TreeFiles(run.Home().Path());
    // Temporaries of a run killed while writing.
    TestSupport::WriteFile(work("Linked/Art.dat.tmp"), "half");
    TestSupport::WriteFile(work("Resources/Archetype/Archetype.dat.tmp"), "half");
    ASSERT_TRUE(run.Start());
    const bool running = run.WaitForLog("Game is running.", 30);
    const int exitCode = run.Stop(30);
    ASSERT_TRUE(running) << run.Log() << run.Stdout();
    EXPECT_EQ(exitCode, 0);

    auto workAfter = TreeFiles(run.Work().Path());
    workAfter.erase("stdout.txt");
    EXPECT_EQ(TreeDamage(workBefore, workAfter, FilesTheProgramWrites()), "");
    EXPECT_EQ(TreeDamage(homeBefore, TreeFiles(run.Home().Path()), FilesTheProgramWrites()), "");
    EXPECT_FALSE(fs::exists(work("Docs"))) << "a relative documents folder counts as unset";
    EXPECT_TRUE(fs::is_symlink(home("Documents/Kestrome/EngineCfg.ini")));
    for (const char* pipe : kPipes)
        EXPECT_TRUE(fs::is_fifo(work(pipe))) << pipe;
    EXPECT_TRUE(fs::is_symlink(work("Resources/Art/Art.dat")));
    struct stat written;
    ASSERT_EQ(stat(work("Linked/Art.dat").c_str(), &written), 0);
    EXPECT_NE(written.st_ino, linked.st_ino) << "the list is written through its link";
    for (const char* list : readOnly)
        EXPECT_EQ(fs::status(work(list)).permissions(), fs::perms(0444)) << list;
    EXPECT_FALSE(fs::exists(work("Linked/Art.dat.tmp")));
    EXPECT_FALSE(fs::exists(work("Resources/Archetype/Archetype.dat.tmp")));
    const std::string log = run.Log();
    EXPECT_NE(log.find("EngineCfg.ini\" is not a regular file"), std::string::npos) << log;
    EXPECT_NE(log.find("imgui.ini\" is not a regular file"), std::string::npos);
    EXPECT_NE(log.find("is read-only"), std::string::npos);
}

// SIGTERM as soon as the program can take it, with the configuration as a
// pipe and then the log too: the start is not blocked and ends cleanly.
TEST(Program, SigtermDuringTheStartEndsItCleanly)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    for (const bool logIsPipe : {false, true})
    {
        SCOPED_TRACE(logIsPipe ? "the log a pipe" : "the log a file");
        TestSupport::ProgramRun run;
        fs::create_directories(run.Home().File("Documents/Kestrome"));
        ASSERT_EQ(mkfifo(run.Home().File("Documents/Kestrome/EngineCfg.ini").c_str(), 0644), 0);
        if (logIsPipe)
        {
            ASSERT_EQ(mkfifo(run.LogPath().c_str(), 0644), 0);
        }
        const auto workBefore = TreeFiles(run.Work().Path());
        ASSERT_TRUE(run.Start());
        ASSERT_TRUE(run.WaitForTerminateHandler());
        EXPECT_EQ(run.Stop(30), 0) << run.Stdout();
        auto workAfter = TreeFiles(run.Work().Path());
        workAfter.erase("stdout.txt");
        EXPECT_EQ(TreeDamage(workBefore, workAfter, FilesTheProgramWrites()), "");
        EXPECT_TRUE(fs::is_fifo(run.Home().File("Documents/Kestrome/EngineCfg.ini")));
        if (logIsPipe)
        {
            EXPECT_TRUE(fs::is_fifo(run.LogPath()));
            continue;
        }
        const std::string log = run.Log();
        EXPECT_NE(log.find("Asked to end during the start"), std::string::npos) << log;
        EXPECT_NE(log.find("[END SESSION]"), std::string::npos);
    }
}

// Without a display (none named, or SDL left to pick a driver and finding
// only those that show nothing) or without OpenGL 3.3 the program says why and
// ends at once, before anything is loaded: nothing in the content may change.
TEST(Program, WithoutADisplayOrOpenGLItEndsAtOnceAndChangesNothing)
{
    struct Case
    {
        const char* mDriver;    // SDL_VIDEODRIVER, null: unset
        bool mDisplay;          // DISPLAY kept
        const char* mGLVersion; // what Mesa offers, null: its own
        const char* mProblem;
    };
    std::vector<Case> cases = {{"x11", false, nullptr, "No window could be created ("},
                               {nullptr, false, nullptr, "No window could be created ("}};
    if (std::getenv("DISPLAY"))
        cases.push_back({"x11", true, "3.0", "No OpenGL 3.3 context could be created on the window ("});
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.mProblem + std::string(test.mDriver ? test.mDriver : "SDL's own choice"));
        TestSupport::ProgramRun run;
        if (!test.mDisplay)
        {
            run.SetEnvironment("DISPLAY", nullptr);
            run.SetEnvironment("WAYLAND_DISPLAY", nullptr);
        }
        run.SetEnvironment("SDL_VIDEODRIVER", test.mDriver);
        run.SetEnvironment("MESA_GL_VERSION_OVERRIDE", test.mGLVersion);
        const auto workBefore = TreeFiles(run.Work().Path());
        ASSERT_TRUE(run.Start());
        EXPECT_EQ(run.WaitForExit(30), 1);
        const std::string error = run.Stderr();
        EXPECT_NE(error.find(test.mProblem), std::string::npos) << error;
        EXPECT_NE(error.find("); the program ends. It needs "), std::string::npos) << error;
        auto workAfter = TreeFiles(run.Work().Path());
        workAfter.erase("stdout.txt");
        workAfter.erase("stderr.txt");
        EXPECT_TRUE(workAfter == workBefore) << "the work folder changed";
        const std::string log = run.Log();
        EXPECT_NE(log.find(test.mProblem), std::string::npos) << log;
        EXPECT_EQ(log.find("added into engine."), std::string::npos) << "no system is made";
        EXPECT_EQ(log.find("Begin display window."), std::string::npos);
        EXPECT_NE(log.find("[END SESSION]"), std::string::npos);
    }
}
