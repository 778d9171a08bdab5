// Every component's inspector drawn for real in a headless ImGui frame, among
// the engine's systems, and a few edits made through its widgets the way a
// user makes them.
#include <gtest/gtest.h>
#include "audio/AudioComponent.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/Button.h"
#include "gameplay/Controller.h"
#include "graphics/Camera.h"
#include "graphics/TextRenderer.h"
#include "physics/Body.h"
#include "physics/ShapeOBB.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::FindItem;
using TestSupport::HeadlessImGui;

namespace
{
struct Inspectors : ::testing::Test
{
    // An initialised live object holding a Transform and the named components.
    Composition* Make(const char* name, std::initializer_list<const char*> components)
    {
        Composition* object = mEditor.mWorld->mFactory->CreateObject(name, ObjectKind::GameObject);
        for (const char* component : components)
            EXPECT_NE(mEditor.mWorld->mFactory->AddComponent(object, component), nullptr) << component;
        object->Initialize();
        return object;
    }

    TestSupport::EditorHarness mEditor{true};
    HeadlessImGui mImGui{1366.0f, 6000.0f}; // tall enough for every inspector at once
};
} // namespace

TEST_F(Inspectors, EveryComponentDrawsItsInspectorInAFrame)
{
    Composition* everything =
        Make("Everything", {"Renderer", "Animator", "TextRenderer", "Camera", "ParticleComponent", "AudioComponent",
                            "Behaviour", "Button", "Body", "Circle", "Controller"});
    Composition* box = Make("Box", {"Body", "OBB"});
    ASSERT_EQ(everything->mComponents.size(), 12u);
    box->GetComponent<ShapeOBB>()->RotateFixedPoint = true; // the pivot fields too

    const auto body = [&]
    {
        for (Composition* object : {everything, box})
        {
            ImGui::PushID(static_cast<int>(object->mId));
            for (Component* component : object->mComponents)
            {
                ImGui::PushID(component->mTypeId);
                component->DrawInspector();
                ImGui::PopID();
            }
            ImGui::PopID();
        }
    };
    mImGui.Frame(body, 3);
    EXPECT_GT(ImGui::GetDrawData()->CmdListsCount, 0);
    for (const char* label : {"Texture", "FPS", "##Text", "Left", "Activate Emitter", "Audio", "Scripts", "Active",
                              "Mass", "Radius", "Speed", "OBB Extents", "PivotPoint"})
        EXPECT_NE(FindItem(label), nullptr) << label;
}

TEST_F(Inspectors, DragsAndChecksChangeTheirComponents)
{
    Composition* object = Make("Edited", {"Camera", "Body", "Button", "Controller"});

    auto* controller = object->GetComponent<Controller>();
    const auto drawController = [&] { controller->DrawInspector(); };
    mImGui.Frame(drawController);
    const float speed = controller->mSpeed;
    ASSERT_TRUE(mImGui.Drag(FindItem("Speed"), 30.0f, drawController));
    EXPECT_FLOAT_EQ(controller->mSpeed, speed + 30.0f);

    auto* body = object->GetComponent<Body>();
    const auto drawBody = [&] { body->DrawInspector(); };
    body->mMass = 1.0f;
    mImGui.Frame(drawBody);
    ASSERT_TRUE(mImGui.Drag(FindItem("Mass"), 13.0f, drawBody));
    EXPECT_FLOAT_EQ(body->mMass, 14.0f);
    EXPECT_FLOAT_EQ(body->mInverseMass, 1.0f / 14.0f); // recomputed with the mass

    auto* button = object->GetComponent<Button>();
    const auto drawButton = [&] { button->DrawInspector(); };
    const bool active = button->Active;
    mImGui.Frame(drawButton);
    ASSERT_TRUE(mImGui.Click(FindItem("Active"), drawButton));
    EXPECT_EQ(button->Active, !active);

    auto* camera = object->GetComponent<Camera>();
    const auto drawCamera = [&] { camera->DrawInspector(); };
    const float left = camera->Left;
    mImGui.Frame(drawCamera);
    ASSERT_TRUE(mImGui.Drag(FindItem("Left"), -10.0f, drawCamera));
    EXPECT_FLOAT_EQ(camera->Left, left - 10.0f);
}

TEST_F(Inspectors, TextTypedIntoAFieldAndAComboChoiceReachTheirComponents)
{
    Composition* object = Make("Typed", {"TextRenderer", "Behaviour"});

    auto* text = object->GetComponent<TextRenderer>();
    text->TextString.clear();
    const auto drawText = [&] { text->DrawInspector(); };
    mImGui.Frame(drawText);
    ASSERT_TRUE(mImGui.Click(FindItem("##Text"), drawText));
    mImGui.Type("Apple", drawText);
    EXPECT_EQ(text->TextString, "Apple");

    auto* behaviour = object->GetComponent<Behaviour>();
    const auto drawBehaviour = [&] { behaviour->DrawInspector(); };
    mImGui.Frame(drawBehaviour);
    ASSERT_TRUE(mImGui.Click(FindItem("Scripts"), drawBehaviour)); // opens the list
    ASSERT_TRUE(mImGui.Click(FindItem("Mushroom"), drawBehaviour)) << TestSupport::DescribeRecordedItems();
    EXPECT_EQ(behaviour->ScriptID, 2);
}
