// "Component Editor": adding components by their rules, deleting them (also
// refused while another component needs them), and the Transform header.
#include <gtest/gtest.h>
#include <algorithm>
#include <imgui_internal.h>
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "graphics/Animator.h"
#include "graphics/Renderer.h"
#include "physics/Body.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"
#include "physics/SpatialGrid.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::EditorHarness;
using TestSupport::FindItem;

namespace
{
const char* const kRegret = "I immediately regret my decision. Forgive me!";

class ComponentEditor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mObject = editor.mWorld->mFactory->CreateObject("Thing", ObjectKind::GameObject);
        editor.Frame(3); // the window sizes itself to its content
    }

    // Chooses the creator in the combo and presses "Add component"; the name
    // of the popup that refused it, or "" when none opened.
    std::string Add(const std::string& creator)
    {
        EXPECT_TRUE(editor.Click("##creators", "Component Editor"));
        editor.Frame(2); // the list settles where it opens
        EXPECT_TRUE(editor.Click(creator, "##Combo_00")) << creator;
        EXPECT_TRUE(editor.Click("Add component"));
        editor.Frame(3);
        for (const char* popup :
             {"Add Component Error", "No Body Component Found", "No Renderer", "Repeat", "Component Needed"})
            if (FindItem(kRegret, popup))
            {
                EXPECT_TRUE(editor.Click(kRegret, popup));
                editor.Frame();
                return popup;
            }
        return "";
    }

    // Opens the component's header and presses its "Delete Component".
    std::string Delete(const std::string& header)
    {
        const TestSupport::RecordedItem* item = FindItem(header);
        EXPECT_NE(item, nullptr) << header;
        if (!item)
            return "?";
        const float y = item->mMin.y;
        editor.Click(item);
        editor.Frame();
        // The first "Delete Component" below the header is its own.
        const TestSupport::RecordedItem* button = nullptr;
        for (const auto& candidate : TestSupport::RecordedItems())
            if (candidate.mLabel == "Delete Component" && candidate.mMin.y > y &&
                (!button || candidate.mMin.y < button->mMin.y))
                button = &candidate;
        EXPECT_NE(button, nullptr) << TestSupport::DescribeRecordedItems();
        editor.Click(button);
        editor.Frame(2);
        if (FindItem(kRegret, "Component Needed"))
        {
            editor.Click(kRegret, "Component Needed");
            editor.Frame();
            editor.Click(header); // closed again, so the headers below stay in view
            return "Component Needed";
        }
        return "";
    }

    EditorHarness editor;
    Composition* mObject = nullptr;
};
} // namespace

TEST_F(ComponentEditor, AddingFollowsTheDependencyRules)
{
    EXPECT_EQ(Add("Controller"), "No Body Component Found");
    EXPECT_EQ(Add("Animator"), "No Renderer");
    EXPECT_EQ(Add("Body"), "");
    ASSERT_NE(mObject->GetComponent<Body>(), nullptr);
    EXPECT_EQ(Add("Body"), "Add Component Error");
    EXPECT_EQ(Add("OBB"), "");
    EXPECT_EQ(Add("Circle"), "Repeat");
    EXPECT_EQ(Add("OBB"), "Add Component Error"); // the same type is refused first
    EXPECT_EQ(Add("Renderer"), "");
    EXPECT_EQ(Add("Animator"), "");
    // Added components are initialised: the animator found its renderer.
    EXPECT_EQ(mObject->GetComponent<Animator>()->OwnRenderer(), mObject->GetComponent<Renderer>());
}

TEST_F(ComponentEditor, AComponentAnotherNeedsIsKeptAndDeletingGoesInTheSameFrame)
{
    ASSERT_EQ(Add("Renderer"), "");
    ASSERT_EQ(Add("Animator"), "");
    EXPECT_EQ(Delete("Renderer"), "Component Needed");
    EXPECT_NE(mObject->GetComponent<Renderer>(), nullptr);

    EXPECT_EQ(Delete("Animator"), "");
    EXPECT_EQ(mObject->GetComponent<Animator>(), nullptr);
    EXPECT_EQ(FindItem("Animator"), nullptr); // its header went with it
    EXPECT_EQ(Delete("Renderer"), "");
    EXPECT_EQ(mObject->GetComponent<Renderer>(), nullptr);
}

TEST_F(ComponentEditor, ABodyWithAShapeIsKeptAndADeletedShapeLeavesTheGrid)
{
    ASSERT_EQ(Add("Body"), "");
    ASSERT_EQ(Add("Circle"), "");
    EXPECT_EQ(Add("OBB"), "Repeat"); // one shape per body, whichever came first
    EXPECT_EQ(mObject->GetComponent<ShapeOBB>(), nullptr);
    Body* body = mObject->GetComponent<Body>();
    ASSERT_FALSE(body->mGridCells.empty());
    EXPECT_EQ(Delete("Body"), "Component Needed");

    EXPECT_EQ(Delete("Circle"), "");
    EXPECT_EQ(mObject->GetComponent<ShapeCircle>(), nullptr);
    EXPECT_TRUE(body->mGridCells.empty());
    for (int c = 0; c < gSpatialGrid->GetColumnCount(); ++c)
        for (int r = 0; r < gSpatialGrid->GetRowCount(); ++r)
        {
            const auto& cell = gSpatialGrid->GetCell(c, r);
            EXPECT_EQ(std::count(cell.begin(), cell.end(), body), 0);
        }
}

TEST_F(ComponentEditor, EditingPositionMovesTheBodyAndScaleReentersItInTheGrid)
{
    ASSERT_EQ(Add("Body"), "");
    ASSERT_EQ(Add("Circle"), "");
    ASSERT_TRUE(editor.Click("Transform"));
    editor.Frame();
    // Position's first part is its x field.
    const TestSupport::RecordedItem* field = FindItem("Position", "");
    ASSERT_NE(field, nullptr) << TestSupport::DescribeRecordedItems();
    ASSERT_TRUE(editor.Drag(field, 30.0f));
    Body* body = mObject->GetComponent<Body>();
    EXPECT_GT(body->mPosition.x, 1.0f);
    EXPECT_EQ(mObject->GetComponent<Transform>()->mPosition.x, body->mPosition.x);

    // A wider circle than a cell spreads along its row.
    ASSERT_EQ(body->mGridCells.size(), 1u);
    const TestSupport::RecordedItem* scale = FindItem("Scale", "");
    ASSERT_NE(scale, nullptr);
    ASSERT_TRUE(editor.Drag(scale, 30.0f));
    ASSERT_GT(mObject->GetComponent<Transform>()->mScale.x, 4.0f);
    EXPECT_GT(body->mGridCells.size(), 1u);
}

TEST_F(ComponentEditor, TheNameFieldRenamesAsItIsTyped)
{
    ASSERT_TRUE(editor.Click("##name", "Component Editor"));
    editor.KeyDown(VK_END);
    editor.Frame();
    editor.KeyUp(VK_END);
    editor.Type("_2");
    editor.Frame();
    EXPECT_EQ(mObject->mName, "Thing_2");

    // A Backspace tap shorter than a frame still reaches the field.
    editor.KeyDown(VK_BACK);
    editor.KeyUp(VK_BACK);
    editor.Frame(2);
    EXPECT_EQ(mObject->mName, "Thing_");
}
