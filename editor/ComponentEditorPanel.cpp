// "Component Editor": the object selected in the object list (an archetype or
// a live object) with its name, its tag, its Transform (TransformHeader.cpp)
// and one header per other component holding that component's own inspector
// and "Delete Component". Below, the registered component creators and "Add
// component", which keeps the rules of ComponentRules.cpp with a popup for
// each refusal. Edits apply to the object at once.
#include <imgui.h>
#include <imgui_stdlib.h>
#include "core/objects/ComponentCreator.h"
#include "core/objects/Factory.h"
#include "editor/EditorWidgets.h"
#include "editor/EditPanels.h"
#include "editor/OurImGui.h"
#include "physics/BasicShape.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
namespace
{
constexpr int kOfferedTags = 36; // "None" to "FrozenCan": the object-type names are not tags
constexpr float kComponentsHeight = 500.0f;
const char* const kRegretButton = "I immediately regret my decision. Forgive me!";
const char* const kNeededPopup = "Component Needed";

struct RefusalPopup
{
    const char* mName;
    const char* mText;
};

const RefusalPopup kRefusalPopups[] = {
    {"Add Component Error", "Component already exist!"},
    {"No Renderer", "No renderer component found, please add a renderer component before animator!"},
    {"No Body Component Found", "No body component found, please add a body component before circle / obb!"},
    {"Repeat", "A circle / obb component exist, remove them before continuing with this!"},
};

std::string TypeName(int32_t typeId)
{
    std::string name = gFactory ? gFactory->GetComponentName(typeId) : std::string();
    if (name.empty() && typeId >= 0 && typeId < ComponentType::Count)
        name = gComponentTypeNames[typeId];
    return name;
}

bool CreatorNameGetter(void* data, int n, const char** out)
{
    const auto* creators = static_cast<const std::map<std::string, ComponentCreator*>*>(data);
    if (n < 0 || static_cast<size_t>(n) >= creators->size())
        return false;
    *out = std::next(creators->begin(), n)->first.c_str();
    return true;
}

void ComponentHeaders(Composition& object, EditPanelsState& state)
{
    for (Component* component : object.mComponents)
    {
        if (component->mTypeId == ComponentType::Transform)
            continue;
        ImGui::PushID(component);
        const bool open = ImGui::CollapsingHeader(TypeName(component->mTypeId).c_str());
        if (open)
        {
            component->DrawInspector();
            ImGui::PushID(component->mTypeId);
            if (ImGui::Button("Delete Component"))
            {
                if (const int32_t neededBy = ComponentNeededBy(object, *component))
                {
                    state.mRefusalPopup = kNeededPopup;
                    state.mNeededBy = TypeName(neededBy);
                }
                else
                {
                    // A shape takes its body out of the grid before it goes.
                    auto* shape = dynamic_cast<BasicShape*>(component);
                    if (shape && shape->mBody && gSpatialGrid)
                        gSpatialGrid->Remove(shape->mBody);
                    object.mPendingRemoval.insert(component);
                }
            }
            ImGui::PopID();
        }
        ImGui::PopID();
    }
    object.RemovePendingComponents();
}

void AddComponentRow(OurImGui& editor, Composition& object)
{
    ImGui::TextUnformatted("Components :  ");
    ImGui::SameLine();
    auto& creators = gFactory->mCreators;
    const int count = static_cast<int>(creators.size());
    editor.mComponentChoice = ClampSelection(editor.mComponentChoice, creators.size());
    ImGui::Combo("##creators", &editor.mComponentChoice, CreatorNameGetter, &creators, count, count);
    if (count == 0 || !ImGui::Button("Add component"))
        return;
    ComponentCreator* creator = std::next(creators.begin(), editor.mComponentChoice)->second;
    const auto typeId = static_cast<int32_t>(creator->mTypeId);
    const std::string refusal = AddComponentRefusal(object, typeId);
    if (!refusal.empty())
    {
        editor.mPanels.mRefusalPopup = refusal;
        return;
    }
    Component* component = creator->Create();
    object.AddComponent(typeId, component);
    component->Initialize();
}

void Popups(EditPanelsState& state)
{
    if (!state.mRefusalPopup.empty())
        ImGui::OpenPopup(state.mRefusalPopup.c_str());
    state.mRefusalPopup.clear();
    for (const RefusalPopup& popup : kRefusalPopups)
        if (ImGui::BeginPopupModal(popup.mName, nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        {
            ImGui::TextUnformatted(popup.mText);
            if (ImGui::Button(kRegretButton))
                ImGui::CloseCurrentPopup();
            ImGui::EndPopup();
        }
    if (ImGui::BeginPopupModal(kNeededPopup, nullptr, ImGuiWindowFlags_AlwaysAutoResize))
    {
        ImGui::Text("The %s component needs this one, remove it before deleting this!", state.mNeededBy.c_str());
        if (ImGui::Button(kRegretButton))
            ImGui::CloseCurrentPopup();
        ImGui::EndPopup();
    }
}
} // namespace

void OurImGui::ComponentEditorPanel()
{
    SideWindowFirstPosition(*this);
    SideWindowMinimumSize();
    if (!ImGui::Begin("Component Editor", &mSideWindowOpen, ImGuiWindowFlags_AlwaysAutoResize))
    {
        ImGui::End();
        return;
    }
    ObjectMap* map = mObjectType == EditorObjectType::Archetypes ? mArchetypeMap : mObjectMap;
    Composition* object = nullptr;
    if (map && gFactory && mSelectedIndex >= 0 && static_cast<size_t>(mSelectedIndex) < map->size())
        object = MapValueAt(*map, mSelectedIndex);
    if (object)
    {
        ImGui::TextUnformatted("Selected Object : ");
        ImGui::SameLine();
        std::string name = object->mName;
        if (ImGui::InputText("##name", &name) && name != object->mName)
        {
            object->mName = name;
            gFactory->ObjectsChanged(); // lookups by name must see the new one
        }

        ImGui::TextUnformatted("Selected Objtag : ");
        ImGui::SameLine();
        int tag = object->mTag < static_cast<uint32_t>(kOfferedTags) ? static_cast<int>(object->mTag) : -1;
        if (ImGui::Combo("##tag", &tag, gObjectTagNames, kOfferedTags, kOfferedTags) && tag >= 0)
        {
            object->mTag = static_cast<uint32_t>(tag);
            gFactory->ObjectsChanged();
        }

        ImGui::Separator();
        ImGui::BeginChild("##componentlist", ImVec2(0.0f, kComponentsHeight), true);
        TransformHeader(*object);
        ComponentHeaders(*object, mPanels);
        ImGui::EndChild();
        ImGui::Separator();
        AddComponentRow(*this, *object);
    }
    Popups(mPanels);
    ImGui::End();
}
} // namespace Framework
