// The editor's dialogs and resource managers, one file each. Each draws its
// modal window for one editor frame; the dispatchers (FileAndManagerDialogs,
// FileDropDialogs) choose which.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace Framework
{
class OurImGui;
struct ManagerState;
struct FileDropState;
struct Sprite;

// ---- Level files (LevelSaveDialog.cpp, LevelLoadDialog.cpp, LevelFileList.cpp) ----
void SaveFileDialog(OurImGui& editor);
void LoadFileDialog(OurImGui& editor);
// The ".xml" files of the level folder as selectable lines in a bordered
// child region; a click puts the level's name into name (64 characters).
void LevelFileList(const std::vector<std::string>& levelFolderEntries, char* name);
// A refusal, in the dialog's warning colour (nothing when problem is empty).
void DialogProblemText(const std::string& problem);
// The level dialogs' button row: action opens its confirmation popup; "Close"
// closes the dialog and forgets the last refusal.
void LevelDialogButtons(OurImGui& editor, const char* action, const char* confirmPopup, std::string& problem);
// The level dialogs' confirmation popup: the question, "Confirm?" (confirmed
// runs, then the popup closes) and "Cancel".
void LevelConfirmPopup(const char* popup, const char* question, const std::function<void()>& confirmed);

// ---- Resource managers (ArtManager.cpp, AnimationManager.cpp, SoundManager.cpp) ----
void ArtManagerDialog(OurImGui& editor);
void AnimationManagerDialog(OurImGui& editor, float dt);
void SoundManagerDialog(OurImGui& editor);
// The unlabelled combo over the sprite-sheet keys, bound to the managers'
// shared sheet index; the key chosen, "" when the table is empty.
std::string SpriteSheetCombo(OurImGui& editor);
// Adds the picked frames at the typed rate to the animation table as
// animationName of sheetName. Refused (the reason returned and logged, the
// table unchanged) without frames or sheet, for a negative rate, a name that
// is not one word, or a name already in the table; "" when saved.
std::string SaveAnimation(ManagerState& state, const std::string& sheetName, const std::string& animationName);
void ClearAnimationFrames(ManagerState& state);
// A sprite frame's name under its picture (sprite-sheet import and "Art
// Manager"): one word, so an edit that would leave it empty is not taken.
void FrameNameField(Sprite& frame);

// ---- File drops (FileDropArtDialog.cpp, FileDropSoundDialog.cpp, FileDropNoneDialog.cpp) ----
void FileDropArtDialog(OurImGui& editor, const std::string& fileName);
void FileDropSoundDialog(OurImGui& editor, const std::string& fileName);
void FileDropNoneDialog(OurImGui& editor);
// The question and the "Save file as" field both file-drop dialogs open with.
void FileDropNameField(OurImGui& editor, FileDropState& state, const std::string& fileName);
// "Close!" of any file-drop dialog: the drop is forgotten (the import sheet
// too), the name field emptied.
void EndFileDrop(OurImGui& editor);
// The import dialogs' "Save!" and "Close!": save returns why it refused ("" when
// done), which the dialog then shows; a save done or "Close!" ends the drop.
void FileDropSaveCloseButtons(OurImGui& editor, FileDropState& state, const std::function<std::string()>& save);
} // namespace Framework
