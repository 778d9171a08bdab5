#include "graphics/RenderingManager.h"
#include <algorithm>
#include <cmath>
#include "core/engine/DebugSystem.h"
#include "core/serializers/TextSerializer.h"
#include "core/objects/Transform.h"
#include "graphics/Animator.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"

namespace Framework
{
RenderingManager* gRenderingManager = nullptr;

namespace
{
const char* const AnimationsPath = "Resources/Art/Animations.dat";

template <class List, class Match>
void EraseFirst(List& list, Match match)
{
    auto found = std::find_if(list.begin(), list.end(), match);
    if (found != list.end())
        list.erase(found);
}
} // namespace

RenderingManager::RenderingManager()
{
    gRenderingManager = this;
    TextSerializer file(AnimationsPath, TextSerializer::ReadOnly);
    mAnimationFileIntact = ReadAnimations(file, mAnimations);
}

RenderingManager::~RenderingManager()
{
    if (gRenderingManager == this)
        gRenderingManager = nullptr;
    // Writing back what a damaged file let us read would lose the records after the damage.
    if (!mAnimationFileIntact)
        Log(std::string(AnimationsPath) + " was damaged and is left as it is");
    else
    {
        TextSerializer file(AnimationsPath, TextSerializer::Write);
        WriteAnimations(file, mAnimations);
    }
}

void RenderingManager::Update(float dt)
{
    for (Animator* animator : mAnimators)
        animator->Update(dt);
    // Renderers and their Transforms lie all over the heap: ask for those a few
    // entries ahead, the Transform once its renderer has had time to arrive.
    constexpr size_t RendererAhead = 8;
    constexpr size_t TransformAhead = 4;
    const size_t count = mLiveRenderers.size();
    for (size_t i = 0; i < count; ++i)
    {
        if (i + RendererAhead < count)
            __builtin_prefetch(mLiveRenderers[i + RendererAhead].mRenderer);
        if (i + TransformAhead < count)
            __builtin_prefetch(mLiveRenderers[i + TransformAhead].mRenderer->mTransform);
        mLiveRenderers[i].mRenderer->QueueSprite(); // skips hidden ones and those without sheet, frame or Transform
    }
}

void RenderingManager::AddRenderer(uint32_t objectId, Renderer* renderer)
{
    mLiveRenderers.push_back({objectId, renderer});
    EnterLayer(mLiveRenderers.back(), true);
    Log("Building layers");
}

void RenderingManager::AddMode2Renderer(uint32_t objectId, Renderer* renderer)
{
    mTileRenderers.push_back({objectId, renderer});
    EnterLayer(mTileRenderers.back(), false);
    Log("Building layers");
}

void RenderingManager::AddArchetypeRenderer(uint32_t objectId, Renderer* renderer)
{
    mArchetypeRenderers.push_back({objectId, renderer});
}

void RenderingManager::EnterLayer(const RendererEntry& entry, bool live)
{
    if (!entry.mRenderer || !entry.mRenderer->mTransform)
        return;
    // A layer holds its live renderers first, then its tile renderers, each in
    // list order: the order a rebuild from the two lists gives.
    const int layer = LayerOf(entry.mRenderer->mTransform->mPosition.z);
    std::vector<RendererEntry>& entries = mLayers[layer];
    size_t& liveCount = mLayerLiveCounts[layer];
    if (live)
    {
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(liveCount), entry);
        ++liveCount;
    }
    else
        entries.push_back(entry);
}

void RenderingManager::RemoveRenderer(uint32_t objectId, Renderer* renderer)
{
    EraseFirst(mLiveRenderers, [objectId](const RendererEntry& entry) { return entry.mObjectId == objectId; });
    // The layer map is looked through whole: the renderer may have moved since it entered its layer.
    for (auto& [layer, entries] : mLayers)
    {
        auto found = std::find_if(entries.begin(), entries.end(),
                                  [renderer](const RendererEntry& entry) { return entry.mRenderer == renderer; });
        if (found != entries.end())
        {
            size_t& liveCount = mLayerLiveCounts[layer];
            if (static_cast<size_t>(found - entries.begin()) < liveCount)
                --liveCount;
            entries.erase(found);
            return;
        }
    }
}

void RenderingManager::RemoveMode2Renderer(uint32_t objectId)
{
    auto listed = std::find_if(mTileRenderers.begin(), mTileRenderers.end(),
                               [objectId](const RendererEntry& entry) { return entry.mObjectId == objectId; });
    if (listed == mTileRenderers.end())
        return;
    const Renderer* renderer = listed->mRenderer;
    mTileRenderers.erase(listed);
    // Its layer entry goes too, as the next rebuild of the map would drop it.
    for (auto& [layer, entries] : mLayers)
    {
        const size_t liveCount = mLayerLiveCounts[layer];
        for (size_t i = liveCount; i < entries.size(); ++i)
            if (entries[i].mObjectId == objectId && entries[i].mRenderer == renderer)
            {
                entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
                return;
            }
    }
}

void RenderingManager::RemoveArchetypeRenderer(Renderer* renderer)
{
    EraseFirst(mArchetypeRenderers, [renderer](const RendererEntry& entry) { return entry.mRenderer == renderer; });
}

void RenderingManager::AddTextRenderer(uint32_t objectId, TextRenderer* renderer)
{
    mTextRenderers.push_back({objectId, renderer});
}

void RenderingManager::RemoveTextRenderer(TextRenderer*, uint32_t objectId)
{
    EraseFirst(mTextRenderers, [objectId](const TextRendererEntry& entry) { return entry.mObjectId == objectId; });
}

void RenderingManager::AddAnimator(Animator* animator) { mAnimators.push_back(animator); }

int RenderingManager::LayerOf(float z) { return static_cast<int>(std::ceil(z)); }

bool RenderingManager::QueueRendererSprite(const SpriteSheet* sheet, int frameIndex, const Transform* transform,
                                           float alpha, bool invertX, bool invertY)
{
    if (!sheet || !transform || !gGraphicsSystem || frameIndex < 0 ||
        static_cast<size_t>(frameIndex) >= sheet->mFrames.size())
        return false;
    static const std::string SpriteShader = "Test";
    const float scale[2] = {transform->mScale.x, transform->mScale.y};
    gGraphicsSystem->DrawSprite(sheet->mFrames[frameIndex], transform->mPosition, scale,
                                transform->mRotation * 3.1415927f / 180.0f, Color(1.0f, 1.0f, 1.0f, alpha),
                                SpriteShader, invertX, invertY);
    return true;
}

void RenderingManager::BuildLayers()
{
    mLayers.clear();
    mLayerLiveCounts.clear();
    for (const RendererEntry& entry : mLiveRenderers)
        EnterLayer(entry, true);
    for (const RendererEntry& entry : mTileRenderers)
        EnterLayer(entry, false);
    Log("Building layers");
}

void RenderingManager::Clear()
{
    mLiveRenderers.clear();
    mTextRenderers.clear();
    mAnimators.clear();
    mTileRenderers.clear();
    BuildLayers();
}
} // namespace Framework
