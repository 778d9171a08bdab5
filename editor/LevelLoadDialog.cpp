// "Load File": the level folder's levels and "Load" with the confirmation
// "Confirm Load". Loading replaces the running level's objects, tiles, render
// lists and scripts with the picked level's, on this thread, in the editor
// state; a level whose files are missing or unreadable is refused before
// anything is destroyed, with the reason shown here.
#include <imgui.h>
#include "editor/EditorDialogState.h"
#include "editor/EditorDialogs.h"
#include "editor/LevelFileOperations.h"
#include "editor/OurImGui.h"

namespace Framework
{
void LoadFileDialog(OurImGui& editor)
{
    LevelDialogState& state = DialogStateOf(editor).mLevel;
    ImGui::OpenPopup("Load File");
    if (!ImGui::BeginPopupModal("Load File", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    LevelFileList(editor.mResourceList.Entries("LevelData"), state.mLoadName);
    ImGui::Text("Load this file : %s", state.mLoadName);
    DialogProblemText(state.mProblem);

    LevelDialogButtons(editor, "Load", "Confirm Load", state.mProblem);

    LevelConfirmPopup("Confirm Load", "Do you wish to load? Any existing unsaved work will be deleted. BE WARNED!",
                      [&] { state.mProblem = LoadLevelNamed(state.mLoadName); });
    ImGui::EndPopup();
}
} // namespace Framework
