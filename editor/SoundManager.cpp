// "Sound Manager": every key of the audio manager's sound list with "Play!"
// (played as the music, looping, in place of the current music) and "Stop!".
// "Delete!" is shown but removes nothing: audio components name their sounds
// by key. Closing stops the music the manager started.
#include <imgui.h>
#include "audio/AudioManager.h"
#include "editor/EditorDialogs.h"
#include "editor/OurImGui.h"

namespace Framework
{
namespace
{
const ImVec2 kListRegion(710.0f, 250.0f);

void StopManagerMusic()
{
    if (gAudio)
        gAudio->StopMusic();
}
} // namespace

void SoundManagerDialog(OurImGui& editor)
{
    ImGui::OpenPopup("Sound Manager");
    if (!ImGui::BeginPopupModal("Sound Manager", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    ImGui::BeginChild("##sounds", kListRegion, true);
    ImGui::Columns(2, "##soundcolumns", true);
    if (gAudio)
        for (const std::string& key : gAudio->GetSoundKeys())
        {
            ImGui::PushID(key.c_str());
            ImGui::Text("%s", key.c_str());
            ImGui::NextColumn();
            if (ImGui::Button("Play!"))
                gAudio->PlayMusic(key);
            ImGui::SameLine();
            if (ImGui::Button("Stop!"))
                StopManagerMusic();
            ImGui::SameLine();
            ImGui::Button("Delete!");
            ImGui::NextColumn();
            ImGui::Separator();
            ImGui::PopID();
        }
    ImGui::Columns(1);
    ImGui::EndChild();
    if (ImGui::Button("Close"))
    {
        StopManagerMusic();
        ImGui::CloseCurrentPopup();
        editor.mOpenDialog = EditorDialog::None;
    }
    ImGui::EndPopup();
}
} // namespace Framework
