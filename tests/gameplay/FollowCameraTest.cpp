// Objects pinned to the camera, the old pause menu's rows and the health text.
#include <gtest/gtest.h>
#include "core/window/InputSys.h"
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/FollowCamera.h"
#include "graphics/TextRenderer.h"
#include "physics/Body.h"
#include "physics/ShapeOBB.h"
#include "LevelScriptSupport.h"

using namespace Framework;

namespace
{
class FollowCameras : public TestSupport::LevelScriptTest
{
protected:
    FollowCameras() { mCamera = MakeCamera(50.0f, 20.0f); }

    Composition* Follower(const std::string& name)
    {
        Composition* object = Make(name);
        Add<Renderer>(object, "Renderer");
        Start(object, ScriptId::FollowCamera);
        return object;
    }
    static Vec3 Where(Composition* object) { return object->GetComponent<Transform>()->mPosition; }
    static float Alpha(Composition* object) { return object->GetComponent<Renderer>()->mAlpha; }

    Camera* mCamera = nullptr;
};
} // namespace

TEST_F(FollowCameras, AnUnlistedObjectKeepsItsPlaceBesideTheCamera)
{
    mCamera->Position.z = 30.0f;
    Composition* badge = Follower("Badge");
    EXPECT_EQ(Where(badge), Vec3(39.5f, 24.4f, 0.0f)); // placed once at start, z 0
    Step();
    EXPECT_EQ(Where(badge), Vec3(39.5f, 24.4f, 30.0f));
    mCamera->Position.x = 60.0f;
    Step();
    EXPECT_EQ(Where(badge), Vec3(49.5f, 24.4f, 30.0f));
}

TEST_F(FollowCameras, PauseRowsShowTheMenuOnlyWhilePaused)
{
    Composition* filter = Follower("BlackFilter");
    Composition* menu = Follower("PauseMenu");
    Composition* text = Follower("PauseQuitText");
    Step();
    EXPECT_FLOAT_EQ(Alpha(filter), 0.0f);
    EXPECT_FLOAT_EQ(Alpha(menu), 0.0f);
    Step();
    EXPECT_FLOAT_EQ(Where(text).x, 50.0f - 1000.0f); // off screen

    mCore.SetPause(true);
    Step(2);
    EXPECT_FLOAT_EQ(Alpha(filter), 0.7f);
    EXPECT_EQ(Where(filter), Vec3(50.0f, 20.0f, -1.0f));
    EXPECT_FLOAT_EQ(Alpha(menu), 1.0f);
    EXPECT_EQ(Where(text), Vec3(50.0f - 1.2f, 20.0f - 1.8f, 0.0f));
}

TEST_F(FollowCameras, ClickingInsideTheResumeBoxUnpausesAndOutsideDoesNothing)
{
    Composition* resume = Make("PauseResume");
    resume->GetComponent<Transform>()->mScale = Vec3(2.0f, 2.0f, 1.0f);
    Add<Renderer>(resume, "Renderer");
    Add<Body>(resume, "Body");
    Add<ShapeOBB>(resume, "OBB")->HalfLength = Vec3(1.0f, 1.0f, 0.0f); // a 2 x 2 box
    Start(resume, ScriptId::FollowCamera);
    mCore.SetPause(true);
    Step();
    const Vec3 centre = Where(resume);
    EXPECT_EQ(centre, Vec3(50.0f, 21.6f, 0.0f));

    mWorld.mInput->SetMouseWorld(centre.x + 1.1f, centre.y);
    Tap(1);
    EXPECT_TRUE(mCore.mPaused);
    mWorld.mInput->SetMouseWorld(centre.x + 0.9f, centre.y - 0.9f);
    Tap(1);
    EXPECT_FALSE(mCore.mPaused);
}

TEST_F(FollowCameras, HealthTextShows100WithoutAnAppleAndTheHealthWithOne)
{
    Composition* text = Make("TextContent");
    auto* renderer = Add<TextRenderer>(text, "TextRenderer");
    Start(text, ScriptId::FollowCamera);
    Step();
    EXPECT_EQ(renderer->TextString, "100");
    MakeApple()->mPlayerHealth = 2;
    Step();
    EXPECT_EQ(renderer->TextString, "2");
}

TEST_F(FollowCameras, StartingAfterTheLevelCameraWentReadsTheEditorCamera)
{
    Composition* old = mCamera->GetOwner();
    mWorld.mFactory->mObjects.erase(old->mId);
    delete old; // as a level flush does, before the next level's camera exists
    Camera& editor = mWorld.mGraphics->mEditorCamera;
    EXPECT_EQ(ActiveCamera(), &editor);
    editor.Position = Vec3(7.0f, 3.0f, 0.0f);
    Composition* badge = Follower("Badge");
    EXPECT_EQ(Where(badge), Vec3(7.0f - 10.5f, 3.0f + 4.4f, 0.0f));
}
