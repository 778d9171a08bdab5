// "FileDropSound": imports a dropped ".ogg". "Save!" copies it to
// "Resources/Audio/<name>" and adds it to the sound list under the typed
// identifier as an effect at the "Max Volume" (the list file is written at
// shutdown). A name that is no plain file name, an identifier that is not one
// word or already names a sound, a file of that name already in the folder,
// or a failed copy is refused with the reason shown, nothing registered.
#include <imgui.h>
#include "audio/AudioManager.h"
#include "core/engine/DebugSystem.h"
#include "editor/EditorDialogState.h"
#include "editor/EditorDialogs.h"
#include "editor/ImportedFiles.h"
#include "editor/NameRules.h"
#include "editor/OurImGui.h"

namespace Framework
{
namespace
{
const char* const kAudioFolder = "Resources/Audio/";
constexpr float kLabelledFieldX = 140.0f;
constexpr float kFieldWidth = 128.0f;

std::string SaveSound(OurImGui& editor, FileDropState& state)
{
    const std::string name = editor.mTextBuffer;
    const std::string key = state.mIdentifier;
    std::string problem = FileNameProblem(name);
    if (problem.empty())
        problem = IdentifierProblem(key);
    if (problem.empty() && !gAudio)
        problem = "there is no audio manager";
    const std::string destination = kAudioFolder + name;
    if (problem.empty() && gAudio->FindSound(key))
        problem = "a sound \"" + key + "\" already exists";
    if (problem.empty() && ImportWouldReplace(editor.mLastDroppedFile, destination))
        problem = "\"" + destination + "\" already exists";
    if (!problem.empty())
    {
        problem = "Sound not imported: " + problem + ".";
        Log(problem);
        return problem;
    }
    problem = CopyImportedFile(editor.mLastDroppedFile, destination);
    if (!problem.empty())
        return "Sound not imported: " + problem;
    gAudio->AddSound(destination, key);
    Log("Sound \"" + key + "\" imported as \"" + destination + "\".");
    return "";
}
} // namespace

void FileDropSoundDialog(OurImGui& editor, const std::string& fileName)
{
    FileDropState& state = DialogStateOf(editor).mFileDrop;
    if (!ImGui::BeginPopupModal("FileDropSound", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    FileDropNameField(editor, state, fileName);

    ImGui::PushItemWidth(kFieldWidth);
    ImGui::Text("Sound Identifier :");
    ImGui::SameLine(kLabelledFieldX);
    ImGui::InputText("##key", state.mIdentifier, sizeof(state.mIdentifier));
    ImGui::Text("Max Volume :");
    ImGui::SameLine(kLabelledFieldX);
    ImGui::DragFloat("##maxvol", &gNewSoundVolume, 1.0f, 0.0f, 0.0f, "%.3f");
    ImGui::PopItemWidth();
    DialogProblemText(state.mProblem);

    FileDropSaveCloseButtons(editor, state, [&] { return SaveSound(editor, state); });
    ImGui::EndPopup();
}
} // namespace Framework
