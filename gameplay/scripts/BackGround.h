// A parallax background layer of a level. It stays put until the apple is
// launched (the first Space press after the level starts); from then on it
// moves against the camera by a share of the camera's travel: a third for the
// layer named "Top_BG", half for any other. Layers sit at depth -9.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class BackGround : public ScriptBase
{
public:
    static constexpr float TopLayerOffset = -3.0f;   // "Top_BG": a third of the travel
    static constexpr float OtherLayerOffset = -2.0f; // every other layer: half
    static constexpr float Depth = -9.0f;            // behind the tiles (layer -8)
    static constexpr int SpaceKey = 32;

    BackGround() : ScriptBase("Background") {}
    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;

    float mOffset = 0.0f;       // the camera's travel is divided by this; 0 holds the layer still
    float mCameraStartX = 0.0f; // the active camera's x at Init
    float mStartX = 0.0f;       // the layer's x when it began to follow
    bool mFollowing = false;    // set by the first Space press
};
} // namespace Framework
