// The window mOpenDialog names (EditorDialog): the art, animation and sound
// managers and the level save and load dialogs, opened from the main menu.
// Drawn after the main menu bar each editor frame.
#include <imgui.h>
#include <imgui_internal.h> // the open popup stack: closing popups the editor left open
#include "editor/EditorDialogState.h"
#include "editor/EditorDialogs.h"
#include "editor/OurImGui.h"

namespace Framework
{
EditorDialogState& DialogStateOf(OurImGui& editor)
{
    if (!editor.mDialogState)
        editor.mDialogState = std::make_unique<EditorDialogState>();
    return *editor.mDialogState;
}

void BeginDialogFrame(OurImGui& editor)
{
    EditorDialogState& state = DialogStateOf(editor);
    const int frame = ImGui::GetFrameCount();
    state.mWindowsAppearing = state.mLastEditorFrame != frame - 1;
    state.mLastEditorFrame = frame;
    ImGuiContext* context = ImGui::GetCurrentContext();
    if (state.mWindowsAppearing && context && context->OpenPopupStack.Size > 0)
        ImGui::ClosePopupToLevel(0, false);
}

void OurImGui::FileAndManagerDialogs(float dt)
{
    if (DialogStateOf(*this).mWindowsAppearing)
        return;
    switch (mOpenDialog)
    {
    case EditorDialog::ArtManager:
        ArtManagerDialog(*this);
        break;
    case EditorDialog::AnimationManager:
        AnimationManagerDialog(*this, dt);
        break;
    case EditorDialog::SoundManager:
        SoundManagerDialog(*this);
        break;
    case EditorDialog::SaveFile:
        SaveFileDialog(*this);
        break;
    case EditorDialog::LoadFile:
        LoadFileDialog(*this);
        break;
    default:
        break;
    }
}
} // namespace Framework
