// The interface's buttons keep a body so they can be clicked, and they ride
// with the camera; while hidden they hang in the level itself, often in the
// apple's lane. They must never stop or throw the apple, and each page's
// buttons answer the mouse where they are drawn.
#include <gtest/gtest.h>
#include "ContentSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "core/engine/CoreEngine.h"
#include "core/window/InputSys.h"
#include "gameplay/Button.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/UIscript.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"
#include "graphics/TextRenderer.h"
#include "graphics/Camera.h"
#include "physics/Body.h"
#include "physics/BasicShape.h"
#include "physics/Physics.h"

using namespace Framework;
using namespace ContentSupport;

TEST(InterfaceButtons, TheApplePassesThroughAHiddenButton)
{
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    EnterLevel(world, "Level2");
    // A view whose hidden win-page buttons hang in open air (above the
    // basket's step, clear of the shelf), where the apple could jump.
    Composition* view = world.mFactory->FindObject("MainCamera");
    Camera* camera = view ? view->GetComponent<Camera>() : nullptr;
    ASSERT_NE(camera, nullptr);
    camera->Position.x = 20.0f;
    camera->Position.y = 15.0f;
    world.Step(); // the interface places its pieces around the camera

    Composition* apple = world.mFactory->FindObject("Player");
    ASSERT_NE(apple, nullptr);
    Body* appleBody = apple->GetComponent<Body>();
    ASSERT_NE(appleBody, nullptr);

    int buttons = 0;
    for (Composition* object : ObjectsInOrder(*world.mFactory))
    {
        Body* buttonBody = object->GetComponent<Body>();
        if (!object->GetComponent<Button>() || !buttonBody || !buttonBody->mShape)
            continue;
        ++buttons;
        // Thrown up at the button from just below it, as a jump would: a
        // solid box would stop the apple and send it back down.
        const Vec3 box = buttonBody->GetShapeCenter(); // the click box sits off the picture
        const Vec3 start(box.x, box.y - 1.5f, appleBody->mPosition.z);
        appleBody->SetPosition(start);
        appleBody->mVelocity = Vec3(0.0f, 17.0f, 0.0f);
        world.Step(4);
        EXPECT_GT(appleBody->mPosition.y, start.y + 0.8f) << object->mName << " stopped the apple";
        EXPECT_GT(appleBody->mVelocity.y, 0.0f) << object->mName << " threw the apple back";
    }
    EXPECT_GT(buttons, 3);
}

namespace
{
// Points the cursor at the pixel where view draws the world point p, in a
// client area of 1 x 1 (no window system) at the screen's origin.
void PointAt(TestSupport::GameplayWorld& world, const Mat4& view, const Vec3& p)
{
    const glm::vec4 clip = view * glm::vec4(p.x, p.y, 0.0f, 1.0f);
    InputState& input = world.mInput->mState;
    input.mWindowPosition = Vec3(0.0f);
    input.mCursor = Vec3((clip.x / clip.w + 1.0f) * 0.5f, (1.0f - clip.y / clip.w) * 0.5f, 0.0f);
}

// The visible page's buttons, each for its page flags.
struct Page
{
    const char* mName;
    bool mPaused, mQuit, mControls, mWon;
    const char* mPanel; // what every piece of the page stands on, or null
    std::vector<std::string> mButtons;
};
const Page Pages[] = {
    {"HUD", false, false, false, false, nullptr, {"SpeedIndicator"}},
    {"pause", true, false, false, false, "PauseBG", {"ResumeButton", "RestartButton", "HTPButton", "QuitButton"}},
    {"quit", true, true, false, false, "PauseBG", {"YesButton", "NoButton"}},
    {"controls", true, false, true, false, "PauseBG", {"HTPBackBtn"}},
    {"win", false, false, false, true, "WinScreenBG", {"LevelSelButton", "NextLvlButton", "RestartLvlButton"}},
};

struct Box
{
    float mLeft, mRight, mBottom, mTop;
    bool Overlaps(const Box& o) const
    {
        return mLeft < o.mRight && o.mLeft < mRight && mBottom < o.mTop && o.mBottom < mTop;
    }
    bool Holds(const Box& o) const
    {
        constexpr float Slack = 1e-3f;
        return o.mLeft >= mLeft - Slack && o.mRight <= mRight + Slack && o.mBottom >= mBottom - Slack &&
               o.mTop <= mTop + Slack;
    }
    bool Holds(const Vec3& p) const { return p.x > mLeft && p.x < mRight && p.y > mBottom && p.y < mTop; }
};
Box PictureOf(const Composition& object)
{
    const Transform& t = *object.GetComponent<Transform>();
    return {t.mPosition.x - t.mScale.x / 2, t.mPosition.x + t.mScale.x / 2, t.mPosition.y - t.mScale.y / 2,
            t.mPosition.y + t.mScale.y / 2};
}

// The page shows whole inside the view and holds every interface picture in
// view; no text shows over it.
void ExpectPageWhole(TestSupport::GameplayWorld& world, const Camera& camera, const Page& page,
                     const std::string& where)
{
    const Box screen{camera.Position.x - camera.VisibleHalfWidth(), camera.Position.x + camera.VisibleHalfWidth(),
                     camera.Position.y - camera.VisibleHalfHeight(), camera.Position.y + camera.VisibleHalfHeight()};
    Composition* panelObject = world.mFactory->FindObject(page.mPanel);
    ASSERT_NE(panelObject, nullptr) << where;
    const Box panel = PictureOf(*panelObject);
    EXPECT_TRUE(screen.Holds(panel)) << page.mPanel << " cut by the screen, " << where;
    for (Composition* object : ObjectsInOrder(*world.mFactory))
    {
        const Renderer* picture = object->GetComponent<Renderer>();
        if (object == panelObject || !ScriptOf<UIscript>(object) || !picture || picture->mInvisible ||
            picture->mAlpha <= 0.0f || object->mName.rfind("Transition", 0) == 0)
            continue;
        if (screen.Overlaps(PictureOf(*object)))
        {
            EXPECT_TRUE(panel.Holds(PictureOf(*object))) << object->mName << " off its panel, " << where;
        }
    }
    for (const auto& entry : world.mRendering->mTextRenderers)
    {
        const TextRenderer* text = entry.mTextRenderer;
        if (text && text->mTransform && !text->mHidden && panel.Holds(text->mTransform->mPosition))
            ADD_FAILURE() << "\"" << text->TextString << "\" shows over " << where;
    }
}

void ShowPage(CoreEngine& core, const Page& page)
{
    core.mPaused = page.mPaused;
    UIscript::sQuitConfirm = page.mQuit;
    UIscript::sShowControls = page.mControls;
    UIscript::sWon = page.mWon;
}

// The pick of the frame after the cursor was put on the picture's centre as
// drawn: the button is under the mouse, and the mouse at its box's centre.
void ExpectPickedAtCentre(TestSupport::GameplayWorld& world, Composition* button, const std::string& where)
{
    const Body* body = button->GetComponent<Body>();
    ASSERT_TRUE(body && body->mShape) << where;
    EXPECT_EQ(world.mPhysics->HoverObject(), button) << where;
    const Vec3 mouse = world.mPhysics->mLastMousePosition;
    const Vec3 box = body->GetShapeCenter();
    EXPECT_NEAR(mouse.x, box.x, 1e-3f) << where;
    EXPECT_NEAR(mouse.y, box.y, 1e-3f) << where;
}
} // namespace

// Each page's buttons answer the mouse where they are drawn, whatever the
// zoom the wheel allows (27 to the level's 35) and wherever the camera stands
// (the corners of the level's clamp), and while the camera moves under a page;
// each page shows whole, holds its pieces and hides the level's texts.
TEST(InterfaceButtons, EachPagesButtonsAreHitAtTheCentreOfTheirPictures)
{
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    CoreEngine core;
    EnterLevel(world, "Level4");
    Composition* view = world.mFactory->FindObject("MainCamera");
    Camera* camera = view ? view->GetComponent<Camera>() : nullptr;
    ASSERT_NE(camera, nullptr);
    world.mPhysics->mRunning = false; // the apple stays put; the pages run paused or not
    const float zooms[] = {camera->CamSize.x, 27.0f};
    for (float zoom : zooms)
        for (int corner = 0; corner < 4; ++corner)
            for (const Page& page : Pages)
            {
                camera->CamSize = Vec3(zoom, zoom, 1.0f);
                const float hx = camera->VisibleHalfWidth(), hy = camera->VisibleHalfHeight();
                camera->Position.x = corner & 1 ? camera->MaxClamp.x - hx : camera->MinClamp.x + hx;
                camera->Position.y = corner & 2 ? camera->MaxClamp.y - hy : camera->MinClamp.y + hy;
                ShowPage(core, page);
                world.Step(2); // the camera script keeps the view in the clamp, then the page follows
                const std::string where = std::string("the ") + page.mName + " page, zoom " + std::to_string(zoom) +
                                          ", corner " + std::to_string(corner);
                if (page.mPanel)
                    ExpectPageWhole(world, *camera, page, where);
                for (const std::string& name : page.mButtons)
                {
                    Composition* button = world.mFactory->FindObject(name);
                    ASSERT_NE(button, nullptr) << name;
                    const Mat4 drawn = camera->mViewProjection; // the next frame is drawn with it
                    world.Step();
                    PointAt(world, drawn, button->GetComponent<Transform>()->mPosition);
                    world.Step();
                    ExpectPickedAtCentre(world, button, name + " on " + where);
                }
            }

    // The camera script moves the camera after the interface has placed itself:
    // the frame's pick keeps to the view the frame is drawn with.
    camera->CamSize = Vec3(zooms[0], zooms[0], 1.0f);
    camera->Position.x = camera->MinClamp.x + camera->VisibleHalfWidth();
    ShowPage(core, Pages[1]);
    world.Step();
    world.mInput->Press('V'); // the keys move the camera
    world.Step();
    world.mInput->Release('V');
    world.mInput->Press('D');
    world.Step(40);
    Composition* resume = world.mFactory->FindObject("ResumeButton");
    for (int frame = 0; frame < 5; ++frame)
    {
        const Mat4 drawn = camera->mViewProjection; // the next frame is drawn with it
        const float before = camera->Position.x;
        world.Step();
        EXPECT_GT(camera->Position.x, before + 0.1f) << "the camera stood still";
        PointAt(world, drawn, resume->GetComponent<Transform>()->mPosition);
        world.Step();
        ExpectPickedAtCentre(world, resume, "RESUME under a moving camera");
    }
    world.mInput->Release('D');

    // Back in play, the level's texts show again.
    ShowPage(core, Pages[0]);
    world.Step();
    int shown = 0;
    for (const auto& entry : world.mRendering->mTextRenderers)
        shown += entry.mTextRenderer && !entry.mTextRenderer->mHidden;
    EXPECT_EQ(shown, static_cast<int>(world.mRendering->mTextRenderers.size()));
    EXPECT_GT(shown, 1); // the level's signs and the clock
}
