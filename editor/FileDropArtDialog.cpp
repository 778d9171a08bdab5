// "FileDropArt": imports a dropped ".png" as a sprite sheet. The image is
// shown cut into frames of 128 x 128 pixels (rows from its height, columns
// from its width, as the sheet is sliced); the counts and the frame names can be changed before
// "Save!" copies the image to "Resources/Art/<name>" and adds the sheet to
// the graphics system's table under the identifier, ready for renderers at
// once (Art.dat and the sheet's text file are written at shutdown).
// Refused, with the reason shown and nothing registered: a name that is no
// plain ".png" file name (the sheet is read back as its base name + ".png"),
// an identifier that is not one word or already in the table, an image that
// could not be read or has no frames, another sheet's image or any file
// already in the folder as destination, and a failed copy.
#include <imgui.h>
#include <algorithm>
#include "core/engine/DebugSystem.h"
#include "editor/EditorDialogState.h"
#include "editor/EditorDialogs.h"
#include "editor/ImportedFiles.h"
#include "editor/NameRules.h"
#include "editor/OurImGui.h"
#include "graphics/GraphicsSystem.h"

namespace Framework
{
namespace
{
const char* const kArtFolder = "Resources/Art/";
constexpr int kFramePixels = 128; // the frame size the counts are proposed for
constexpr int kMaxCount = 256;    // rows or columns: far beyond any sheet, small enough to slice
constexpr float kLabelledFieldX = 140.0f;
constexpr float kFieldWidth = 128.0f;
constexpr float kFrameSize = 128.0f;
const ImVec2 kFramesRegion(710.0f, 300.0f);

// Rows and columns as the dialog's drag fields edit them: whole numbers.
void CountField(const char* label, const char* id, int& count)
{
    ImGui::Text("%s", label);
    ImGui::SameLine(kLabelledFieldX);
    float value = static_cast<float>(count);
    ImGui::DragFloat(id, &value, 1.0f, 0.0f, 0.0f, "%.0f");
    count = std::clamp(static_cast<int>(value), 0, kMaxCount);
}

void LoadDroppedImage(OurImGui& editor, FileDropState& state)
{
    SpriteSheet& sheet = editor.mImportSheet;
    state.mImageRead = LoadImportedImage(sheet, editor.mLastDroppedFile);
    state.mWorkingRows = sheet.mHeight / kFramePixels;
    state.mWorkingCols = sheet.mWidth / kFramePixels;
    sheet.mRows = state.mAppliedRows = state.mWorkingRows;
    sheet.mCols = state.mAppliedCols = state.mWorkingCols;
    sheet.Slice();
    state.mSheetLoaded = true;
}

void FrameGrid(SpriteSheet& sheet)
{
    ImGui::BeginChild("##importframes", kFramesRegion, true);
    ImGui::Columns(5, "##importcolumns", true);
    for (size_t i = 0; i < sheet.mFrames.size(); ++i)
    {
        Sprite& frame = sheet.mFrames[i];
        ImGui::PushID(static_cast<int>(i));
        ImGui::Image(reinterpret_cast<ImTextureID>(static_cast<intptr_t>(frame.mTextureId)),
                     ImVec2(kFrameSize, kFrameSize), ImVec2(frame.mCorners[0].x, frame.mCorners[0].y),
                     ImVec2(frame.mCorners[3].x, frame.mCorners[3].y));
        FrameNameField(frame);
        ImGui::PopID();
        ImGui::NextColumn();
    }
    ImGui::Columns(1);
    ImGui::EndChild();
}

std::string SaveSheet(OurImGui& editor, FileDropState& state)
{
    const std::string name = editor.mTextBuffer;
    const std::string key = state.mIdentifier;
    const std::string destination = kArtFolder + name;
    SpriteSheetTable* table = gGraphicsSystem ? &gGraphicsSystem->mSpriteSheets : nullptr;
    std::string problem = FileNameProblem(name);
    if (problem.empty() && (name.size() < 5 || name.compare(name.size() - 4, 4, ".png") != 0))
        problem = "the name must end in \".png\"";
    if (problem.empty())
        problem = IdentifierProblem(key);
    if (problem.empty() && !table)
        problem = "there is no sprite-sheet table";
    if (problem.empty() && table->count(key))
        problem = "a sprite sheet \"" + key + "\" already exists";
    if (problem.empty() && !state.mImageRead)
        problem = "the image could not be read";
    if (problem.empty() && editor.mImportSheet.mFrames.empty())
        problem = "the sheet has no frames (rows and cols must be at least 1)";
    if (problem.empty())
        for (const auto& [otherKey, other] : *table)
            if (other.GetPath() == destination)
                problem = "\"" + destination + "\" is the image of the sprite sheet \"" + otherKey + "\"";
    // Also an image no sheet lists (or one whose sheet failed to load): the
    // user's file must survive an import under its name.
    if (problem.empty() && ImportWouldReplace(editor.mLastDroppedFile, destination))
        problem = "\"" + destination + "\" already exists";
    if (!problem.empty())
    {
        problem = "Sprite sheet not imported: " + problem + ".";
        Log(problem);
        return problem;
    }
    problem = CopyImportedFile(editor.mLastDroppedFile, destination);
    if (!problem.empty())
        return "Sprite sheet not imported: " + problem;

    SpriteSheet& sheet = editor.mImportSheet;
    sheet.mName = key;
    sheet.mPath = destination;
    table->emplace(key, sheet);
    Log("Sprite sheet \"" + key + "\" imported as \"" + destination + "\".");
    // The table's copy owns the texture now.
    sheet.Reset();
    state.mSheetLoaded = false;
    return "";
}
} // namespace

void FileDropArtDialog(OurImGui& editor, const std::string& fileName)
{
    FileDropState& state = DialogStateOf(editor).mFileDrop;
    if (!ImGui::BeginPopupModal("FileDropArt", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    FileDropNameField(editor, state, fileName);
    ImGui::Separator();

    SpriteSheet& sheet = editor.mImportSheet;
    if (!state.mSheetLoaded)
        LoadDroppedImage(editor, state);
    if (state.mWorkingRows != state.mAppliedRows || state.mWorkingCols != state.mAppliedCols)
    {
        sheet.mRows = state.mAppliedRows = state.mWorkingRows;
        sheet.mCols = state.mAppliedCols = state.mWorkingCols;
        sheet.Slice();
    }

    ImGui::PushItemWidth(kFieldWidth);
    CountField("Number of Rows :", "##rows", state.mWorkingRows);
    CountField("Number of Cols :", "##cols", state.mWorkingCols);
    ImGui::Text("SpriteSheet Identifier :");
    ImGui::SameLine(kLabelledFieldX);
    ImGui::InputText("##key", state.mIdentifier, sizeof(state.mIdentifier));
    ImGui::PopItemWidth();

    FrameGrid(sheet);
    DialogProblemText(state.mProblem);

    FileDropSaveCloseButtons(editor, state, [&] { return SaveSheet(editor, state); });
    ImGui::EndPopup();
}
} // namespace Framework
