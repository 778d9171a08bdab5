#include <gtest/gtest.h>
#include <cstdlib>
#include "audio/AudioManager.h"
#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "core/engine/EngineConfig.h"
#include "core/game/GameLogic.h"
#include "core/window/WindowSystem.h"
#include "editor/OurImGui.h"
#include "physics/Physics.h"
#include "platform/Platform.h"
#include "support/ObjectTestSupport.h"
#include "support/TestSupport.h"
#include "game/GameFrame.h"

using namespace Framework;

namespace
{
// The game logic with its frame, which pauses the loop on focus loss.
GameLogic* MakeGameLogic() { return new GameFrame(); }
bool HaveDisplay() { return std::getenv("DISPLAY") != nullptr; }

struct WindowFixture : ::testing::Test
{
    TestSupport::TempFolder docs;
    DebugSystem debug{docs.Path()};
    CoreEngine core;
    std::vector<std::string> journal;
    GameLogic* logic = MakeGameLogic();
    TestSupport::RecordingSystem* recorder = new TestSupport::RecordingSystem("Recorder", &journal);
    WindowSystem* window = nullptr;

    void SetUp() override
    {
        if (!HaveDisplay())
            GTEST_SKIP() << "no display";
        EngineConfig config(docs.Path());
        config.mWidth = 640;
        config.mHeight = 480;
        window = new WindowSystem(&config);
        core.AddSystem(recorder);
        core.AddSystem(window);
        core.AddSystem(logic);
        logic->mState.mCurrent = logic->mState.mNext = GameState::LEVEL;
    }
    void TearDown() override
    {
        core.DestroySystems();
        if (!window)
        {
            delete logic;
            delete recorder;
        }
    }
};
} // namespace

TEST_F(WindowFixture, CloseRequestsQuitAndEveryMessageIsBroadcastFirst)
{
    window->WindowProc(window->mWindow, WM_DESTROY, 0, 0);
    EXPECT_EQ(logic->mState.mNext, GameState::QUIT);
    ASSERT_FALSE(recorder->mWindowMessages.empty());
    EXPECT_EQ(recorder->mWindowMessages.back(), static_cast<uint32_t>(WM_DESTROY));
}

TEST_F(WindowFixture, QuitMessageFromTheQueueEndsTheState)
{
    Platform::PostQuitMessage();
    window->Update(0.0f);
    EXPECT_EQ(logic->mState.mNext, GameState::QUIT);
    EXPECT_NE(std::find(journal.begin(), journal.end(), "Recorder:message1"), journal.end());
}

TEST_F(WindowFixture, FocusLossPausesOnlyInALevel)
{
    Physics physics;
    AudioManager audio;
    physics.mRunning = true;
    logic->mState.mCurrent = GameState::MAIN_MENU;
    window->WindowProc(window->mWindow, WM_ACTIVATE, 0, 0);
    EXPECT_FALSE(core.mPaused);
    EXPECT_TRUE(physics.mRunning);

    logic->mState.mCurrent = GameState::LEVEL;
    window->WindowProc(window->mWindow, WM_ACTIVATE, 0, 0);
    EXPECT_TRUE(core.mPaused);
    EXPECT_FALSE(physics.mRunning);
    EXPECT_TRUE(audio.mPaused);
    // Getting the focus back does not resume.
    window->WindowProc(window->mWindow, WM_ACTIVATE, 1, 0);
    EXPECT_TRUE(core.mPaused);
}

TEST_F(WindowFixture, SizeMessagesUpdateTheClientSizeButNeverToZero)
{
    window->WindowProc(window->mWindow, WM_SIZE, 0, MakeLParam(1024, 700));
    EXPECT_EQ(window->mWidth, 1024);
    EXPECT_EQ(window->mHeight, 700);
    window->WindowProc(window->mWindow, WM_SIZE, 0, MakeLParam(0, 0));
    EXPECT_EQ(window->mWidth, 1024);
    EXPECT_EQ(window->mHeight, 700);
}

TEST_F(WindowFixture, FullscreenToggleUsesTheScreenThenAlwaysTheWindowedSize)
{
    int screenW = 0, screenH = 0;
    Platform::GetScreenSize(screenW, screenH);
    window->ToggleFullScreen();
    EXPECT_TRUE(window->mFullscreen);
    EXPECT_EQ(window->mWidth, screenW);
    EXPECT_EQ(window->mHeight, screenH);
    window->ToggleFullScreen();
    EXPECT_FALSE(window->mFullscreen);
    EXPECT_EQ(window->mWidth, 1366);
    EXPECT_EQ(window->mHeight, 768);
    int w = 0, h = 0;
    Platform::GetWindowClientSize(w, h);
    EXPECT_EQ(w, 1366);
    EXPECT_EQ(h, 768);
}

TEST(WindowSize, ASizeTheDisplayCannotShowOrTooSmallToUseBecomesTheDefault)
{
    if (!HaveDisplay())
        GTEST_SKIP() << "no display";
    // 0 x 0 is what an empty configuration file gives.
    for (const auto& [width, height] : {std::pair{16384, 16384}, std::pair{0, 0}, std::pair{1, 1}, std::pair{800, 600}})
    {
        TestSupport::LogCapture log;
        EngineConfig config("");
        config.mWidth = static_cast<uint32_t>(width);
        config.mHeight = static_cast<uint32_t>(height);
        WindowSystem window(&config);
        const bool kept = width == 800;
        EXPECT_EQ(window.mWidth, kept ? 800 : 1366) << width;
        EXPECT_EQ(window.mHeight, kept ? 600 : 768) << height;
        EXPECT_EQ(log.Text().find("1366 x 768 is used.") != std::string::npos, !kept) << log.Text();
    }
}
