// "All Game Objects", the window on the left: the "Object Type" combo chooses
// what it works on.
//   Archetype  the archetype list; "Clone" makes a live copy, "Create" a new
//              archetype, "Delete" removes one; an entry dragged into the
//              level drops a copy there (ArchetypeDrag.cpp)
//   Custom     the level's live objects; "Create Object", "Remove Object" (or
//              the Delete key, with a confirmation) and "Make Archetype"
//   TileMap    the tile tools (TileSection.cpp)
// After the window, clicks in the level pick objects and Ctrl-drags move or
// turn them (ScenePicking.cpp). The selected entry is what the component
// editor shows.
#include <imgui.h>
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"
#include "editor/EditorWidgets.h"
#include "editor/EditPanels.h"
#include "editor/OurImGui.h"

namespace Framework
{
namespace
{
const char* const kObjectTypeNames[] = {"Archetype", "Custom", "TileMap"};
constexpr int kObjectTypeCount = 3;
constexpr float kWindowWidth = 325.0f;
constexpr float kWindowTop = 21.0f; // just below the main menu bar
constexpr float kWindowHeightShare = 0.7f;
constexpr float kComboX = 110.0f;
constexpr int kListRows = 24;
const char* const kRemovePopup = "Remove Game Object";
const char* const kDuplicatedPopup = "Duplicated";

bool KeyTriggered(int vk) { return gInput && gInput->mState.IsTriggered(vk); }

void ArchetypeButtons(OurImGui& editor, size_t count)
{
    if (ImGui::Button("Clone") && count > 0)
        CloneArchetype(editor.mSelectedIndex);
    ImGui::SameLine();
    if (ImGui::Button("Create") && gFactory)
        gFactory->CreateObject("New_Archetype", ObjectKind::Archetype);
    ImGui::SameLine();
    if (ImGui::Button("Delete") && count > 0 && DeleteArchetype(editor.mSelectedIndex))
        editor.mSelectedIndex = ClampSelection(editor.mSelectedIndex, gFactory->mArchetypes.size());
}

void LiveObjectButtons(OurImGui& editor, size_t count)
{
    if (ImGui::Button("Create Object") && gFactory)
        gFactory->CreateObject(editor.mNewObjectName, ObjectKind::GameObject);
    ImGui::SameLine();
    const bool valid = editor.mSelectedIndex >= 0 && static_cast<size_t>(editor.mSelectedIndex) < count;
    // The Delete key belongs to a text field that is being typed in.
    const bool deleteKey = KeyTriggered(VK_DELETE) && !ImGui::GetIO().WantTextInput;
    if ((ImGui::Button("Remove Object") || deleteKey) && valid)
        ImGui::OpenPopup(kRemovePopup);
    ImGui::SameLine();
    if (ImGui::Button("Make Archetype") && count > 0 && !MakeArchetype(editor.mSelectedIndex))
        ImGui::OpenPopup(kDuplicatedPopup);
}

void RemovePopup(OurImGui& editor)
{
    if (!ImGui::BeginPopupModal(kRemovePopup, nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    Composition* object = gFactory ? MapValueAt(gFactory->mObjects, editor.mSelectedIndex) : nullptr;
    if (!object || editor.mSelectedIndex < 0)
    {
        // The object went away while the question was open (a level load).
        ImGui::CloseCurrentPopup();
        ImGui::EndPopup();
        return;
    }
    ImGui::Text("Do you wish to remove game object : %s", object->mName.c_str());
    if (ImGui::Button("Confirm delete?") || KeyTriggered(VK_RETURN))
    {
        gFactory->mDestroySet.insert(object);
        ImGui::CloseCurrentPopup();
    }
    ImGui::SameLine();
    if (ImGui::Button("I regret it, don't delete!") || KeyTriggered(VK_ESCAPE))
        ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
}

void DuplicatedPopup()
{
    if (!ImGui::BeginPopupModal(kDuplicatedPopup, nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    ImGui::TextUnformatted("Duplicated archetype name found, please rename if you have to!");
    if (ImGui::Button("Close"))
        ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
}
} // namespace

void OurImGui::ObjectListPanel()
{
    const float height = static_cast<float>(mHeight);
    ImGui::SetNextWindowPos(ImVec2(0.0f, kWindowTop));
    ImGui::SetNextWindowSize(ImVec2(kWindowWidth, kWindowHeightShare * height));
    const ImGuiWindowFlags flags = ImGuiWindowFlags_NoTitleBar | ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoMove |
                                   ImGuiWindowFlags_NoScrollbar | ImGuiWindowFlags_NoCollapse;
    if (ImGui::Begin("All Game Objects", &mObjectListOpen, flags))
    {
        ImGui::TextUnformatted("Object Type");
        ImGui::SameLine(kComboX);
        ImGui::Combo("##objecttype", &mObjectType, kObjectTypeNames, kObjectTypeCount, kObjectTypeCount);
        ImGui::TextUnformatted("Selected Object: ");

        static const ObjectMap kNoObjects;
        const ObjectMap& archetypes = mArchetypeMap ? *mArchetypeMap : kNoObjects;
        const ObjectMap& objects = mObjectMap ? *mObjectMap : kNoObjects;
        if (mObjectType == EditorObjectType::Archetypes)
        {
            const bool held = ObjectListBox("##archetypes", archetypes, &mSelectedIndex, kListRows);
            mSelectedIndex = ClampSelection(mSelectedIndex, archetypes.size());
            ArchetypeDrag(*this, held);
        }
        else if (mObjectType == EditorObjectType::LiveObjects)
        {
            ObjectListBox("##objects", objects, &mSelectedIndex, kListRows);
            mSelectedIndex = ClampSelection(mSelectedIndex, objects.size());
        }

        ImGui::Separator();
        if (mObjectType == EditorObjectType::Archetypes)
            ArchetypeButtons(*this, archetypes.size());
        else if (mObjectType == EditorObjectType::LiveObjects)
            LiveObjectButtons(*this, objects.size());
        else
            TileSection(*this);
        RemovePopup(*this);
        DuplicatedPopup();
    }
    ImGui::End();

    if (mObjectType != EditorObjectType::TileMap)
        ScenePicking(*this);
}
} // namespace Framework
