// "FileDropNone": what a dropped file of any other kind gets, the kinds the
// editor takes.
#include <imgui.h>
#include "editor/EditorDialogs.h"

namespace Framework
{
void FileDropNoneDialog(OurImGui& editor)
{
    if (!ImGui::BeginPopupModal("FileDropNone", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    ImGui::Text("Only the following files extension are accepted via drag and drop!");
    ImGui::Text("\".ogg\" - for sounds / musics.");
    ImGui::Text("\".png\" - for pictures / animations.");
    ImGui::Text("Please check your file extension or try again!");
    if (ImGui::Button("Close!"))
        EndFileDrop(editor);
    ImGui::EndPopup();
}
} // namespace Framework
