#include <gtest/gtest.h>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <memory>
#include "audio/AudioManager.h"
#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "physics/Physics.h"
#include "platform/Platform.h"
#include "support/TestSupport.h"
#include "game/GameFrame.h"

using namespace Framework;
using TestSupport::RecordingSystem;

namespace
{
// A core engine with the input system, a recording system and the game logic,
// run from a temporary copy of the content.
struct LoopEngine
{
    TestSupport::TempFolder docs;
    TestSupport::TempFolder work;
    std::unique_ptr<TestSupport::WorkingDirectory> cwd;
    std::unique_ptr<DebugSystem> debug;
    std::unique_ptr<CoreEngine> core;
    std::vector<std::string> journal;
    InputSys* input = nullptr;
    RecordingSystem* recorder = nullptr;
    GameLogic* logic = nullptr;

    LoopEngine()
    {
        TestSupport::CopyResources(work.Path());
        cwd = std::make_unique<TestSupport::WorkingDirectory>(work.Path());
        debug = std::make_unique<DebugSystem>(docs.Path());
        core = std::make_unique<CoreEngine>();
        input = new InputSys();
        recorder = new RecordingSystem("Recorder", &journal);
        logic = new GameFrame(); // the loop's pause, flush and level switch
        core->AddSystem(input);
        core->AddSystem(recorder);
        core->AddSystem(logic);
        debug->InitProfiler();
        core->Initialize();
    }
    ~LoopEngine()
    {
        core->DestroySystems();
        core.reset();
        debug.reset();
    }
    LevelState& State() { return logic->mState; }
    void Press(int vk) { input->HandleWindowMessage(WM_KEYDOWN, static_cast<WPARAM>(vk), 0); }
    void Release(int vk) { input->HandleWindowMessage(WM_KEYUP, static_cast<WPARAM>(vk), 0); }
    // A key message reaches the key state in the input update of the next frame,
    // and the loop reads the keys at the start of the frame after that.
    void Frames(int n)
    {
        for (int i = 0; i < n; ++i)
            core->RunFrame();
    }
};
} // namespace

TEST(CoreEngineLoop, QuitDuringALevelFinishesTheFrameThenEnds)
{
    LoopEngine engine;
    int updates = 0;
    engine.recorder->mOnUpdate = [&]
    {
        if (++updates == 3)
        {
            Message quit(MessageId::Quit);
            engine.core->BroadcastMessage(&quit);
            engine.journal.push_back("quit sent");
            // A switch later in the same frame (F6, a timer, a button) used to undo the quit.
            engine.State().mNext = GameState::MAIN_MENU;
        }
        else if (updates > 100)
            engine.State().mNext = GameState::QUIT; // the quit was lost: end the test anyway
    };
    engine.core->GameLoop();
    EXPECT_EQ(engine.State().mCurrent, GameState::QUIT);
    EXPECT_EQ(updates, 3);
    // The quit message reached the recorder, and the frame went on after it.
    const auto quit = std::find(engine.journal.begin(), engine.journal.end(), "Recorder:message1");
    EXPECT_NE(quit, engine.journal.end());
}

// In a child process: SIGTERM's flag is for the whole process. The message
// the first SIGTERM queues may be long gone; the flag alone ends the loop.
TEST(CoreEngineLoop, EverySigtermEndsTheLoopAfterItsFrame)
{
    EXPECT_EXIT(
        {
            LoopEngine engine;
            Platform::CatchTerminate();
            int updates = 0;
            engine.recorder->mOnUpdate = [&]
            {
                if (++updates == 3)
                    raise(SIGTERM);
                engine.State().mNext = updates > 100 ? GameState::QUIT : GameState::MAIN_MENU;
            };
            engine.core->GameLoop();
            std::_Exit(updates == 3 && engine.State().mCurrent == GameState::QUIT ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(CoreEngineLoop, RestartReloadsTheLevelOfThePreviousState)
{
    LoopEngine engine;
    std::vector<std::pair<uint32_t, std::string>> passes;
    int frame = 0;
    engine.recorder->mOnUpdate = [&]
    {
        LevelState& s = engine.State();
        if (frame++ == 0)
        {
            passes.push_back({s.mCurrent, s.GetCurrentLevel()});
            return;
        }
        passes.push_back({s.mCurrent, s.GetCurrentLevel()});
        if (s.mCurrent == GameState::SPLASH_SCREEN)
        {
            s.SetNextLevel("Resources\\LevelData\\Level10");
            s.mNext = GameState::LEVEL;
        }
        else if (s.mCurrent == GameState::LEVEL && passes.size() < 5)
            s.mNext = GameState::RESTART;
        else
            s.mNext = GameState::QUIT;
    };
    engine.core->GameLoop();
    ASSERT_GE(passes.size(), 4u);
    EXPECT_EQ(passes[0].first, GameState::SPLASH_SCREEN);
    EXPECT_EQ(passes[0].second, "Resources\\LevelData\\SplashScreen");
    EXPECT_EQ(passes[2].first, GameState::LEVEL);
    EXPECT_EQ(passes[2].second, "Resources\\LevelData\\Level10");
    EXPECT_EQ(passes[3].first, GameState::LEVEL);
    EXPECT_EQ(passes[3].second, "Resources\\LevelData\\Level10");
    EXPECT_EQ(engine.State().mFirstLevelPath, "Resources\\LevelData\\Level1");
}

TEST(CoreEngineLoop, EscapePausesOnlyInALevel)
{
    LoopEngine engine;
    Physics physics;
    AudioManager audio;
    physics.mRunning = true;
    LevelState& s = engine.State();

    s.mCurrent = s.mNext = GameState::MAIN_MENU;
    engine.Press(VK_ESCAPE);
    engine.Frames(2);
    EXPECT_FALSE(engine.core->mPaused);
    engine.Release(VK_ESCAPE);
    engine.Frames(2);

    s.mCurrent = s.mNext = GameState::LEVEL;
    engine.Press(VK_ESCAPE);
    engine.Frames(2);
    EXPECT_TRUE(engine.core->mPaused);
    EXPECT_FALSE(physics.mRunning);
    EXPECT_TRUE(audio.mPaused);
    engine.Frames(3); // held, not triggered: no second toggle
    EXPECT_TRUE(engine.core->mPaused);
    engine.Release(VK_ESCAPE);
    engine.Frames(2);
    engine.Press(VK_ESCAPE);
    engine.Frames(2);
    EXPECT_FALSE(engine.core->mPaused);
    EXPECT_TRUE(physics.mRunning);
    EXPECT_FALSE(audio.mPaused);
}

TEST(CoreEngineLoop, CtrlFTogglesTheProfilerAndFramesFillItsSamples)
{
    LoopEngine engine;
    engine.Press(VK_CONTROL);
    engine.Frames(2);
    engine.Press('F');
    engine.Frames(2);
    EXPECT_TRUE(gDebug->mProfilerShown);
    EXPECT_EQ(gDebug->mFrameIndex, 4);
    engine.Frames(2);
    EXPECT_TRUE(gDebug->mProfilerShown); // F held: no second toggle
    // The dt record holds the dt handed to that frame's systems, in milliseconds.
    EXPECT_NEAR(gDebug->mRecords.back().mSamples[6], 16.667f, 0.01f);
}

TEST(CoreEngineLoop, MessagesReachEverySystemInInsertionOrder)
{
    LoopEngine engine;
    auto* second = new RecordingSystem("Second", &engine.journal);
    engine.core->AddSystem(second);
    engine.journal.clear();
    WindowMessage message(nullptr, WM_SIZE, 0, 0);
    engine.core->BroadcastMessage(&message);
    const std::vector<std::string> expected = {"Recorder:message2", "Second:message2"};
    EXPECT_EQ(engine.journal, expected);
}

TEST(CoreEngineLoop, SetPauseDrivesPhysicsAndAudio)
{
    LoopEngine engine;
    Physics physics;
    AudioManager audio;
    engine.core->SetPause(true);
    EXPECT_FALSE(physics.mRunning);
    EXPECT_TRUE(audio.mPaused);
    engine.core->SetPause(false);
    EXPECT_TRUE(physics.mRunning);
    EXPECT_FALSE(audio.mPaused);
}
