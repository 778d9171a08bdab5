#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include "core/engine/CoreEngine.h"
#include "core/engine/ThreadStart.h"
#include "core/game/GameLogic.h"
#include "physics/Physics.h"
#include "physics/SpatialGrid.h"
#include "platform/Platform.h"
#include "support/ObjectTestSupport.h"
#include "support/TestSupport.h"
#include "game/GameFrame.h"

using namespace Framework;
using TestSupport::ProbeComponent;
using TestSupport::WriteFile;

namespace
{
std::string ObjectXml(const std::string& level, const std::string& name, const std::string& extra = "")
{
    return "<" + level + "><GameObjects GameObjectCount=\"1\"><" + name + " GameObjectName=\"" + name +
           "\"><ObjectTag Value=\"0\"/><Transform/>" + extra + "</" + name + "></GameObjects></" + level + ">";
}

// A copy of the content to run from, a factory, physics and the game logic.
struct SwitchScope
{
    TestSupport::TempFolder work;
    std::unique_ptr<TestSupport::WorkingDirectory> cwd;
    TestSupport::FactoryScope factory;
    std::unique_ptr<Physics> physics;
    std::unique_ptr<GameFrame> logic;

    SwitchScope()
    {
        TestSupport::CopyResources(work.Path());
        cwd = std::make_unique<TestSupport::WorkingDirectory>(work.Path());
        physics = std::make_unique<Physics>();
        logic = std::make_unique<GameFrame>();
        WriteFile(work.File("Resources/LevelData/Level3.xml"), ObjectXml("Level3", "Level3Thing"));
        WriteFile(work.File("Resources/LevelData/Level10.xml"), ObjectXml("Level10", "Level10Thing"));
        // Stand-ins for the shipped interface and first level, so the switch
        // order is tested whatever those levels hold.
        WriteFile(work.File("Resources/LevelData/UI.xml"), ObjectXml("UI", "HealthBar"));
        WriteFile(work.File("Resources/LevelData/Level1.xml"), ObjectXml("Level1", "Box"));
    }
    LevelState& State() { return logic->mState; }
    // Enters a state as the game loop does, with stdout captured.
    std::string Enter(uint32_t state, const std::string& path = "")
    {
        State().mCurrent = State().mNext = state;
        if (!path.empty())
            State().SetNextLevel(path);
        testing::internal::CaptureStdout();
        logic->SwitchLevel();
        return testing::internal::GetCapturedStdout();
    }
    uint32_t IdOf(const std::string& name)
    {
        Composition* object = factory->FindObject(name);
        return object ? object->mId : ~0u;
    }
};
} // namespace

TEST(LevelSwitchOrder, ALevelLoadsTheUiLevelFirst)
{
    SwitchScope scope;
    scope.Enter(GameState::LEVEL, "Resources\\LevelData\\Level3");
    ASSERT_NE(scope.factory->FindObject("HealthBar"), nullptr);
    ASSERT_NE(scope.factory->FindObject("Level3Thing"), nullptr);
    EXPECT_LT(scope.IdOf("HealthBar"), scope.IdOf("Level3Thing"));
    EXPECT_EQ(scope.State().GetCurrentLevel(), "Resources\\LevelData\\Level3");
}

TEST(LevelSwitchOrder, LevelsWithTheirOwnInterfaceLoadAlone)
{
    SwitchScope scope;
    scope.Enter(GameState::LEVEL, "Resources\\LevelData\\Level10");
    EXPECT_EQ(scope.factory->FindObject("HealthBar"), nullptr);
    EXPECT_NE(scope.factory->FindObject("Level10Thing"), nullptr);
    scope.factory->DestroyAllObjects();
    scope.Enter(GameState::LEVEL, "Resources\\LevelData\\level_test");
    EXPECT_EQ(scope.factory->FindObject("HealthBar"), nullptr);
    EXPECT_NE(scope.factory->FindObject("Player"), nullptr);
}

TEST(LevelSwitchOrder, FixedLevelStatesOverwriteTheNextLevelPath)
{
    SwitchScope scope;
    const std::vector<std::pair<uint32_t, std::string>> fixed = {
        {GameState::SPLASH_SCREEN, "Resources\\LevelData\\SplashScreen"},
        {GameState::MAIN_MENU, "Resources\\LevelData\\NewMenu"},
        {GameState::PLAY_STORY, "Resources\\LevelData\\Story"},
        {GameState::CREDITS, "Resources\\LevelData\\Credits"},
    };
    for (const auto& [state, path] : fixed)
    {
        scope.Enter(state, "Resources\\LevelData\\Level1");
        EXPECT_EQ(scope.State().mNextLevelPath, path);
        EXPECT_EQ(scope.State().GetCurrentLevel(), path);
        scope.factory->DestroyAllObjects();
    }
}

TEST(LevelSwitchSettings, EachStateSetsPhysicsAndCursor)
{
    SwitchScope scope;
    scope.physics->mFastMode = true;
    scope.Enter(GameState::SPLASH_SCREEN);
    EXPECT_FALSE(scope.physics->mRunning);
    EXPECT_FALSE(scope.physics->mFastMode);
    EXPECT_LT(Platform::GetCursorCounter(), 0);

    scope.Enter(GameState::LEVEL, "Resources\\LevelData\\Level1");
    EXPECT_TRUE(scope.physics->mRunning);
    EXPECT_LT(Platform::GetCursorCounter(), 0);

    scope.physics->mFastMode = true;
    scope.Enter(GameState::EDITOR);
    EXPECT_FALSE(scope.physics->mRunning);
    EXPECT_FALSE(scope.physics->mFastMode);
    EXPECT_GE(Platform::GetCursorCounter(), 0);
    EXPECT_EQ(scope.State().GetCurrentLevel(), "Resources\\LevelData\\Level1"); // the same level again

    // States without settings of their own keep the last ones.
    scope.physics->mFastMode = true;
    scope.Enter(GameState::WinLevel);
    EXPECT_FALSE(scope.physics->mRunning);
    EXPECT_TRUE(scope.physics->mFastMode);
    EXPECT_GE(Platform::GetCursorCounter(), 0);
}

TEST(LevelSwitchSettings, ListedStatesResetGravityAndALevelResetsItsTimer)
{
    SwitchScope scope;
    scope.physics->mGravity = Vec2(3.0f, -10.0f);
    scope.physics->mDefaultGravity = Vec2(2.0f, -20.0f);
    scope.physics->mLevelTimer.mRunningTime = 12.0f;
    scope.physics->mLevelTimer.mFinalTime = 30.0f;
    scope.Enter(GameState::MAIN_MENU);
    EXPECT_EQ(scope.physics->mGravity, Vec2(0.0f, -20.0f));
    EXPECT_EQ(scope.physics->mDefaultGravity, Vec2(0.0f, -20.0f));
    EXPECT_FLOAT_EQ(scope.physics->mLevelTimer.mRunningTime, 12.0f); // only a level restarts the clock

    scope.physics->mGravity = Vec2(5.0f, 5.0f);
    scope.Enter(GameState::LEVEL2);
    EXPECT_EQ(scope.physics->mGravity, Vec2(5.0f, 5.0f)); // no settings of its own: no reset

    scope.Enter(GameState::LEVEL, "Resources\\LevelData\\Level10");
    EXPECT_EQ(scope.physics->mGravity, Vec2(0.0f, -20.0f));
    EXPECT_FLOAT_EQ(scope.physics->mLevelTimer.mRunningTime, 0.0f);
    EXPECT_FLOAT_EQ(scope.physics->mLevelTimer.mFinalTime, 0.0f);
}

TEST(LevelLoaderThread, LoadsOffTheMainThreadThenReportsProgress)
{
    SwitchScope scope;
    WriteFile(scope.work.File("Resources/LevelData/Probe.xml"),
              ObjectXml("Probe", "Prober", "<Probe><Value Value=\"3\"/></Probe>"));
    const std::string out = scope.Enter(GameState::LEVEL, "Resources\\LevelData\\Probe");
    Composition* prober = scope.factory->FindObject("Prober");
    ASSERT_NE(prober, nullptr);
    auto* probe = static_cast<ProbeComponent*>(prober->GetComponent(12));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->mInitializeCount, 1);
    EXPECT_NE(probe->mInitThread, std::this_thread::get_id());

    std::string expected;
    for (int i = 0; i < 100; ++i)
        expected += "LOADING " + std::to_string(i) + " percent\n";
    expected += "Done Loading\n";
    EXPECT_EQ(out, expected);

    // No thread to spare (the system's limit, no address space for a stack):
    // the start used to throw and end the program; the level loads here.
    TestSupport::LogCapture log;
    scope.factory->DestroyAllObjects();
    FailThreadStarts(1);
    EXPECT_EQ(scope.Enter(GameState::LEVEL, "Resources\\LevelData\\Probe"), expected);
    prober = scope.factory->FindObject("Prober");
    ASSERT_NE(prober, nullptr);
    EXPECT_EQ(static_cast<ProbeComponent*>(prober->GetComponent(12))->mInitThread, std::this_thread::get_id());
    EXPECT_NE(log.Text().find("No thread could be started for loading the level"), std::string::npos) << log.Text();
}

TEST(LevelLoaderThread, AMissingLevelLoadsEmptyWithoutACrash)
{
    SwitchScope scope;
    const std::string out = scope.Enter(GameState::LEVEL, "Resources\\LevelData\\Nowhere");
    EXPECT_NE(out.find("Done Loading"), std::string::npos);
    EXPECT_EQ(scope.State().GetCurrentLevel(), "Resources\\LevelData\\Nowhere");
    EXPECT_NE(scope.factory->FindObject("HealthBar"), nullptr);
    EXPECT_EQ(scope.factory->mObjects.size(), 1u);
}

TEST(LevelRestart, ReloadsThePreviousStatesLevel)
{
    SwitchScope scope;
    CoreEngine core;
    auto* driver = new TestSupport::RecordingSystem("Driver", nullptr);
    core.AddSystem(driver);
    core.AddSystem(scope.logic.release());
    LevelState& s = gLogic->mState;
    std::vector<std::pair<std::string, uint32_t>> passes; // level, the Box's id
    driver->mOnUpdate = [&]
    {
        Composition* box = gFactory->FindObject("Box");
        passes.push_back({s.GetCurrentLevel(), box ? box->mId : ~0u});
        if (s.mCurrent == GameState::SPLASH_SCREEN)
        {
            s.SetNextLevel("Resources\\LevelData\\Level1");
            s.mNext = GameState::LEVEL;
        }
        else if (passes.size() == 2)
            s.mNext = GameState::RESTART;
        else
            s.mNext = GameState::QUIT;
    };
    testing::internal::CaptureStdout();
    core.GameLoop();
    testing::internal::GetCapturedStdout();
    // Leaving the last state flushed the level, tile bodies and all.
    EXPECT_TRUE(scope.factory->mObjects.empty());
    EXPECT_TRUE(gSpatialGrid->GetTileBodies().empty());
    core.DestroySystems();
    ASSERT_EQ(passes.size(), 3u);
    EXPECT_EQ(passes[1].first, "Resources\\LevelData\\Level1");
    EXPECT_EQ(passes[2].first, "Resources\\LevelData\\Level1");
    ASSERT_NE(passes[1].second, ~0u);
    ASSERT_NE(passes[2].second, ~0u);
    EXPECT_GT(passes[2].second, passes[1].second); // a fresh copy, with ids never reused
}
