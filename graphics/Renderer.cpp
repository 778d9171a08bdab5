#include "graphics/Renderer.h"
#include <algorithm>
#include <imgui.h>
#include "core/objects/ComponentCreator.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/serializers/TextSerializer.h"
#include "core/objects/Transform.h"
#include "core/serializers/XmlSerializer.h"
#include "graphics/Animator.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/RenderingManager.h"
#include "graphics/TextRenderer.h"

namespace Framework
{
namespace
{

// ImGui combo item getter over a vector of strings.
bool NameAt(void* data, int index, const char** text)
{
    const auto* names = static_cast<const std::vector<std::string>*>(data);
    if (index < 0 || index >= static_cast<int>(names->size()))
        return false;
    *text = (*names)[index].c_str();
    return true;
}
} // namespace

Renderer::~Renderer()
{
    if (!gRenderingManager || !mOwner)
        return;
    if (mOwner->mKind == ObjectKind::GameObject)
        gRenderingManager->RemoveRenderer(mOwner->mId, this);
    else if (mOwner->mKind == ObjectKind::Tile)
        gRenderingManager->RemoveMode2Renderer(mOwner->mId);
    else
        gRenderingManager->RemoveArchetypeRenderer(this); // nothing draws that list, but it must not dangle
}

void Renderer::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("Renderer");
    serializer.WriteBool("InvertX", mInvertX);
    serializer.WriteBool("InvertY", mInvertY);
    serializer.WriteBool("Invisible", mInvisible);
    serializer.WriteInt("Index", mIndex);
    serializer.WriteString("SpriteSheetKey", mSpriteSheetKey);
    serializer.WriteFloat("Alpha", mAlpha);
    serializer.PopElement();
}

void Renderer::UnserializeXml(XmlSerializer& serializer)
{
    serializer.ReadBool(mInvertX);
    serializer.ReadBool(mInvertY);
    serializer.ReadBool(mInvisible);
    serializer.ReadInt(mIndex);
    serializer.ReadString(mSpriteSheetKey);
    serializer.NextElement();
    serializer.ReadFloat(mAlpha);
}

void Renderer::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("Renderer");
    serializer.WriteBool(mInvertX);
    serializer.WriteBool(mInvertY);
    serializer.WriteBool(mInvisible);
    serializer.WriteInt(mIndex);
    serializer.WriteString(mSpriteSheetKey);
    serializer.WriteFloat(mAlpha);
}

void Renderer::UnserializeText(TextSerializer& serializer)
{
    serializer.ReadBool(mInvertX);
    serializer.ReadBool(mInvertY);
    serializer.ReadBool(mInvisible);
    serializer.ReadInt(mIndex);
    serializer.ReadString(mSpriteSheetKey);
    serializer.ReadFloat(mAlpha);
}

void Renderer::Initialize()
{
    mTransform = mOwner ? mOwner->GetComponent<Transform>() : nullptr;
    if (gRenderingManager && mOwner)
    {
        if (mOwner->mKind == ObjectKind::Archetype)
            gRenderingManager->AddArchetypeRenderer(mOwner->mId, this);
        else if (mOwner->mKind == ObjectKind::Tile)
            gRenderingManager->AddMode2Renderer(mOwner->mId, this);
        else
            gRenderingManager->AddRenderer(mOwner->mId, this);
    }
    mSpriteSheet = GraphicsSystem::GetSpriteSheet(mSpriteSheetKey);
}

void Renderer::SetSpriteSheet(const std::string& key)
{
    mIndex = 0;
    mSpriteSheetKey = key;
    mSpriteSheet = GraphicsSystem::GetSpriteSheet(key);
}

void Renderer::PickSpriteSheet(const std::string& key)
{
    if (key != mSpriteSheetKey)
        SetSpriteSheet(key);
}

void Renderer::SetAlpha(float alpha) { mAlpha = std::clamp(alpha, 0.0f, 1.0f); }

const Sprite* Renderer::CurrentFrame() const
{
    if (!mSpriteSheet || mIndex < 0 || mIndex >= static_cast<int32_t>(mSpriteSheet->mFrames.size()))
        return nullptr;
    return &mSpriteSheet->mFrames[mIndex];
}

bool Renderer::QueueSprite() const
{
    if (mInvisible)
        return false;
    return RenderingManager::QueueRendererSprite(mSpriteSheet, mIndex, mTransform, mAlpha, mInvertX, mInvertY);
}

void Renderer::DrawInspector()
{
    std::vector<std::string> frameNames;
    if (mSpriteSheet)
        for (const Sprite& frame : mSpriteSheet->mFrames)
            frameNames.push_back(frame.mName);
    const int frameCount = static_cast<int>(frameNames.size());
    ImGui::Combo("Texture", &mIndex, NameAt, &frameNames, frameCount, frameCount > 0 ? frameCount : -1);
    ImGui::Text("m_Index : %d", mIndex);
    ImGui::Checkbox("Invisible", &mInvisible);
    ImGui::Checkbox("Invert X", &mInvertX);
    ImGui::Checkbox("Invert Y", &mInvertY);
    float alpha = mAlpha;
    ImGui::DragFloat("Alpha", &alpha);
    SetAlpha(alpha);

    std::vector<std::string> keys;
    int current = -1;
    if (gGraphicsSystem)
        for (const auto& [key, sheet] : gGraphicsSystem->mSpriteSheets)
        {
            if (key == mSpriteSheetKey)
                current = static_cast<int>(keys.size());
            keys.push_back(key);
        }
    int picked = current;
    const int keyCount = static_cast<int>(keys.size());
    if (ImGui::Combo("SpriteSheet", &picked, NameAt, &keys, keyCount, keyCount > 0 ? keyCount : -1) &&
        picked != current && picked >= 0)
        PickSpriteSheet(keys[picked]);
}

void RegisterRenderComponentCreators()
{
    if (!gFactory)
        return;
    gFactory->AddComponentCreator("Renderer", new ComponentCreatorType<Renderer>(ComponentType::Renderer));
    gFactory->AddComponentCreator("Animator", new ComponentCreatorType<Animator>(ComponentType::Animator));
    gFactory->AddComponentCreator("TextRenderer", new ComponentCreatorType<TextRenderer>(ComponentType::TextRenderer));
}
} // namespace Framework
