// The dialogs of a file dropped on the window (mFileDropped, mLastDroppedFile):
// a ".png" opens "FileDropArt" (a new sprite sheet), an ".ogg" opens
// "FileDropSound" (a new sound), anything else "FileDropNone". The extension
// is compared exactly: ".PNG" and ".OGG" are refused. Drawn first each
// editor frame; the popup is opened again every frame while the drop waits.
#include <imgui.h>
#include <cstring>
#include "editor/EditorDialogState.h"
#include "editor/EditorDialogs.h"
#include "editor/NameRules.h"
#include "editor/OurImGui.h"

namespace Framework
{
void FileDropNameField(OurImGui& editor, FileDropState& state, const std::string& fileName)
{
    // The dropped name fills the field once per drop; the user may edit it after.
    if (state.mCopyName)
    {
        std::strncpy(editor.mTextBuffer, fileName.c_str(), sizeof(editor.mTextBuffer) - 1);
        state.mCopyName = false;
    }
    ImGui::Text("Save file \"%s\" with following name & settings?", fileName.c_str());
    ImGui::Text("Save file as : ");
    ImGui::SameLine(128.0f);
    ImGui::InputText("##saveas", editor.mTextBuffer, 64);
}

void EndFileDrop(OurImGui& editor)
{
    FileDropState& state = DialogStateOf(editor).mFileDrop;
    ImGui::CloseCurrentPopup();
    editor.mFileDropped = false;
    state.mCopyName = true;
    state.mSheetLoaded = false;
    state.mProblem.clear();
    std::memset(editor.mTextBuffer, 0, sizeof(editor.mTextBuffer));
}

void FileDropSaveCloseButtons(OurImGui& editor, FileDropState& state, const std::function<std::string()>& save)
{
    if (ImGui::Button("Save!"))
    {
        const std::string problem = save();
        if (problem.empty())
            EndFileDrop(editor);
        else
            state.mProblem = problem;
    }
    ImGui::SameLine();
    if (ImGui::Button("Close!"))
        EndFileDrop(editor);
}

void OurImGui::FileDropDialogs()
{
    if (DialogStateOf(*this).mWindowsAppearing)
        return;
    std::string fileName;
    if (mFileDropped)
    {
        fileName = FileNameOfPath(mLastDroppedFile);
        const std::string extension = ExtensionOf(fileName);
        if (extension == "png")
            ImGui::OpenPopup("FileDropArt");
        else if (extension == "ogg")
            ImGui::OpenPopup("FileDropSound");
        else
            ImGui::OpenPopup("FileDropNone");
    }
    FileDropArtDialog(*this, fileName);
    FileDropSoundDialog(*this, fileName);
    FileDropNoneDialog(*this);
}
} // namespace Framework
