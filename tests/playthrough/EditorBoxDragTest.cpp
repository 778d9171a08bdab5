// A designer's box drag on the real program: Level1 open in the editor (F5),
// the view panned with the right button, a crate Ctrl-dragged 3 units to the
// left, and F7's play-test save holding the crate where it was dropped, not
// turned. Level1 is opened as the first level the program loads (its files
// copied over the splash screen's in the run's own copy of the content), so
// no menu needs to be played through first.
//
// Like the playthrough it drives the X display with xdotool and runs alone;
// without a display or xdotool it is skipped, saying what is missing.
#include <gtest/gtest.h>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <thread>
#include "support/ProgramRun.h"
#include "support/SyntheticInput.h"

namespace
{
using Clock = std::chrono::steady_clock;

// The editor camera: at (0, 0), zoom 25; the world's half view at zoom 1 is 675 wide.
constexpr double EditorZoom = 25.0;
constexpr double HalfViewWidth = 675.0;
constexpr double HalfViewHeight = 365.0;
// CrateStep1 of Level1 stands at (27.5, 2.75), behind the component editor until the view pans.
constexpr double CrateX = 27.5;
constexpr double CrateY = 2.75;

bool WaitFor(const std::function<bool()>& done, double seconds)
{
    const auto end = Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    while (Clock::now() < end)
    {
        if (done())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return done();
}

void Xdo(const std::string& steps) { TestSupport::CommandOutput("xdotool " + steps + " 2>/dev/null"); }

// A move in the program's window. Pointer motion reaches the program's
// pointer query with the next button event: a click of the ignored side
// button 8 follows it.
std::string MoveTo(const std::string& window, int x, int y)
{
    return "mousemove --window " + window + " --sync " + std::to_string(x) + " " + std::to_string(y) +
           " sleep 0.3 click 8 sleep 0.3 ";
}

// The crate's "Position" line in a saved level ("" when there is none).
std::string CratePosition(const std::string& level)
{
    const size_t crate = level.find("<CrateStep1 ");
    if (crate == std::string::npos)
        return "";
    const size_t position = level.find("<Position ", crate);
    return position == std::string::npos ? "" : level.substr(position, level.find('>', position) - position);
}
} // namespace

TEST(EditorBoxDrag, ACtrlDragMovesALevel1CrateByThePointersMotionAndF7SavesIt)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no X display (DISPLAY is not set): the drag needs one, e.g. ./test.sh's Xvfb";
    if (!TestSupport::HaveCommand("xdotool"))
        GTEST_SKIP() << "xdotool is not installed (bash tools/setup.sh installs it)";
    if (TestSupport::CommandOutput("xdotool getdisplaygeometry 2>/dev/null").empty())
        GTEST_SKIP() << "no X server answers on DISPLAY=" << std::getenv("DISPLAY");

    TestSupport::ProgramRun run;
    namespace fs = std::filesystem;
    const std::string data = run.Work().File("Resources/LevelData/");
    for (const char* extension : {".xml", ".dat"})
        fs::copy_file(data + "Level1" + extension, data + "SplashScreen" + extension,
                      fs::copy_options::overwrite_existing);
    ASSERT_NE(CratePosition(TestSupport::ReadFile(data + "Level1.xml")).find("X=\"27.5\" Y=\"2.75\""),
              std::string::npos);
    ASSERT_TRUE(run.Start());
    const char* const running = "Game is running.";
    ASSERT_TRUE(WaitFor([&] { return TestSupport::CountOf(run.Log(), running) >= 1; }, 120)) << run.Log();
    TestSupport::SyntheticInput input;
    ASSERT_TRUE(input.FindWindow("GameName", 30));
    input.Focus();
    const std::string window = TestSupport::CommandOutput("xdotool search --name '^GameName$' | head -n 1");
    ASSERT_FALSE(window.empty());
    const std::string id = window.substr(0, window.find('\n'));

    input.Tap("F5");
    ASSERT_TRUE(WaitFor([&] { return TestSupport::CountOf(run.Log(), running) >= 2; }, 60))
        << "F5 did not open the editor";
    std::this_thread::sleep_for(std::chrono::seconds(2));

    // Pan 20 units right: the view follows the right button 1 unit a 25 pixels.
    const double pixelsPerUnitX = EditorZoom * input.Width() / 2.0 / HalfViewWidth;
    const double pixelsPerUnitY = EditorZoom * input.Height() / 2.0 / HalfViewHeight;
    const int panY = input.Height() / 2 + 16;
    Xdo(MoveTo(id, 700, panY) + "mousedown 3 sleep 0.4 " + MoveTo(id, 450, panY) + MoveTo(id, 200, panY) +
        "sleep 0.3 mouseup 3 sleep 0.5");
    const double cameraX = 500.0 / EditorZoom;

    // Ctrl-drag the crate 3 units to the left, in two moves.
    const int crateX = static_cast<int>(std::lround(input.Width() / 2.0 + (CrateX - cameraX) * pixelsPerUnitX));
    const int crateY = static_cast<int>(std::lround(input.Height() / 2.0 - CrateY * pixelsPerUnitY));
    const int dropX = static_cast<int>(std::lround(input.Width() / 2.0 + (CrateX - 3.0 - cameraX) * pixelsPerUnitX));
    Xdo(MoveTo(id, crateX, crateY) + "keydown ctrl sleep 0.3 mousedown 1 sleep 0.4 " +
        MoveTo(id, (crateX + dropX) / 2, crateY) + MoveTo(id, dropX, crateY) +
        "sleep 0.3 mouseup 1 sleep 0.3 keyup ctrl sleep 0.5");

    // F7 saves the edited level as "level_test" and plays it.
    input.Tap("F7");
    const std::string saved = data + "level_test.xml";
    ASSERT_TRUE(WaitFor([&] { return TestSupport::CountOf(run.Log(), running) >= 3; }, 60))
        << "F7 did not play the level";
    EXPECT_EQ(run.Stop(), 0);
    const std::string position = CratePosition(TestSupport::ReadFile(saved));
    std::smatch values;
    ASSERT_TRUE(std::regex_search(position, values, std::regex("X=\"([-0-9.e]+)\" Y=\"([-0-9.e]+)\"")))
        << "no crate in the saved level: " << position;
    // A pixel is 0.04 units at this zoom.
    EXPECT_NEAR(std::stod(values[1]), CrateX - 3.0, 0.1) << position;
    EXPECT_NEAR(std::stod(values[2]), CrateY, 0.1) << position;
    const std::string level = TestSupport::ReadFile(saved);
    const size_t crate = level.find("<CrateStep1 ");
    const size_t rotation = level.find("<Rotation Value=\"", crate);
    ASSERT_NE(rotation, std::string::npos);
    EXPECT_EQ(level.substr(rotation, 20), "<Rotation Value=\"0\"/") << "the crate was turned";
}
