// The editor's main menu bar: "File" (new, save and load dialogs, full screen,
// exit) and "Edit" (the art, animation and sound managers), then the frame
// rate. The shortcut texts are shown only; no key is bound to them.
#include <imgui.h>
#include "core/engine/CoreEngine.h"
#include "core/game/GameLogic.h"
#include "core/window/WindowSystem.h"
#include "editor/OurImGui.h"

namespace Framework
{
namespace
{
// The frame-rate read-out stands this far left of the bar's right end.
constexpr float kFpsFromRight = 120.0f;
} // namespace

void OurImGui::MainMenuBar()
{
    if (!ImGui::BeginMainMenuBar())
        return;
    if (ImGui::BeginMenu("File"))
    {
        ImGui::MenuItem("New", "CLT+N");
        if (ImGui::MenuItem("Save File", "CLT+S"))
            mOpenDialog = EditorDialog::SaveFile;
        if (ImGui::MenuItem("Load File", "CLT+L"))
        {
            mOpenDialog = EditorDialog::LoadFile;
            mResourceList.Refresh();
        }
        if (ImGui::MenuItem("Full Screen", "F11") && gWindowSystem)
            gWindowSystem->ToggleFullScreen();
        if (ImGui::MenuItem("Exit", "ALT+F4") && gLogic)
            gLogic->mState.RequestQuit();
        ImGui::EndMenu();
    }
    if (ImGui::BeginMenu("Edit"))
    {
        if (ImGui::MenuItem("Art Manager"))
            mOpenDialog = EditorDialog::ArtManager;
        if (ImGui::MenuItem("Animation Manager"))
            mOpenDialog = EditorDialog::AnimationManager;
        if (ImGui::MenuItem("Sound Manager"))
            mOpenDialog = EditorDialog::SoundManager;
        ImGui::EndMenu();
    }
    ImGui::SameLine(ImGui::GetWindowWidth() - kFpsFromRight);
    ImGui::Text("FPS : %.2f", gCore ? gCore->mFrameRateController.mFps : 0.0f);
    ImGui::EndMainMenuBar();
}
} // namespace Framework
