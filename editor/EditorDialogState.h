// What the level dialogs, the file-drop dialogs and the resource managers
// remember between frames (and between openings: the names typed, the frames
// picked for a new animation, the preview). One per editor, made by the first
// dialog frame that needs it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace Framework
{
class OurImGui;

struct LevelDialogState
{
    char mSaveName[64] = {}; // "Save File": level name without extension
    char mLoadName[64] = {}; // "Load File": level name without extension
    std::string mProblem;    // why the last save or load was refused; shown in the dialog
};

struct FileDropState
{
    bool mCopyName = true;                  // the next dialog frame puts the dropped file's name in the text buffer
    bool mSheetLoaded = false;              // the import sheet holds the dropped image
    bool mImageRead = false;                // the dropped image could be read (its size is known)
    char mIdentifier[64] = {};              // "##key": the new sheet's or sound's key; kept between imports
    int mWorkingRows = 0, mWorkingCols = 0; // the dialog's counts
    int mAppliedRows = 0, mAppliedCols = 0; // the counts the import sheet was last sliced with
    std::string mProblem;                   // why the last "Save!" was refused; shown in the dialog
};

struct ManagerState
{
    int mSheetIndex = 0;                 // sheet chosen in the art and animation managers (shared)
    int mLastSheetIndex = 0;             // the sheet the picked frames belong to
    std::vector<uint32_t> mPickedFrames; // frames of the new animation, in picking order (at most 64)
    char mAnimationName[64] = {};
    int mAnimationFps = 0;             // "##fps": any integer the user types
    std::vector<uint32_t> mPlayFrames; // the picked frames as "Play" found them
    uint32_t mPlayPosition = 0;        // index into mPlayFrames
    uint32_t mPreviewFrame = 0;        // frame of the chosen sheet the preview shows
    float mTimer = 0.0f;               // seconds since the preview last advanced
    float mFrameTime = 1.0f;           // 1 / fps; 1 when the fps is 0
    bool mPlaying = false;
    std::string mProblem; // why the last delete or save was refused; shown in the manager
};

struct EditorDialogState
{
    int mLastEditorFrame = -2;      // ImGui frame that last drew the editor
    bool mWindowsAppearing = false; // this frame the editor's windows (re)appear: no dialog is drawn
    LevelDialogState mLevel;
    FileDropState mFileDrop;
    ManagerState mManagers;
};

// The editor's dialog state, made on first use.
EditorDialogState& DialogStateOf(OurImGui& editor);

// Called before the editor draws its windows in a frame. ImGui 1.86 aborts
// when a window appears in the same frame as a modal that was not drawn the
// frame before (it finds no modal to put the window behind). So in the first
// frame after the editor was hidden or away (other game state, first frame)
// popups left open are closed and no dialog is drawn; dialogs open again,
// alone, from the next frame.
void BeginDialogFrame(OurImGui& editor);
} // namespace Framework
