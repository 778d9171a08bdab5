// "Art Manager": the sprite-sheet table. Pick a sheet, rename its frames (at
// once, in the table; the sheets' files are written at shutdown), or delete
// it. A sheet that a renderer, a particle component, an animation or the tile
// map still uses is kept, and the dialog says which one holds it: they keep
// pointers to or names of it. So is a sheet the program's code names
// (editor/SheetsNamedInCode.h), and one that a level file in
// "Resources/LevelData/" names: the art list is written without the deleted
// sheet at shutdown, and that level would draw nothing in its place for good.
#include <imgui.h>
#include <cstring>
#include <iterator>
#include "core/engine/DebugSystem.h"
#include "core/game/Levels.h"
#include "editor/EditorDialogState.h"
#include "editor/EditorDialogs.h"
#include "editor/LevelFileOperations.h"
#include "editor/NameRules.h"
#include "editor/OurImGui.h"
#include "graphics/GraphicsSystem.h"
#include "editor/SpriteSheetUsage.h"

namespace Framework
{
namespace
{
const ImVec2 kFramesRegion(710.0f, 300.0f);
constexpr float kFrameSize = 128.0f;
constexpr int kFramesPerLine = 5;

bool SheetKeyGetter(void* data, int index, const char** out)
{
    const auto* table = static_cast<const SpriteSheetTable*>(data);
    if (index < 0 || static_cast<size_t>(index) >= table->size())
        return false;
    *out = std::next(table->begin(), index)->first.c_str();
    return true;
}

ImTextureID TextureOf(const Sprite& frame)
{
    return reinterpret_cast<ImTextureID>(static_cast<intptr_t>(frame.mTextureId));
}

// The table entry at the managers' sheet index, or the end.
SpriteSheetTable::iterator ChosenSheet(SpriteSheetTable& table, int& index)
{
    if (index < 0 || static_cast<size_t>(index) >= table.size())
        index = 0;
    return table.empty() ? table.end() : std::next(table.begin(), index);
}

// "the level files Level4.xml, Level5.xml (and 3 more)", or "" for none.
std::string LevelFilesText(const std::vector<std::string>& files)
{
    constexpr size_t kNamed = 3; // enough to find them, short enough for the dialog's line
    if (files.empty())
        return "";
    std::string text = files.size() == 1 ? "the level file " : "the level files ";
    for (size_t i = 0; i < files.size() && i < kNamed; ++i)
        text += (i > 0 ? ", " : "") + files[i];
    if (files.size() > kNamed)
        text += " (and " + std::to_string(files.size() - kNamed) + " more)";
    return text;
}

void DeleteChosenSheet(ManagerState& state, SpriteSheetTable& table)
{
    auto chosen = ChosenSheet(table, state.mSheetIndex);
    if (chosen == table.end())
        return;
    std::string user = SpriteSheetUser(chosen->first);
    if (user.empty())
        user = LevelFilesText(LevelFilesNamingSheet(chosen->first, LevelFolder));
    if (!user.empty())
    {
        state.mProblem = "Sprite sheet \"" + chosen->first + "\" is used by " + user + " and was not deleted.";
        Log(state.mProblem);
        return;
    }
    Log("Sprite sheet \"" + chosen->first + "\" deleted.");
    // The graphics system's own table goes through its removal, which also
    // frees the texture and tells every Renderer.
    if (gGraphicsSystem && &table == &gGraphicsSystem->mSpriteSheets)
        gGraphicsSystem->RemoveSpriteSheet(chosen->first);
    else
        table.erase(chosen);
    state.mSheetIndex = 0;
    state.mProblem.clear();
}

void FrameGrid(SpriteSheet& sheet)
{
    ImGui::BeginChild("##sheetframes", kFramesRegion, true);
    const size_t count = std::min(sheet.mFrames.size(), static_cast<size_t>(std::max(sheet.mRows, 0)) *
                                                            static_cast<size_t>(std::max(sheet.mCols, 0)));
    for (size_t first = 0; first < count; first += kFramesPerLine)
    {
        const size_t last = std::min(count, first + kFramesPerLine);
        for (size_t i = first; i < last; ++i)
        {
            const Sprite& frame = sheet.mFrames[i];
            ImGui::Image(TextureOf(frame), ImVec2(kFrameSize, kFrameSize),
                         ImVec2(frame.mCorners[0].x, frame.mCorners[0].y),
                         ImVec2(frame.mCorners[3].x, frame.mCorners[3].y));
            if (i + 1 < last)
                ImGui::SameLine();
        }
        for (size_t i = first; i < last; ++i)
        {
            ImGui::PushID(static_cast<int>(i));
            FrameNameField(sheet.mFrames[i]);
            ImGui::PopID();
            if (i + 1 < last)
                ImGui::SameLine();
        }
    }
    ImGui::EndChild();
}
} // namespace

void FrameNameField(Sprite& frame)
{
    char name[64] = {};
    std::strncpy(name, frame.mName.c_str(), sizeof(name) - 1);
    ImGui::PushItemWidth(kFrameSize);
    if (ImGui::InputText("##framename", name, sizeof(name), ImGuiInputTextFlags_CharsNoBlank) &&
        IsSingleWordIdentifier(name))
        frame.mName = name;
    ImGui::PopItemWidth();
}

std::string SpriteSheetCombo(OurImGui& editor)
{
    ManagerState& state = DialogStateOf(editor).mManagers;
    if (!gGraphicsSystem)
        return "";
    SpriteSheetTable& table = gGraphicsSystem->mSpriteSheets;
    ChosenSheet(table, state.mSheetIndex); // brings a stale index back into the table
    ImGui::Combo("##spritesheet", &state.mSheetIndex, &SheetKeyGetter, &table, static_cast<int>(table.size()));
    const auto chosen = ChosenSheet(table, state.mSheetIndex);
    return chosen == table.end() ? std::string() : chosen->first;
}

void ArtManagerDialog(OurImGui& editor)
{
    ManagerState& state = DialogStateOf(editor).mManagers;
    ImGui::OpenPopup("Art Manager");
    if (!ImGui::BeginPopupModal("Art Manager", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    ImGui::Text("Sprite Sheet : ");
    ImGui::SameLine();
    SpriteSheetCombo(editor);
    ImGui::SameLine();
    if (ImGui::Button("Delete Sprite Sheet") && gGraphicsSystem)
        DeleteChosenSheet(state, gGraphicsSystem->mSpriteSheets);
    DialogProblemText(state.mProblem);

    if (gGraphicsSystem && !gGraphicsSystem->mSpriteSheets.empty())
        FrameGrid(ChosenSheet(gGraphicsSystem->mSpriteSheets, state.mSheetIndex)->second);

    if (ImGui::Button("Close"))
    {
        ImGui::CloseCurrentPopup();
        editor.mOpenDialog = EditorDialog::None;
        state.mProblem.clear();
    }
    ImGui::EndPopup();
}
} // namespace Framework
