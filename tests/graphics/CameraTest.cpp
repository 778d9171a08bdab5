// Camera maths, the editor controls, the records and which camera is active.
#include <gtest/gtest.h>
#include "core/objects/Composition.h"
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "core/serializers/TextSerializer.h"
#include "core/objects/Transform.h"
#include "core/serializers/XmlSerializer.h"
#include "graphics/GraphicsSystem.h"
#include "support/TestSupport.h"

using namespace Framework;

namespace
{
class CameraTest : public ::testing::Test
{
protected:
    CameraTest() { mCamera.SetUpForEditing(1366.0f, 768.0f); }

    void Press(int key, bool now, bool before)
    {
        mInput.mState.mCurrentKeys[key] = now;
        mInput.mState.mPreviousKeys[key] = before;
    }

    InputSys mInput;
    Camera mCamera;
};

TEST_F(CameraTest, DefaultZoomShowsFiftyFourByThirtyUnitsOfAWideWindow)
{
    EXPECT_FLOAT_EQ(2.0f * mCamera.VisibleHalfWidth(), 54.64f);
    EXPECT_FLOAT_EQ(2.0f * mCamera.VisibleHalfHeight(), 30.72f);
    // A world point lands at projection x (CamSize * (p - Position)).
    mCamera.Position = Vec3(10.0f, 0.0f, 0.0f);
    mCamera.UpdateViewProjection();
    const glm::vec4 edge = mCamera.mViewProjection * glm::vec4(10.0f + 27.32f, 0.0f, 0.0f, 1.0f);
    EXPECT_NEAR(edge.x, 1.0f, 1e-5f);
}

TEST_F(CameraTest, TouchingTheViewEdgeCountsAsInView)
{
    mCamera.SetUpForEditing(1000.0f, 500.0f); // 40 x 20 units: exact in floats
    const Vec3 half(1.0f, 1.0f, 0.0f);
    EXPECT_TRUE(mCamera.IsInView(Vec3(21.0f, 0.0f, 0.0f), half));
    EXPECT_FALSE(mCamera.IsInView(Vec3(21.125f, 0.0f, 0.0f), half));
    EXPECT_TRUE(mCamera.IsInView(Vec3(0.0f, -11.0f, 0.0f), half));
    EXPECT_FALSE(mCamera.IsInView(Vec3(0.0f, -11.125f, 0.0f), half));
}

TEST_F(CameraTest, WheelZoomNeverGoesBelowTheFloorButHasNoCeiling)
{
    // Notches of 10 (0.1 s of wheel at 100 a second) from 31: 21, 11, 1, then
    // the floor of 1e-5, however long the wheel turns.
    mCamera.CamSize = Vec3(31.0f, 31.0f, 1.0f);
    mInput.mState.mWheelDirection = 2; // towards the user
    for (float expected : {21.0f, 11.0f, 1.0f, 1e-5f})
    {
        mCamera.UpdateEditorControls(0.1f);
        EXPECT_NEAR(mCamera.CamSize.x, expected, 1e-4f);
    }
    mCamera.UpdateEditorControls(10.0f);
    EXPECT_FLOAT_EQ(mCamera.CamSize.x, 1e-5f);
    EXPECT_FLOAT_EQ(mCamera.CamSize.y, 1e-5f);
    mInput.mState.mWheelDirection = 1;
    mCamera.UpdateEditorControls(100.0f);
    EXPECT_NEAR(mCamera.CamSize.x, 10000.0f, 1e-2f);
}

TEST_F(CameraTest, RightDragPansSoTheWorldFollowsTheCursor)
{
    mCamera.Position = Vec3(3.0f, 4.0f, 30.0f);
    mInput.mState.mRightClickScreen = Vec3(100.0f, 100.0f, 0.0f);
    Press(VK_RBUTTON, true, false);
    mCamera.UpdateEditorControls(0.016f);
    Press(VK_RBUTTON, true, true);
    mInput.mState.mCursor = Vec3(150.0f, 75.0f, 0.0f); // 50 px right, 25 px up
    mCamera.UpdateEditorControls(0.016f);
    EXPECT_FLOAT_EQ(mCamera.Position.x, 1.0f);
    EXPECT_FLOAT_EQ(mCamera.Position.y, 3.0f);
    EXPECT_FLOAT_EQ(mCamera.Position.z, 30.0f);
}

TEST_F(CameraTest, F3TwiceReturnsToEditorControls)
{
    Press(VK_F3, true, false);
    mCamera.Update(0.0f);
    EXPECT_EQ(mCamera.mMode, 2u);
    mCamera.Update(0.0f);
    EXPECT_EQ(mCamera.mMode, 1u);
}

TEST(CameraRecords, XmlKeepsPlanesVectorsClampsAndZoom)
{
    TestSupport::TempFolder folder;
    Camera written;
    written.SetOrthographic(-10.0f, 10.0f, -5.0f, 5.0f, 0.5f, 50.0f);
    written.Position = Vec3(1.5f, -2.0f, 30.0f);
    written.Target = Vec3(1.5f, -2.0f, 0.0f);
    written.MinClamp = Vec2(1.0f, 2.0f);
    written.MaxClamp = Vec2(40.0f, 12.0f);
    written.CamSize = Vec3(12.5f, 20.0f, 3.0f);
    {
        XmlSerializer xml;
        xml.CreateRoot("Level");
        written.SerializeXml(xml);
        ASSERT_TRUE(xml.SaveFile(folder.File("camera.xml")));
    }
    XmlSerializer xml;
    ASSERT_TRUE(xml.LoadFile(folder.File("camera.xml")));
    xml.EnterChild();
    EXPECT_EQ(xml.GetElementName(), "Camera");
    xml.EnterChild();
    Camera read;
    read.UnserializeXml(xml);
    EXPECT_EQ(read.Left, -10.0f);
    EXPECT_EQ(read.Far, 50.0f);
    EXPECT_FLOAT_EQ(read.mHalfWidth, 10.0f);
    EXPECT_EQ(read.Position, written.Position);
    EXPECT_EQ(read.Target, written.Target);
    EXPECT_EQ(read.Up, written.Up);
    EXPECT_EQ(read.MinClamp, written.MinClamp);
    EXPECT_EQ(read.MaxClamp, written.MaxClamp);
    EXPECT_EQ(read.CamSize, Vec3(12.5f, 20.0f, 1.0f)) << "the z scale is not stored";
}

// A saved camera carries its object's place in Position; reading it back must
// give the same view as the file it came from, or every save shifts the level.
TEST(CameraRecords, APlacedPositionInTheFileDoesNotShiftTheView)
{
    TestSupport::TempFolder folder;
    Camera atRest, placed;
    atRest.Position = Vec3(0.0f, 0.0f, 30.0f);
    placed.Position = Vec3(31.0f, 15.0f, 30.0f);
    Camera* cameras[2] = {&atRest, &placed};
    for (int i = 0; i < 2; ++i)
    {
        const std::string path = folder.File("camera" + std::to_string(i) + ".xml");
        {
            XmlSerializer xml;
            xml.CreateRoot("Level");
            cameras[i]->SerializeXml(xml);
            ASSERT_TRUE(xml.SaveFile(path));
        }
        XmlSerializer xml;
        ASSERT_TRUE(xml.LoadFile(path));
        xml.EnterChild();
        xml.EnterChild();
        cameras[i]->UnserializeXml(xml);
    }
    EXPECT_EQ(placed.mView, atRest.mView);
    EXPECT_EQ(placed.Position, Vec3(31.0f, 15.0f, 30.0f)) << "the stored place is still read";
}

TEST(CameraRecords, TextKeepsZoomClampsAndPositionInThePlane)
{
    TestSupport::TempFolder folder;
    Camera written;
    written.CamSize = Vec3(12.5f, 20.0f, 3.0f);
    written.MinClamp = Vec2(1.0f, 2.0f);
    written.MaxClamp = Vec2(40.0f, 12.0f);
    written.Position = Vec3(7.0f, 8.0f, 30.0f);
    {
        TextSerializer text(folder.File("camera.txt"), TextSerializer::Write);
        written.SerializeText(text);
    }
    EXPECT_EQ(TestSupport::ReadFile(folder.File("camera.txt")), "Camera\n12.5 20 3\n1 2 0\n40 12 0\n7 8 0\n");
    TextSerializer text(folder.File("camera.txt"), TextSerializer::ReadOnly);
    std::string type;
    text.ReadString(type);
    Camera read;
    read.Position.z = 5.0f;
    read.UnserializeText(text);
    EXPECT_EQ(read.CamSize, Vec3(12.5f, 20.0f, 1.0f));
    EXPECT_EQ(read.MinClamp, written.MinClamp);
    EXPECT_EQ(read.MaxClamp, written.MaxClamp);
    EXPECT_EQ(read.Position, Vec3(7.0f, 8.0f, 5.0f));
}

class ActiveCameraTest : public ::testing::Test
{
protected:
    ActiveCameraTest() { mLogic.mState.mCurrent = GameState::LEVEL; }

    // An object of the given kind at (x, y) holding a Camera.
    Composition* MakeObject(ObjectKind kind, float x, float y)
    {
        auto* object = new Composition("MainCamera");
        object->mKind = kind;
        auto* transform = new Transform();
        transform->mPosition = Vec3(x, y, 0.0f);
        object->AddComponent(ComponentType::Transform, transform);
        object->AddComponent(ComponentType::Camera, new Camera());
        return object;
    }

    GameLogic mLogic;
    GraphicsSystem mGraphics;
};

TEST_F(ActiveCameraTest, PlacedCameraTakesOverTheViewAtItsObject)
{
    Composition* object = MakeObject(ObjectKind::GameObject, 4.0f, 5.0f);
    object->Initialize();
    Camera* camera = object->GetComponent<Camera>();
    EXPECT_EQ(mGraphics.GetActiveCamera(), camera);
    EXPECT_EQ(camera->Position, Vec3(4.0f, 5.0f, 0.0f));
    delete object;
}

TEST_F(ActiveCameraTest, DeletedActiveCameraHandsTheViewBackToTheEditorCamera)
{
    Composition* object = MakeObject(ObjectKind::GameObject, 0.0f, 0.0f);
    object->Initialize();
    delete object;
    EXPECT_EQ(mGraphics.GetActiveCamera(), &mGraphics.mEditorCamera);
}

TEST_F(ActiveCameraTest, ArchetypeCameraNeverBecomesActive)
{
    Composition* object = MakeObject(ObjectKind::Archetype, 0.0f, 0.0f);
    object->Initialize();
    EXPECT_EQ(mGraphics.GetActiveCamera(), &mGraphics.mEditorCamera);
    delete object;
}

TEST_F(ActiveCameraTest, InTheEditorACameraIsSetUpButStaysInactive)
{
    mLogic.mState.mCurrent = GameState::EDITOR;
    Composition* object = MakeObject(ObjectKind::GameObject, 4.0f, 5.0f);
    object->Initialize();
    const Camera* camera = object->GetComponent<Camera>();
    EXPECT_EQ(mGraphics.GetActiveCamera(), &mGraphics.mEditorCamera);
    EXPECT_EQ(camera->Position, Vec3(0.0f, 0.0f, 30.0f));
    delete object;
}

TEST_F(ActiveCameraTest, CameraOnAnObjectDrawsItsViewInsteadOfMoving)
{
    Composition* object = MakeObject(ObjectKind::GameObject, 2.0f, 1.0f);
    Camera* camera = object->GetComponent<Camera>();
    camera->SetOrthographic(-100.0f, 100.0f, -50.0f, 50.0f, 0.1f, 100.0f);
    camera->mOwner = object;
    camera->UpdateEditorControls(0.016f);
    ASSERT_EQ(mGraphics.mDebugVertices.size(), 12u * 7u); // six lines
    EXPECT_FLOAT_EQ(mGraphics.mDebugVertices[0], 2.0f - 4.0f);
    EXPECT_FLOAT_EQ(mGraphics.mDebugVertices[1], 1.0f - 2.0f);
    delete object;
}
} // namespace
