// A won level from the goal to the star screen: the win message starts the
// walker, the camera glides after it, its finish opens the win page, and the
// landing stars mark the level won and unlock the next one.
#include <gtest/gtest.h>
#include "audio/AudioComponent.h"
#include "core/engine/Message.h"
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/HumanWin.h"
#include "gameplay/scripts/UIscript.h"
#include "physics/Physics.h"
#include "LevelScriptSupport.h"

using namespace Framework;

namespace
{
class LevelFlow : public TestSupport::LevelScriptTest
{
protected:
    Composition* Pictured(const std::string& name, Vec3 position, int32_t script, bool sound = false)
    {
        Composition* object = Make(name, position);
        Add<Renderer>(object, "Renderer");
        if (sound)
            Add<AudioComponent>(object, "AudioComponent");
        Start(object, script);
        return object;
    }
};
} // namespace

TEST_F(LevelFlow, AWinWalksGlidesAndEndsOnTheStarScreenWithTheNextLevelOpen)
{
    const std::string level1 = "Resources\\LevelData\\Level1";
    mWorld.mLogic->mState.mLoadedLevelPath = mWorld.mLogic->mState.mNextLevelPath = level1;
    mWorld.mLogic->mUnlockedCount = 1;
    // The interface level first, as the loader puts it.
    Composition* page = Pictured("WinScreenBG", Vec3(0.0f), ScriptId::UIScript);
    Pictured("TransitionOut", Vec3(0.0f), ScriptId::UIScript);
    Composition* star = Pictured("Star3", Vec3(0.0f), ScriptId::UIScript);
    Pictured("Star1", Vec3(0.0f), ScriptId::UIScript, true);
    // Then the level.
    MakeApple();
    Pictured("END", Vec3(20.0f, 0.0f, 0.0f), 0);
    Composition* person = Pictured("HumanWin", Vec3(10.0f, 0.0f, 0.0f), ScriptId::HumanWin);
    Camera* camera = MakeCamera(0.0f, 0.0f, 35.0f, ScriptId::CameraScript);
    Step();

    mWorld.mPhysics->mLevelTimer.mFinalTime = 30.0f; // three stars on Level1
    WinMessage win;
    person->GetComponent<Behaviour>()->SendMessage(&win);
    Step(4 * 64);
    EXPECT_FALSE(UIscript::sWon);
    EXPECT_NEAR(camera->Position.x, 20.0f, 0.5f);
    Step(40); // 7 units, a second's wait, then 10 units at 5 a second
    EXPECT_TRUE(ScriptOn<HumanWin>(person)->mFinished);
    EXPECT_TRUE(UIscript::sWon);
    EXPECT_EQ(page->GetComponent<Renderer>()->mSpriteSheetKey, "WinScreenBG");
    EXPECT_TRUE(Logged("\"WinScreenBGM\""));

    Step(2 * 64);
    EXPECT_EQ(star->GetComponent<Renderer>()->mIndex, 1);
    EXPECT_GT(star->GetComponent<Transform>()->mScale.x, 0.0f);
    EXPECT_TRUE(Logged("\"WinScreenStar\""));
    EXPECT_TRUE(mWorld.mLogic->mUnlockedLevels[level1]);
    EXPECT_EQ(mWorld.mLogic->mUnlockedCount, 2u);
}
