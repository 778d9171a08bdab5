// "Animation Manager": builds a new animation from frames of one sprite sheet.
// Frames are picked in order (at most 64, repeats allowed), shown in a strip
// where a press takes one out, previewed at the typed rate, and saved under a
// name into the rendering manager's animation table (written at shutdown).
// An animation without frames, with a negative rate, or under a name that is
// not one word is refused: each would break the animator or Animations.dat.
#include <imgui.h>
#include <algorithm>
#include "core/engine/DebugSystem.h"
#include "editor/EditorDialogState.h"
#include "editor/EditorDialogs.h"
#include "editor/NameRules.h"
#include "editor/OurImGui.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/RenderingManager.h"

namespace Framework
{
namespace
{
constexpr size_t kMaxPickedFrames = 64;
const ImVec2 kPickerRegion(710.0f, 300.0f);
const ImVec2 kStripRegion(710.0f, 180.0f);
const ImVec2 kStripInner(520.0f, 180.0f);
const ImVec2 kPreviewRegion(160.0f, 180.0f);
constexpr float kPickerButton = 120.0f;
constexpr float kStripButton = 68.0f;
constexpr float kPreviewSize = 128.0f;
constexpr int kPickerPerLine = 5;
constexpr int kStripPerLine = 6;

ImTextureID TextureOf(const Sprite& frame)
{
    return reinterpret_cast<ImTextureID>(static_cast<intptr_t>(frame.mTextureId));
}

// A frame as a button without border or background of its own.
bool FrameButton(const Sprite& frame, float size)
{
    ImGui::PushStyleColor(ImGuiCol_Button, ImVec4(0, 0, 0, 0));
    const bool pressed = ImGui::ImageButton(
        TextureOf(frame), ImVec2(size, size), ImVec2(frame.mCorners[0].x, frame.mCorners[0].y),
        ImVec2(frame.mCorners[3].x, frame.mCorners[3].y), -1, ImVec4(0, 0, 0, 0), ImVec4(1, 1, 1, 1));
    ImGui::PopStyleColor();
    return pressed;
}

void FramePicker(ManagerState& state, const SpriteSheet& sheet)
{
    ImGui::BeginChild("##framepicker", kPickerRegion, true);
    for (size_t i = 0; i < sheet.mFrames.size(); ++i)
    {
        ImGui::PushID(static_cast<int>(i));
        if (FrameButton(sheet.mFrames[i], kPickerButton) && state.mPickedFrames.size() < kMaxPickedFrames)
            state.mPickedFrames.push_back(static_cast<uint32_t>(i));
        ImGui::PopID();
        if ((i + 1) % kPickerPerLine != 0 && i + 1 < sheet.mFrames.size())
            ImGui::SameLine();
    }
    ImGui::EndChild();
}

void PickedStrip(ManagerState& state, const SpriteSheet* sheet)
{
    ImGui::BeginChild("##pickedstrip", kStripRegion, false, ImGuiWindowFlags_HorizontalScrollbar);
    ImGui::BeginChild("##pickedframes", kStripInner);
    const Sprite none;
    for (size_t position = 0; position < state.mPickedFrames.size(); ++position)
    {
        const uint32_t index = state.mPickedFrames[position];
        // Frames picked from a larger sheet show blank after a sheet lost frames.
        const Sprite& frame = sheet && index < sheet->mFrames.size() ? sheet->mFrames[index] : none;
        ImGui::PushID(static_cast<int>(position));
        const bool pressed = FrameButton(frame, kStripButton);
        ImGui::PopID();
        if (pressed)
        {
            if (state.mPickedFrames.size() == 1)
                state.mPickedFrames.clear();
            else
                state.mPickedFrames.erase(state.mPickedFrames.begin() + static_cast<std::ptrdiff_t>(position));
            break; // the list changed under the loop
        }
        if ((position + 2) % kStripPerLine != 0 && position + 1 < state.mPickedFrames.size())
            ImGui::SameLine();
    }
    ImGui::EndChild();
    ImGui::EndChild();
}

void Preview(ManagerState& state, const SpriteSheet* sheet, float dt)
{
    ImGui::BeginChild("##preview", kPreviewRegion);
    state.mFrameTime = state.mAnimationFps == 0 ? 1.0f : 1.0f / static_cast<float>(state.mAnimationFps);
    if (sheet && state.mPreviewFrame < sheet->mFrames.size())
    {
        const Sprite& frame = sheet->mFrames[state.mPreviewFrame];
        ImGui::Image(TextureOf(frame), ImVec2(kPreviewSize, kPreviewSize),
                     ImVec2(frame.mCorners[0].x, frame.mCorners[0].y),
                     ImVec2(frame.mCorners[3].x, frame.mCorners[3].y));
    }
    else
        ImGui::Dummy(ImVec2(kPreviewSize, kPreviewSize));
    if (ImGui::Button("Play") && !state.mPickedFrames.empty())
    {
        state.mPlayFrames = state.mPickedFrames;
        state.mPlayPosition = 0;
        state.mPreviewFrame = state.mPlayFrames.front();
        state.mPlaying = true;
    }
    ImGui::SameLine();
    const bool stop = ImGui::Button("Stop");
    if (stop)
        state.mPlaying = false;
    if (!stop && state.mPlaying && !state.mPlayFrames.empty())
    {
        state.mTimer += dt;
        if (state.mTimer >= state.mFrameTime)
        {
            ++state.mPlayPosition;
            state.mPreviewFrame = state.mPlayFrames[state.mPlayPosition % state.mPlayFrames.size()];
            state.mTimer = 0.0f;
        }
    }
    ImGui::EndChild();
}
} // namespace

std::string SaveAnimation(ManagerState& state, const std::string& sheetName, const std::string& animationName)
{
    std::string problem;
    if (!gRenderingManager)
        problem = "there is no animation table";
    else if (sheetName.empty())
        problem = "there is no sprite sheet";
    else if (!IdentifierProblem(animationName).empty())
        problem = "the name must be one word, without blanks";
    else if (state.mPickedFrames.empty())
        problem = "it has no frames";
    else if (state.mAnimationFps < 0)
        problem = "the FPS must not be negative";
    else if (gRenderingManager->mAnimations.count(animationName))
        problem = "that name is taken";
    if (!problem.empty())
    {
        problem = "Animation \"" + animationName + "\" not saved: " + problem + ".";
        Log(problem);
        return problem;
    }
    Animation animation;
    animation.mSpriteSheetKey = sheetName;
    animation.mName = animationName;
    animation.mFrames = state.mPickedFrames;
    animation.mFramesPerSecond = static_cast<uint32_t>(state.mAnimationFps);
    gRenderingManager->mAnimations.emplace(animationName, animation);
    Log("Animation \"" + animationName + "\" saved.");
    return "";
}

void ClearAnimationFrames(ManagerState& state) { state.mPickedFrames.clear(); }

void AnimationManagerDialog(OurImGui& editor, float dt)
{
    ManagerState& state = DialogStateOf(editor).mManagers;
    ImGui::OpenPopup("Animation Manager");
    if (!ImGui::BeginPopupModal("Animation Manager", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
        return;
    ImGui::Text("Sprite Sheet : ");
    ImGui::SameLine();
    const std::string sheetName = SpriteSheetCombo(editor);
    if (state.mSheetIndex != state.mLastSheetIndex)
    {
        ClearAnimationFrames(state);
        state.mLastSheetIndex = state.mSheetIndex;
    }
    const SpriteSheet* sheet = sheetName.empty() ? nullptr : GraphicsSystem::GetSpriteSheet(sheetName);
    if (sheet)
        FramePicker(state, *sheet);

    ImGui::Separator();
    ImGui::Text("Animation Name : ");
    ImGui::SameLine();
    ImGui::InputText("##animationname", state.mAnimationName, sizeof(state.mAnimationName),
                     ImGuiInputTextFlags_CharsNoBlank);
    ImGui::Text("FPS : ");
    ImGui::SameLine();
    ImGui::InputInt("##fps", &state.mAnimationFps, 1, 100);
    ImGui::Text("No. frames : %d", static_cast<int>(state.mPickedFrames.size()));

    PickedStrip(state, sheet);
    ImGui::SameLine();
    Preview(state, sheet, dt);
    DialogProblemText(state.mProblem);

    if (ImGui::Button("Save Animation"))
        ImGui::OpenPopup("Save Animation");
    ImGui::SameLine();
    if (ImGui::Button("Clear Animation"))
        ClearAnimationFrames(state);
    ImGui::SameLine();
    if (ImGui::Button("Close"))
    {
        ImGui::CloseCurrentPopup();
        editor.mOpenDialog = EditorDialog::None;
        state.mProblem.clear();
    }

    if (ImGui::BeginPopupModal("Save Animation", nullptr, ImGuiWindowFlags_AlwaysAutoResize))
    {
        ImGui::PushItemWidth(kPreviewSize);
        ImGui::Text("Do you wish to save animation as \"%s\"?", state.mAnimationName);
        if (ImGui::Button("Confirm"))
        {
            state.mProblem = SaveAnimation(state, sheetName, state.mAnimationName);
            ImGui::CloseCurrentPopup();
        }
        ImGui::SameLine();
        if (ImGui::Button("Cancel"))
            ImGui::CloseCurrentPopup();
        ImGui::PopItemWidth();
        ImGui::EndPopup();
    }
    ImGui::EndPopup();
}
} // namespace Framework
