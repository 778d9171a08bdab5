// "Save File": the level folder's levels, a name field, and "Save" with the
// confirmation "Confirm Overwrite". Saving writes the running level's objects
// and tiles as "<name>.xml" and "<name>.dat" and lists the folder again; a
// name that is no plain file name is refused with the reason shown here.
#include <imgui.h>
#include "editor/EditorDialogState.h"
#include "editor/EditorDialogs.h"
#include "editor/LevelFileOperations.h"
#include "editor/OurImGui.h"

namespace Framework
{
namespace
{
constexpr float kNameFieldWidth = 200.0f;
} // namespace

void SaveFileDialog(OurImGui& editor)
{
    LevelDialogState& state = DialogStateOf(editor).mLevel;
    ImGui::OpenPopup("Save File");
    if (!ImGui::BeginPopupModal("Save File", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    LevelFileList(editor.mResourceList.Entries("LevelData"), state.mSaveName);
    ImGui::PushItemWidth(kNameFieldWidth);
    ImGui::Text("Save as : ");
    ImGui::SameLine();
    // The name is what the dialog asks for: typed at once, it goes there.
    if (ImGui::IsWindowAppearing())
        ImGui::SetKeyboardFocusHere();
    ImGui::InputText("##filename", state.mSaveName, sizeof(state.mSaveName));
    ImGui::SameLine();
    ImGui::Text(".xml");
    ImGui::PopItemWidth();
    DialogProblemText(state.mProblem);

    LevelDialogButtons(editor, "Save", "Confirm Overwrite", state.mProblem);

    LevelConfirmPopup("Confirm Overwrite",
                      "Do you wish to save? If file exist, any content will be overwritten. BE WARNED!",
                      [&]
                      {
                          state.mProblem = SaveLevelNamed(state.mSaveName);
                          editor.mResourceList.Refresh();
                      });
    ImGui::EndPopup();
}
} // namespace Framework
