#include "graphics/Animator.h"
#include <algorithm>
#include <imgui.h>
#include <vector>
#include "core/objects/Composition.h"
#include "core/engine/DebugSystem.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"

namespace Framework
{
namespace
{

Animation* FindAnimation(const std::string& name)
{
    if (!gRenderingManager)
        return nullptr;
    auto found = gRenderingManager->mAnimations.find(name);
    return found == gRenderingManager->mAnimations.end() ? nullptr : &found->second;
}

bool NameAt(void* data, int index, const char** text)
{
    const auto* names = static_cast<const std::vector<std::string>*>(data);
    if (index < 0 || index >= static_cast<int>(names->size()))
        return false;
    *text = (*names)[index].c_str();
    return true;
}
} // namespace

Animator::~Animator()
{
    if (!gRenderingManager)
        return;
    auto& animators = gRenderingManager->mAnimators;
    for (auto it = animators.begin(); it != animators.end(); ++it)
        if (*it == this)
        {
            animators.erase(it);
            break;
        }
}

bool Animator::IsRegistered() const
{
    if (!gRenderingManager)
        return false;
    const auto& animators = gRenderingManager->mAnimators;
    return std::find(animators.begin(), animators.end(), this) != animators.end();
}

void Animator::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("Animator");
    serializer.WriteInt("FPS", mFPS);
    serializer.WriteString("AniName", mAniName);
    serializer.WriteInt("Index", mIndex);
    serializer.WriteBool("Loop", mLoop);
    serializer.WriteBool("Playing", mPlaying);
    serializer.PopElement();
}

void Animator::UnserializeXml(XmlSerializer& serializer)
{
    serializer.ReadInt(mFPS);
    serializer.ReadString(mAniName);
    serializer.NextElement();
    serializer.ReadInt(mIndex);
    serializer.ReadBool(mLoop);
    serializer.ReadBool(mPlaying);
}

void Animator::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("Animator");
    serializer.WriteInt(mFPS);
    serializer.WriteString(mAniName);
    serializer.WriteInt(mIndex);
}

void Animator::UnserializeText(TextSerializer& serializer)
{
    serializer.ReadInt(mFPS);
    serializer.ReadString(mAniName);
    serializer.ReadInt(mIndex);
}

Renderer* Animator::OwnRenderer() const
{
    // Found again at every use: the editor may delete the Renderer at any time.
    return mOwner ? mOwner->GetComponent<Renderer>() : nullptr;
}

void Animator::Initialize()
{
    Renderer* renderer = OwnRenderer();
    mAnimation = FindAnimation(mAniName);
    const std::string objectName = mOwner ? mOwner->GetName() : std::string();
    // Without both there is nothing to play: stay out of the list rather than step blind.
    if (!renderer)
    {
        Log("Animator of " + objectName + " has no Renderer; not animated");
        return;
    }
    if (!mAnimation)
    {
        Log("Animator of " + objectName + " names unknown animation : " + mAniName + "; not animated");
        return;
    }

    mFramePosition = 0;
    renderer->mIndex = 0;
    ShowAnimationSheet();
    SetFPS(static_cast<int32_t>(mAnimation->mFramesPerSecond));
    if (gRenderingManager && !IsRegistered())
        gRenderingManager->AddAnimator(this);
}

void Animator::Update(float dt)
{
    if (!mPlaying)
        return;
    mTimer += dt;
    if (mTimer < mFrameDuration || mFPS <= 0)
        return;
    // An animation without frames has nothing to step to.
    Renderer* renderer = OwnRenderer();
    if (!mAnimation || !renderer || mAnimation->mFrames.empty())
        return;
    const int32_t count = static_cast<int32_t>(mAnimation->mFrames.size());
    if (mFramePosition < 0 || mFramePosition >= count)
        mFramePosition = 0;

    if (mLoop)
    {
        mFramePosition = (mFramePosition + 1) % count;
        mTimer = 0.0f;
        renderer->mIndex = static_cast<int32_t>(mAnimation->mFrames[mFramePosition]);
    }
    else
    {
        renderer->mIndex = static_cast<int32_t>(mAnimation->mFrames[mFramePosition]);
        ++mFramePosition;
        mTimer = 0.0f;
        if (mFramePosition == count)
        {
            mPlaying = false;
            mFramePosition = 0;
        }
    }
}

void Animator::SetAnimation(unsigned frame, const std::string& name)
{
    mFramePosition = 0;
    mAniName = name;
    Renderer* renderer = OwnRenderer();
    if (Animation* found = FindAnimation(name))
    {
        mAnimation = found;
        if (renderer)
        {
            renderer->mIndex = static_cast<int32_t>(frame);
            ShowAnimationSheet();
        }
    }
    // With no animation ever found the rate stays as it is.
    if (mAnimation)
        SetFPS(static_cast<int32_t>(mAnimation->mFramesPerSecond));
    // One that stayed out of the list for an unknown saved name plays from now on.
    if (mAnimation && renderer && mOwner && gRenderingManager && !IsRegistered())
        gRenderingManager->AddAnimator(this);
}

void Animator::SetFPS(int fps)
{
    mFPS = fps;
    mFrameDuration = fps > 0 ? 1.0f / static_cast<float>(fps) : 0.0f;
}

void Animator::ShowAnimationSheet()
{
    Renderer* renderer = OwnRenderer();
    if (!renderer || !mAnimation)
        return;
    renderer->mSpriteSheetKey = mAnimation->mSpriteSheetKey;
    renderer->mSpriteSheet = GraphicsSystem::GetSpriteSheet(mAnimation->mSpriteSheetKey);
}

void Animator::DrawInspector()
{
    int fps = mFPS;
    if (ImGui::InputInt("FPS", &fps, 1, 100) && fps != mFPS)
        SetFPS(fps);

    std::vector<std::string> names;
    if (gRenderingManager)
        for (const auto& [name, animation] : gRenderingManager->mAnimations)
            names.push_back(name);
    int picked = mIndex;
    if (ImGui::Combo("Animation", &picked, NameAt, &names, static_cast<int>(names.size()), 4) && picked != mIndex &&
        picked >= 0 && picked < static_cast<int>(names.size()))
    {
        mFramePosition = 0;
        mIndex = picked;
        SetAnimation(0, names[picked]);
        if (Renderer* renderer = OwnRenderer())
        {
            renderer->mIndex = 0;
            ShowAnimationSheet();
        }
    }
    ImGui::Checkbox("Playing", &mPlaying);
    ImGui::Checkbox("Loop", &mLoop);
}
} // namespace Framework
