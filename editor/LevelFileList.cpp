// The list both level dialogs show: the levels of "Resources/LevelData/" by
// their ".xml" file, a click picking the level's name. Also the red line a
// dialog shows when it refused a name or a file, and the dialogs' buttons and
// confirmation popup.
#include <imgui.h>
#include <cstring>
#include "editor/EditorDialogs.h"
#include "editor/LevelFileOperations.h"
#include "editor/OurImGui.h"

namespace Framework
{
namespace
{
const ImVec2 kListSize(710.0f, 300.0f);
const ImVec4 kProblemColour(1.0f, 0.35f, 0.3f, 1.0f);
constexpr size_t kNameCapacity = 64;
} // namespace

void LevelFileList(const std::vector<std::string>& levelFolderEntries, char* name)
{
    ImGui::BeginChild("##levelfiles", kListSize, true);
    for (const std::string& file : LevelFileNames(levelFolderEntries))
        if (ImGui::Selectable(file.c_str(), false))
        {
            const std::string level = LevelNameOfFile(file);
            std::strncpy(name, level.c_str(), kNameCapacity - 1);
            name[kNameCapacity - 1] = '\0';
        }
    ImGui::EndChild();
}

void DialogProblemText(const std::string& problem)
{
    if (!problem.empty())
        ImGui::TextColored(kProblemColour, "%s", problem.c_str());
}

void LevelDialogButtons(OurImGui& editor, const char* action, const char* confirmPopup, std::string& problem)
{
    if (ImGui::Button(action))
        ImGui::OpenPopup(confirmPopup);
    ImGui::SameLine();
    if (ImGui::Button("Close"))
    {
        ImGui::CloseCurrentPopup();
        editor.mOpenDialog = EditorDialog::None;
        problem.clear();
    }
}

void LevelConfirmPopup(const char* popup, const char* question, const std::function<void()>& confirmed)
{
    if (!ImGui::BeginPopupModal(popup, nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    ImGui::Text("%s", question);
    if (ImGui::Button("Confirm?"))
    {
        confirmed();
        ImGui::CloseCurrentPopup();
    }
    ImGui::SameLine();
    if (ImGui::Button("Cancel"))
        ImGui::CloseCurrentPopup();
    ImGui::EndPopup();
}
} // namespace Framework
