// A new player's first minutes, played on the real program: the splash hands
// over to the main menu, a click on PLAY starts the story, the story leads
// into Level1, and Level1's recording, its keys pressed at the wall-clock
// times of their frames, wins it: the win screen shows, and the game settings
// the program writes as it closes mark Level1 won and Level2 open.
//
// Keys and clicks go through the X display (xdotool), so nothing else may
// draw on it meanwhile: the suite runs alone. Without a display, xdotool or
// ImageMagick's import the test is skipped, saying what is missing; so it is
// on a machine that runs the game at less than half of real time, where keys
// timed by the wall clock would say nothing about the level.
#include <gtest/gtest.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>
#include "support/ProgramRun.h"
#include "support/SyntheticInput.h"

using Clock = std::chrono::steady_clock;
using Seconds = std::chrono::duration<double>;

namespace
{
// One level switch each: the game loop logs it as the level's first frame ends.
const char* const LevelRunning = "Game is running.";
// The splash moves on by itself after this many seconds of game time.
constexpr double SplashSeconds = 14.0;
// Below this share of real time a wall-clock replay says nothing about the level.
constexpr double SlowestPace = 0.5;

bool WaitForSwitches(const TestSupport::ProgramRun& run, size_t count, double seconds)
{
    const auto end = Clock::now() + Seconds(seconds);
    while (Clock::now() < end)
    {
        if (TestSupport::CountOf(run.Log(), LevelRunning) >= count)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return TestSupport::CountOf(run.Log(), LevelRunning) >= count;
}

// A recording's taps: "frame KEY" lines of 1/64 s frames, '#' comments, "end frame".
struct Taps
{
    std::multimap<int, std::string> mKeys; // frame -> X key name
    int mEnd = 0;
};

Taps ReadTaps(const std::string& path)
{
    static const std::map<std::string, std::string> xNames = {
        {"SPACE", "space"}, {"UP", "Up"}, {"RIGHT", "Right"}, {"ESCAPE", "Escape"}};
    Taps taps;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);)
    {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string first, second;
        fields >> first >> second;
        if (first == "end")
            taps.mEnd = std::atoi(second.c_str());
        else if (xNames.count(second))
            taps.mKeys.emplace(std::atoi(first.c_str()), xNames.at(second));
    }
    return taps;
}

// The win screen's frame is green down both sides (the lose screen's is grey):
// the card stands inside the screen, its rim about 4 % in from either side.
bool ShowsWinScreen(const TestSupport::ScreenImage& screen, const TestSupport::SyntheticInput& window,
                    std::string& seen)
{
    const int rim = static_cast<int>(window.Width() * 0.042);
    const int left = window.X() + rim;
    const int right = window.X() + window.Width() - 1 - rim;
    seen.clear();
    bool green = true;
    for (int x : {left, right})
        for (double height : {0.3, 0.7})
        {
            const int y = window.Y() + static_cast<int>(window.Height() * height);
            int r = 0, g = 0, b = 0;
            screen.Pixel(x, y, r, g, b);
            green = green && g > 150 && g > r + 50 && g > b + 50;
            seen += screen.Describe(x, y) + "; ";
        }
    return green;
}

std::string GameSettings(const TestSupport::ProgramRun& run)
{
    return TestSupport::ReadFile(run.Work().File("Resources/LevelData/GameSettings.xml"));
}
} // namespace

TEST(Playthrough, FromTheSplashThroughTheMenuAndTheStoryToWinningLevel1)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X display (DISPLAY is not set): the playthrough needs one, e.g. ./test.sh's Xvfb";
    if (!TestSupport::HaveCommand("xdotool"))
        GTEST_SKIP() << "xdotool is not installed: the playthrough presses keys and clicks with it "
                        "(bash tools/setup.sh installs it)";
    if (!TestSupport::HaveCommand("import"))
        GTEST_SKIP() << "ImageMagick's import is not installed: the playthrough reads the screen with it "
                        "(bash tools/setup.sh installs it)";
    if (TestSupport::CommandOutput("xdotool getdisplaygeometry 2>/dev/null").empty())
        GTEST_SKIP() << "no X server answers on DISPLAY=" << std::getenv("DISPLAY");
    const Taps taps = ReadTaps(std::string(TANDREL_SOURCE_DIR) + "/tests/content/recordings/Level1.txt");
    ASSERT_FALSE(taps.mKeys.empty());
    ASSERT_GT(taps.mEnd, 0);

    TestSupport::ProgramRun run;
    ASSERT_NE(GameSettings(run).find("<Level1 Value=\"0\"/>"), std::string::npos) << "Level1 starts unwon";
    ASSERT_TRUE(run.Start());

    // 1. The splash, then the menu by itself.
    ASSERT_TRUE(WaitForSwitches(run, 1, 120)) << "the splash never ran:\n" << run.Log();
    const auto splashStart = Clock::now();
    TestSupport::SyntheticInput input;
    ASSERT_TRUE(input.FindWindow("GameName", 30)) << "no window titled GameName on the display";
    input.Focus();
    ASSERT_TRUE(WaitForSwitches(run, 2, 180)) << "the splash did not hand over to the menu";
    const double pace = SplashSeconds / Seconds(Clock::now() - splashStart).count();
    std::printf("The splash's %.0f s of game time took %.1f s: the game runs at %.2f of real time.\n", SplashSeconds,
                SplashSeconds / pace, pace);
    if (pace < SlowestPace)
        GTEST_SKIP() << "this machine runs the game at " << pace << " of real time, too slow for keys timed "
                     << "by the wall clock to mean anything";

    // 2. PLAY: the menu camera looks at (31, 15) at zoom 76.8 and the button
    // stands at (31, 16.2); the world's half view at zoom 1 is 675 x 365.
    const int playX = input.Width() / 2;
    const int playY = static_cast<int>(input.Height() / 2.0 - 1.2 * 76.8 / 365.0 * input.Height() / 2.0);
    std::this_thread::sleep_for(std::chrono::seconds(1));
    int clicks = 0;
    bool storyStarted = false;
    while (clicks < 3 && !storyStarted)
    {
        input.Click(playX, playY);
        ++clicks;
        storyStarted = WaitForSwitches(run, 3, 15);
    }
    ASSERT_TRUE(storyStarted) << "a click on PLAY at (" << playX << ", " << playY << ") did not start the story";
    std::printf("PLAY started the story at click %d.\n", clicks);

    // 3. The story ends by itself and Level1 starts.
    ASSERT_TRUE(WaitForSwitches(run, 4, 60)) << "the story did not lead into a level";
    const auto levelStart = Clock::now();

    // 4. The recording, each key at its frame's time after the level's first frame.
    for (const auto& [frame, key] : taps.mKeys)
    {
        std::this_thread::sleep_until(levelStart + std::chrono::duration_cast<Clock::duration>(Seconds(frame / 64.0)));
        input.Tap(key);
    }

    // 5. The win screen, at the latest a minute of real time after the recording's end.
    const auto deadline = levelStart + std::chrono::duration_cast<Clock::duration>(Seconds(taps.mEnd / 64.0 + 60.0));
    TestSupport::ScreenImage screen;
    std::string seen;
    bool won = false;
    while (!won && Clock::now() < deadline)
    {
        won = screen.Grab() && ShowsWinScreen(screen, input, seen);
        if (!won)
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }
    EXPECT_TRUE(won) << "no win screen; the screen's sides showed " << seen;
    std::printf("Level1 was won %.1f s after it started.\n", Seconds(Clock::now() - levelStart).count());

    // 6. The stars land within two seconds of the screen; the game settings,
    // written as the program closes, then hold Level1 as won and Level2 open.
    std::this_thread::sleep_for(std::chrono::seconds(4));
    EXPECT_EQ(run.Stop(), 0);
    const std::string settings = GameSettings(run);
    EXPECT_NE(settings.find("<Level1 Value=\"1\"/>"), std::string::npos) << settings;
    EXPECT_NE(settings.find("<Unlocked Value=\"2\"/>"), std::string::npos) << settings;
}
