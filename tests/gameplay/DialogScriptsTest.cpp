// The goal walker, the how-to-play panel and the quit dialog.
#include <gtest/gtest.h>
#include "core/window/InputSys.h"
#include "core/engine/Message.h"
#include "gameplay/Button.h"
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/HowToPlay.h"
#include "gameplay/scripts/HumanWin.h"
#include "gameplay/scripts/QuitButton.h"
#include "physics/ShapeOBB.h"
#include "LevelScriptSupport.h"

using namespace Framework;

namespace
{
constexpr int Left = 1;

class LevelDialogs : public TestSupport::LevelScriptTest
{
protected:
    LevelDialogs() { MakeCamera(0.0f, 0.0f); }

    // A 2 x 2 box at position with a Renderer, started with script id.
    Composition* Boxed(const std::string& name, Vec3 position, uint32_t tag, int32_t id)
    {
        Composition* object = Make(name, position, tag);
        object->GetComponent<Transform>()->mScale = Vec3(2.0f, 2.0f, 1.0f);
        Add<Renderer>(object, "Renderer");
        Add<ShapeOBB>(object, "OBB");
        Start(object, id);
        return object;
    }
    void ClickAt(const Vec3& where)
    {
        mWorld.mInput->SetMouseWorld(where.x, where.y);
        Tap(Left);
    }
    static float Alpha(Composition* object) { return object->GetComponent<Renderer>()->mAlpha; }
    static Vec3 Where(Composition* object) { return object->GetComponent<Transform>()->mPosition; }
};
} // namespace

TEST_F(LevelDialogs, TheWalkerWaitsTakesTheBasketAndFinishesPastTheGoal)
{
    Composition* basket = Boxed("END", Vec3(10.0f, 2.0f, 0.0f), ObjectTag::None, 0);
    Composition* person = Boxed("HumanWin", Vec3(5.0f, 2.0f, 0.0f), ObjectTag::None, ScriptId::HumanWin);
    auto* walker = ScriptOn<HumanWin>(person);

    Step(10);
    EXPECT_FLOAT_EQ(Where(person).x, 5.0f); // idle until the win message
    WinMessage win;
    person->GetComponent<Behaviour>()->SendMessage(&win);
    Step(26); // 2 units at 5 a second: at the waiting place
    EXPECT_NEAR(Where(person).x, 7.0f, 0.1f);
    Step(60);
    EXPECT_FLOAT_EQ(Alpha(basket), 1.0f); // still waiting
    EXPECT_NE(person->GetComponent<Renderer>()->mSpriteSheetKey, HumanWin::BasketSheet);
    Step(10);
    EXPECT_FLOAT_EQ(Alpha(basket), 0.0f);
    EXPECT_EQ(person->GetComponent<Renderer>()->mSpriteSheetKey, HumanWin::BasketSheet);
    EXPECT_FALSE(walker->mFinished);
    Step(2 * 64 + 10); // 10 more units
    EXPECT_TRUE(walker->mFinished);
    EXPECT_FALSE(walker->mWalking);
    EXPECT_FLOAT_EQ(Where(person).y, 2.0f);

    // A walker already past the goal finishes at once.
    walker->mFinished = false;
    walker->mWalking = true;
    Step();
    EXPECT_TRUE(walker->mFinished);
}

TEST_F(LevelDialogs, ThePanelOpensFromItsButtonOrWhilePausedFromItsBoxAndTheNextClickHidesIt)
{
    mWorld.SetState(GameState::MAIN_MENU);
    Composition* panel = Boxed("Instructions", Vec3(31.0f, 25.0f, 0.0f), ObjectTag::HowToPlayInstruction, 0);
    Composition* opener = Make("HTP");
    Add<Button>(opener, "Button");
    Add<ShapeOBB>(opener, "OBB");
    Start(opener, ScriptId::HowToPlay);
    Step();
    EXPECT_EQ(Where(panel), Vec3(100.0f, 100.0f, 0.0f));
    EXPECT_FLOAT_EQ(Alpha(panel), 0.0f);

    opener->GetComponent<Button>()->Click = true;
    mWorld.mInput->SetNow(Left, true, true); // the press that made the click, still held
    mWorld.mResources->Update(Dt);
    EXPECT_EQ(Where(panel), Vec3(31.0f, 25.0f, 0.0f));
    EXPECT_FLOAT_EQ(Alpha(panel), 1.0f);
    Release(Left);
    Step(2);
    EXPECT_FLOAT_EQ(Alpha(panel), 1.0f);
    ClickAt(Vec3(-3.0f, 0.0f, 0.0f));
    EXPECT_FLOAT_EQ(Alpha(panel), 0.0f);
    mWorld.SetState(GameState::LEVEL); // in a paused level a click on the opener's box opens it
    mCore.SetPause(true);
    ClickAt(Where(opener));
    EXPECT_FLOAT_EQ(Alpha(panel), 1.0f);
    EXPECT_EQ(Where(panel), Vec3(0.0f));
}

TEST_F(LevelDialogs, QuitDialogOpensFromItsButtonAndNoClosesItOnBothAnswers)
{
    Composition* quit = Boxed("Quit", Vec3(5.0f, -3.0f, 0.0f), ObjectTag::QuitButton, ScriptId::QuitButton);
    Composition* yes = Boxed("Yes", Vec3(0.0f), ObjectTag::Quit_Yes, ScriptId::QuitButton);
    Composition* no = Boxed("No", Vec3(0.0f), ObjectTag::Quit_No, ScriptId::QuitButton);
    ClickAt(Where(quit));
    EXPECT_FLOAT_EQ(Alpha(yes), 0.0f); // not paused: nothing shows

    mCore.SetPause(true);
    Step();
    EXPECT_EQ(Where(yes), Vec3(-3.0f, 1.0f, 0.0f));
    EXPECT_EQ(Where(no), Vec3(3.0f, 1.0f, 0.0f));
    EXPECT_FLOAT_EQ(Alpha(no), 0.0f);
    ClickAt(Where(quit));
    EXPECT_FLOAT_EQ(Alpha(yes), 1.0f);
    EXPECT_FLOAT_EQ(Alpha(no), 1.0f);

    ClickAt(Where(no));
    EXPECT_FALSE(ScriptOn<QuitButton>(no)->mOpen);
    EXPECT_FALSE(ScriptOn<QuitButton>(yes)->mOpen);
    EXPECT_TRUE(ScriptOn<QuitButton>(quit)->mOpen); // other instances keep theirs
    EXPECT_FLOAT_EQ(Alpha(yes), 0.0f);
    EXPECT_NE(mWorld.mLogic->mState.mNext, GameState::QUIT);

    ClickAt(Where(quit));
    ClickAt(Where(yes));
    EXPECT_EQ(mWorld.mLogic->mState.mNext, GameState::QUIT);
    EXPECT_TRUE(mWorld.mLogic->mState.mQuitRequested) << "no switch later in the frame undoes it";
}
