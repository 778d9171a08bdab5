// Knows what is to be drawn: the render lists that Renderer, TextRenderer and
// Animator components join, the layers, and the animation table.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>
#include "core/engine/System.h"
#include "graphics/Animation.h"

namespace Framework
{
class Renderer;
class TextRenderer;
class Animator;
class SpriteSheet;
class Transform;

class RenderingManager : public System
{
public:
    struct RendererEntry
    {
        uint32_t mObjectId;
        Renderer* mRenderer;
    };
    struct TextRendererEntry
    {
        uint32_t mObjectId;
        TextRenderer* mTextRenderer;
    };

    RenderingManager();
    ~RenderingManager() override;
    void Update(float dt) override;
    std::string GetName() override { return "Rendering Manager"; }
    void SendMessage(Message*) override {}

    void AddRenderer(uint32_t objectId, Renderer* renderer);
    void AddMode2Renderer(uint32_t objectId, Renderer* renderer);
    void AddArchetypeRenderer(uint32_t objectId, Renderer* renderer);
    void RemoveRenderer(uint32_t objectId, Renderer* renderer);
    void RemoveMode2Renderer(uint32_t objectId);
    void RemoveArchetypeRenderer(Renderer* renderer);
    void AddTextRenderer(uint32_t objectId, TextRenderer* renderer);
    void RemoveTextRenderer(TextRenderer* renderer, uint32_t objectId);
    void AddAnimator(Animator* animator);
    // Groups the live and tile renderers by layer (ceil of their z) from scratch.
    // Adding a renderer enters it into its layer alone, to the same map.
    void BuildLayers();
    // The layer map's number for a depth: rounded up (2.5 -> 3, -0.5 -> 0).
    static int LayerOf(float z);
    // Queues one renderer's frame with the "Test" program. A renderer whose
    // sheet is missing, whose frame index is out of range or whose object has
    // no Transform is skipped: false.
    static bool QueueRendererSprite(const SpriteSheet* sheet, int frameIndex, const Transform* transform, float alpha,
                                    bool invertX, bool invertY);
    // Empties the level's lists (not the archetype list), then rebuilds the layers.
    void Clear();

    std::vector<RendererEntry> mLiveRenderers;         // the only list that is drawn
    std::map<int, std::vector<RendererEntry>> mLayers; // bookkeeping only
    std::vector<RendererEntry> mTileRenderers;
    std::vector<RendererEntry> mArchetypeRenderers; // never drawn, never removed
    std::vector<TextRendererEntry> mTextRenderers;
    std::vector<Animator*> mAnimators;
    AnimationTable mAnimations;
    bool mAnimationFileIntact = true; // false: the file had a damaged record and is not rewritten

private:
    // Enters one renderer into the layer of its current depth (none without a Transform).
    void EnterLayer(const RendererEntry& entry, bool live);
    std::map<int, size_t> mLayerLiveCounts; // per layer: how many of its first entries are live renderers
};

extern RenderingManager* gRenderingManager;
} // namespace Framework
