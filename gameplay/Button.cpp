#include "gameplay/Button.h"
#include <cstring>
#include <imgui.h>
#include "core/Composition.h"
#include "core/GameLogic.h"
#include "core/InputSys.h"
#include "core/TextSerializer.h"
#include "core/XmlSerializer.h"
#include "gameplay/ResourceManager.h"
#include "graphics/SpriteSheet.h"

namespace Framework
{
Button* gPressedButton = nullptr;

namespace
{
constexpr int LeftButton = 1; // virtual key of the left mouse button
constexpr size_t LevelEditBufferSize = 1024;


} // namespace

Button::Button()
{
    if (gResourceManager)
        gResourceManager->AddButton(this);
}

Button::~Button()
{
    if (gResourceManager)
        gResourceManager->RemoveButton(this);
    if (gPressedButton == this)
        gPressedButton = nullptr;
}

void Button::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("Button");
    serializer.PushElement("TargetState");
    serializer.SetAttribute("Value", TargetState);
    serializer.PopElement();
    serializer.PopElement();
}

void Button::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("Button");
    serializer.WriteUnsigned(TargetState);
}

void Button::UnserializeXml(XmlSerializer& serializer)
{
    int value = static_cast<int>(TargetState); // a missing attribute keeps it
    serializer.ReadInt(value);
    TargetState = static_cast<uint32_t>(value);
}

void Button::UnserializeText(TextSerializer& serializer) { serializer.ReadUnsigned(TargetState); }

void Button::Initialize() {}

void Button::DrawInspector()
{
    ImGui::Checkbox("Active", &Active);
    ImGui::Checkbox("Hover", &Hover);
    ImGui::Checkbox("Click", &Click);
    int state = static_cast<int>(TargetState);
    if (ImGui::Combo("State", &state, gGameStateNames, GameState::Count, 3))
        TargetState = static_cast<uint32_t>(state);
    char buffer[LevelEditBufferSize] = {};
    // Bounded copy; a longer path shows cut and is replaced only when edited.
    std::strncpy(buffer, TargetLevel.c_str(), sizeof(buffer) - 1);
    if (ImGui::InputText("##TargetLevel", buffer, sizeof(buffer)) && TargetLevel != buffer)
        TargetLevel = buffer;
}

void Button::Update() {}
} // namespace Framework
