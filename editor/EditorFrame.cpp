// The editor's frame, run once a frame as the engine's last system. Every
// state starts and renders an ImGui frame (so the profiler can show over the
// game); only the editor state draws the editor itself, in this order:
//
//   tile grid lines and painting (tile map mode)   TileGridEditing
//   the dialogs of a dropped file                  FileDropDialogs
//   "All Game Objects"                             ObjectListPanel
//   "TileSet Editor" or "Component Editor"         TileSetEditorPanel / ComponentEditorPanel
//     (unless closed: SideWindowShown)
//   the main menu bar                              MainMenuBar
//   the open level dialog or resource manager      FileAndManagerDialogs
//   "Level Serializables", "Additional Informations"
//
// Keys: F3 hides and shows the editor, F7 saves the level as "level_test" and
// plays it, a newly pressed Ctrl key prints "CTRL".
#include <imgui.h>
#include <iostream>
#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/window/InputSys.h"
#include "editor/EditPanels.h"
#include "editor/EditorDialogState.h"
#include "editor/OurImGui.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
bool Triggered(int vk) { return gInput && gInput->mState.IsTriggered(vk); }

// The keyboard as it is now: the desktop's, or the messages' for synthetic input.
bool CtrlDownNow() { return Platform::IsKeyDownAsync(VK_CONTROL) || (gInput && gInput->mState.mRawKeys[VK_CONTROL]); }

// Set as the frame ends, for the game's keys of the next frame: from the
// frame the menu opens a level dialog, before its field has the keyboard,
// a letter typed for its name fires no shortcut (A would open every level).
void TakeLettersFor(int openDialog, bool editorShown)
{
    if (gInput)
        gInput->mState.mLettersTaken =
            editorShown && (openDialog == EditorDialog::SaveFile || openDialog == EditorDialog::LoadFile);
}
} // namespace

void OurImGui::Update(float dt)
{
    NewFrame(dt);
    mLastDrawListCount = 0;

    const bool editorState = gLogic && gLogic->mState.mCurrent == GameState::EDITOR;
    if (editorState)
    {
        if (Triggered(VK_F3))
            gEditorHidden = !gEditorHidden;
        if (gEditorHidden)
        {
            TakeLettersFor(mOpenDialog, false);
            // Nothing drawn, but the frame must still end before the next one begins.
            ImGui::EndFrame();
            return;
        }
        // Set inside the frame, so ImGui's merged flags must follow or it
        // stops at the frame's end.
        mIo->KeyCtrl = CtrlDownNow();
        mIo->KeyMods = mIo->KeyCtrl ? ImGuiKeyModFlags_Ctrl : ImGuiKeyModFlags_None;
        if (Triggered(VK_F7))
            PlayTestSave();
        if (Triggered(VK_LCONTROL) || Triggered(VK_RCONTROL))
            std::cout << "CTRL" << std::endl;

        BeginDialogFrame(*this);
        if (mObjectType == EditorObjectType::TileMap)
            TileGridEditing();
        FileDropDialogs();
        ObjectListPanel();
        if (SideWindowShown(*this))
        {
            if (mObjectType == EditorObjectType::TileMap)
                TileSetEditorPanel();
            else
                ComponentEditorPanel();
        }
        MainMenuBar();
        FileAndManagerDialogs(dt);
        LevelSerializablesPanel();
        AdditionalInfoPanel();
    }
    TakeLettersFor(mOpenDialog, editorState);

    if (gDebug && gDebug->mProfilerShown)
        gDebug->DrawProfiler();
    ImGui::Render();
    ImDrawData* drawData = ImGui::GetDrawData();
    mLastDrawListCount = drawData ? drawData->CmdListsCount : 0;
    RenderDrawLists(drawData);
}

bool OurImGui::PlayTestSave()
{
    if (!gFactory || !gLogic)
        return false;
    // Both files are put in place only when written whole; a pair that could
    // not be written is never played.
    if (!gFactory->SaveLevel(PlayTestLevel()))
    {
        Log("Play-test level could not be saved: staying in the editor.");
        return false;
    }
    gLogic->mState.SetNextLevel(PlayTestLevel());
    gLogic->mState.mNext = GameState::LEVEL;
    Log("Play-test level saved.");
    return true;
}
} // namespace Framework
