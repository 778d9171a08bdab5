// "All Game Objects": the archetype and live-object buttons, the confirmed
// removal, archetype dragging, and picking and dragging in the level.
//
// Contents:
//   1. The fixture: a headless editor, object lookups and popup waits
//   2. Archetype buttons: create, clone, delete, duplicate names
//   3. Removing a live object
//   4. Dragging an archetype into the level
//   5. Picking, Ctrl-dragging and turning in the level
//   6. Picks over windows, deleted picks, archetypes without a renderer
#include <gtest/gtest.h>
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeOBB.h"
#include "support/EditorSceneMouse.h"

using namespace Framework;
using TestSupport::EditorHarness;
using TestSupport::FindItem;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
class ObjectList : public ::testing::Test
{
protected:
    void SetUp() override { editor.Frame(); }

    GameObjectFactory& Factory() { return *editor.mWorld->mFactory; }
    void ShowType(int type)
    {
        editor.mEditor->mObjectType = type;
        editor.Frame();
    }
    Composition* Live(const std::string& name) { return Factory().FindObject(name); }
    Composition* Archetype(const std::string& name)
    {
        for (auto& entry : Factory().mArchetypes)
            if (entry.second->mName == name)
                return entry.second;
        return nullptr;
    }
    Composition* Create(const std::string& name, float x, float y)
    {
        Composition* object = Factory().CreateObject(name, ObjectKind::GameObject);
        object->GetComponent<Transform>()->mPosition = Vec3(x, y, 0.0f);
        object->GetComponent<Transform>()->UpdateMatrix();
        return object;
    }
    // A modal measures itself in its first frame and moves to the centre in
    // the next: wait for it to settle before pointing at its buttons.
    bool PopupShows(const std::string& popup)
    {
        editor.Frame();
        return FindItem("Close", popup) || FindItem("Confirm delete?", popup);
    }

    EditorHarness editor;
};
} // namespace

// ---- 2. Archetype buttons ---------------------------------------------------
TEST_F(ObjectList, ArchetypeButtonsCreateCloneAndDelete)
{
    ShowType(EditorObjectType::Archetypes);
    // Nothing to clone or delete yet.
    ASSERT_TRUE(editor.Click("Clone"));
    ASSERT_TRUE(editor.Click("Delete"));
    EXPECT_TRUE(Factory().mObjects.empty());

    ASSERT_TRUE(editor.Click("Create"));
    ASSERT_NE(Archetype("New_Archetype"), nullptr);
    ASSERT_TRUE(editor.Click("Clone"));
    ASSERT_NE(Live("New_Archetype"), nullptr);

    // Deleting the last entry of two leaves a valid selection before any button uses it.
    ASSERT_TRUE(editor.Click("Create"));
    editor.mEditor->mSelectedIndex = 1;
    ASSERT_TRUE(editor.Click("Delete"));
    EXPECT_EQ(Factory().mArchetypes.size(), 1u);
    EXPECT_EQ(editor.mEditor->mSelectedIndex, 0);
    ASSERT_TRUE(editor.Click("Delete"));
    EXPECT_TRUE(Factory().mArchetypes.empty());
    EXPECT_NE(Live("New_Archetype"), nullptr); // the clone stays in the level
}

TEST_F(ObjectList, MakeArchetypeOfATakenNameSaysDuplicated)
{
    Create("Crate", 0, 0);
    editor.Frame();
    ASSERT_TRUE(editor.Click("Make Archetype"));
    ASSERT_NE(Archetype("Crate"), nullptr);
    EXPECT_FALSE(PopupShows("Duplicated"));

    ASSERT_TRUE(editor.Click("Make Archetype"));
    EXPECT_EQ(Factory().mArchetypes.size(), 1u);
    ASSERT_TRUE(PopupShows("Duplicated")) << TestSupport::DescribeRecordedItems();
    ASSERT_TRUE(editor.Click("Close", "Duplicated"));
    EXPECT_FALSE(PopupShows("Duplicated"));
}

// ---- 3. Removing a live object ----------------------------------------------
TEST_F(ObjectList, RemovingAnObjectAsksFirstAndDeletesOnConfirm)
{
    Create("Keep", 0, 0);
    Composition* doomed = Create("Doomed", 0, 0);
    editor.Frame();
    ASSERT_TRUE(editor.Click("Doomed"));
    EXPECT_EQ(editor.mEditor->mSelectedIndex, 1);

    ASSERT_TRUE(editor.Click("Remove Object"));
    ASSERT_TRUE(PopupShows("Remove Game Object"));
    ASSERT_TRUE(editor.Click("I regret it, don't delete!"));
    EXPECT_FALSE(PopupShows("Remove Game Object"));
    EXPECT_EQ(Live("Doomed"), doomed);
    ASSERT_TRUE(editor.Click("Remove Object"));
    ASSERT_TRUE(PopupShows("Remove Game Object"));
    editor.TapKey(VK_ESCAPE); // the same as regretting it
    EXPECT_FALSE(PopupShows("Remove Game Object"));
    EXPECT_EQ(Live("Doomed"), doomed);

    // The Delete key opens the same question; Enter confirms it.
    editor.TapKey(VK_DELETE);
    ASSERT_TRUE(PopupShows("Remove Game Object"));
    editor.TapKey(VK_RETURN);
    editor.Frame();
    EXPECT_EQ(Live("Doomed"), nullptr);
    EXPECT_NE(Live("Keep"), nullptr);
    EXPECT_EQ(editor.mEditor->mSelectedIndex, 0);
}

TEST_F(ObjectList, TheDeleteKeyTypedIntoATextFieldRemovesNothing)
{
    Create("Crate", 0, 0);
    editor.Frame(3); // the component editor sizes itself to its content
    const TestSupport::RecordedItem* name = FindItem("##name", "Component Editor");
    ASSERT_NE(name, nullptr);
    ASSERT_TRUE(editor.Click(name));
    ASSERT_TRUE(editor.mEditor->mIo->WantTextInput);
    editor.TapKey(VK_DELETE);
    editor.TapKey(VK_RETURN);
    editor.Frame();
    EXPECT_FALSE(PopupShows("Remove Game Object"));
    EXPECT_NE(Live("Crate"), nullptr);

    // The game's keys read as up while a field has them; the list refuses
    // Delete by itself as well: one frame of the list alone, that filter off.
    ASSERT_TRUE(editor.Click("##name", "Component Editor"));
    editor.mEditor->NewFrame(EditorHarness::Dt);
    ASSERT_TRUE(editor.mEditor->mIo->WantTextInput);
    editor.mWorld->mInput->mState.mTextInputActive = false;
    editor.mWorld->mInput->SetNow(VK_DELETE, true, false);
    editor.mEditor->ObjectListPanel();
    EXPECT_FALSE(ImGui::IsPopupOpen("", ImGuiPopupFlags_AnyPopupId));
    ImGui::EndFrame();
    editor.mWorld->mInput->SetNow(VK_DELETE, false, false);
}

// ---- 4. Dragging an archetype into the level --------------------------------
TEST_F(ObjectList, DraggingAnArchetypeDropsTheOnePressedIntoTheLevel)
{
    for (const char* name : {"First", "Second"})
    {
        Composition* object = Create(name, 0, 0);
        Factory().AddComponent(object, "Renderer");
        object->Initialize();
        ASSERT_TRUE(Factory().AddArchetype(*object));
    }
    Factory().DestroyAllObjects();
    ShowType(EditorObjectType::Archetypes);
    EXPECT_EQ(editor.mEditor->mSelectedIndex, 0); // "First" selected

    const TestSupport::RecordedItem* second = FindItem("Second");
    ASSERT_NE(second, nullptr);
    editor.MoveMouse(second->Centre().x, second->Centre().y);
    editor.Frame();
    editor.MouseDown();
    editor.Frame(3);
    TestSupport::PointAtWorld(editor, 7.0f, 3.0f);
    editor.Frame();
    editor.MouseUp();
    editor.Frame();

    ASSERT_EQ(Factory().mObjects.size(), 1u);
    Composition* dropped = Factory().mObjects.begin()->second;
    EXPECT_EQ(dropped->mName, "Second");
    EXPECT_EQ(dropped->GetComponent<Transform>()->mPosition, Vec3(7.0f, 3.0f, 0.0f));

    // Pressed and released on the list itself: a selection, not a drop.
    ASSERT_TRUE(editor.Click("First"));
    EXPECT_EQ(editor.mEditor->mSelectedIndex, 0);
    EXPECT_EQ(Factory().mObjects.size(), 1u);
}

// ---- 5. Picking, Ctrl-dragging and turning in the level ---------------------
TEST_F(ObjectList, AClickInTheLevelSelectsAndCtrlDragMovesOrTurns)
{
    Create("Left", -5.0f, 0.0f);
    Composition* right = Create("Right", 5.0f, 0.0f);
    editor.Frame();
    TestSupport::PointAtWorld(editor, 5.0f, 0.0f);
    editor.MouseDown();
    editor.Frame();
    EXPECT_EQ(editor.mEditor->mSelectedIndex, 1);
    EXPECT_EQ(editor.mWorld->mPhysics->HoverObject(), right);
    // Without Ctrl a held button moves nothing.
    TestSupport::PointAtWorld(editor, 5.5f, 1.0f);
    editor.Frame();
    EXPECT_EQ(right->GetComponent<Transform>()->mPosition, Vec3(5.0f, 0.0f, 0.0f));

    // Ctrl held: the Transform follows the mouse.
    editor.KeyDown(VK_CONTROL);
    editor.Frame(2);
    TestSupport::PointAtWorld(editor, 6.0f, 2.0f);
    editor.Frame();
    EXPECT_EQ(right->GetComponent<Transform>()->mPosition, Vec3(6.0f, 2.0f, 0.0f));
    EXPECT_EQ(right->GetComponent<Transform>()->mMatrix.m[1][2], 2.0f); // drawn where it went
    editor.Frame(2);                                                    // held still, it stays
    EXPECT_EQ(right->GetComponent<Transform>()->mPosition, Vec3(6.0f, 2.0f, 0.0f));
    editor.MouseUp();
    editor.KeyUp(VK_CONTROL);
    editor.Frame();
    EXPECT_EQ(editor.mWorld->mPhysics->HoverObject(), nullptr);

    // A click on nothing keeps the selection but picks nothing: a Ctrl-drag
    // from there moves nothing.
    TestSupport::PointAtWorld(editor, 50.0f, 50.0f);
    editor.KeyDown(VK_CONTROL);
    editor.MouseDown();
    editor.Frame(2);
    TestSupport::PointAtWorld(editor, 52.0f, 51.0f);
    editor.Frame();
    editor.MouseUp();
    editor.KeyUp(VK_CONTROL);
    editor.Frame();
    EXPECT_EQ(editor.mEditor->mSelectedIndex, 1);
    EXPECT_EQ(right->GetComponent<Transform>()->mPosition, Vec3(6.0f, 2.0f, 0.0f));

    // With the archetypes listed, a click in the level picks but leaves the
    // list's selection on its archetype.
    Factory().CreateObject("ArchA", ObjectKind::Archetype);
    Factory().CreateObject("ArchB", ObjectKind::Archetype);
    ShowType(EditorObjectType::Archetypes);
    editor.mEditor->mSelectedIndex = 0;
    TestSupport::PointAtWorld(editor, 6.0f, 2.0f);
    editor.MouseDown();
    editor.Frame();
    EXPECT_EQ(editor.mWorld->mPhysics->HoverObject(), right);
    EXPECT_EQ(editor.mEditor->mSelectedIndex, 0);
    editor.MouseUp();
    editor.Frame();
}

TEST_F(ObjectList, CtrlDragMovesABoxAndTurnsOnlyOneWithAFixedPoint)
{
    // Away from the origin: a drag must not swing the box about (0, 0).
    Composition* box = Create("Box", 24.0f, 3.0f);
    Factory().AddComponent(box, "Body");
    Factory().AddComponent(box, "OBB");
    box->Initialize();
    auto* shape = box->GetComponent<ShapeOBB>();
    Body* body = box->GetComponent<Body>();
    editor.Frame();

    TestSupport::PointAtWorld(editor, 24.0f, 3.0f);
    editor.KeyDown(VK_CONTROL);
    editor.MouseDown();
    editor.Frame(2);
    ASSERT_EQ(editor.mWorld->mPhysics->HoverObject(), box);
    TestSupport::PointAtWorld(editor, 27.0f, 2.0f);
    editor.Frame();
    EXPECT_NEAR(body->mPosition.x, 27.0f, 1e-4f);
    EXPECT_NEAR(body->mPosition.y, 2.0f, 1e-4f);
    EXPECT_EQ(body->mOrientation, 0.0f);
    EXPECT_NEAR(box->GetComponent<Transform>()->mPosition.x, 27.0f, 1e-4f);
    // Held still, it stays: each frame moves it by the pointer's motion since the last.
    editor.Frame(3);
    EXPECT_NEAR(body->mPosition.x, 27.0f, 1e-4f);
    EXPECT_NEAR(body->mPosition.y, 2.0f, 1e-4f);
    editor.MouseUp();
    editor.KeyUp(VK_CONTROL);
    editor.Frame();

    // A box set to turn about its own fixed point faces the pointer instead.
    shape->RotateFixedPoint = true;
    shape->PivotPosition = body->mPosition;
    const Vec3 before = body->mPosition;
    TestSupport::PointAtWorld(editor, 27.0f, 2.0f);
    editor.KeyDown(VK_CONTROL);
    editor.MouseDown();
    editor.Frame(2);
    ASSERT_EQ(editor.mWorld->mPhysics->HoverObject(), box);
    TestSupport::PointAtWorld(editor, 32.0f, 7.0f);
    editor.Frame();
    EXPECT_NEAR(body->mOrientation, -0.7853982f, 1e-5f); // faces the mouse
    EXPECT_NE(shape->mM01, 0.0f);
    EXPECT_EQ(body->mPosition, before); // turned, not moved
    editor.MouseUp();
    editor.KeyUp(VK_CONTROL);
    editor.Frame();
}

// ---- 6. Picks over windows, deleted picks, archetypes without a renderer ----
TEST_F(ObjectList, AClickOverAnEditorWindowNeverPicks)
{
    Create("Under", 0.0f, 0.0f);
    editor.Frame();
    // The world point of the object, seen through the object list window.
    TestSupport::PointAtWorldFrom(editor, 0.0f, 0.0f, 100.0f, 300.0f);
    editor.Frame();
    editor.MouseDown();
    editor.Frame(2);
    EXPECT_EQ(editor.mWorld->mPhysics->HoverObject(), nullptr);
    editor.MouseUp();
    editor.Frame();
}

TEST_F(ObjectList, ADeletedPickedObjectIsNeverDraggedAgain)
{
    Composition* doomed = Create("Doomed", 0.0f, 0.0f);
    Composition* other = Create("Other", 3.0f, 0.0f);
    editor.Frame();
    TestSupport::PointAtWorld(editor, 0.0f, 0.0f);
    editor.KeyDown(VK_CONTROL);
    editor.MouseDown();
    editor.Frame(2);
    ASSERT_EQ(editor.mWorld->mPhysics->HoverObject(), doomed);

    Factory().mDestroySet.insert(doomed);
    editor.Frame(); // the factory deletes it; the editor lets go of it
    EXPECT_EQ(editor.mEditor->mPanels.mPicked.Get(), nullptr);
    EXPECT_NE(editor.mWorld->mPhysics->HoverObject(), doomed);
    TestSupport::PointAtWorld(editor, 1.0f, 1.0f);
    editor.Frame(2);
    EXPECT_EQ(other->GetComponent<Transform>()->mPosition, Vec3(3.0f, 0.0f, 0.0f));
    editor.MouseUp();
    editor.KeyUp(VK_CONTROL);
    editor.Frame();
}

TEST_F(ObjectList, AnArchetypeWithoutRendererIsNeverDropped)
{
    Factory().CreateObject("Invisible", ObjectKind::Archetype);
    ShowType(EditorObjectType::Archetypes);
    const TestSupport::RecordedItem* entry = FindItem("Invisible");
    ASSERT_NE(entry, nullptr);
    editor.MoveMouse(entry->Centre().x, entry->Centre().y);
    editor.Frame();
    editor.MouseDown();
    editor.Frame(3);
    TestSupport::PointAtWorld(editor, 2.0f, 2.0f);
    editor.Frame();
    editor.MouseUp();
    editor.Frame();
    EXPECT_TRUE(Factory().mObjects.empty());
}
