// Keeps the render lists and layers of the level and the animation table.
#pragma once
#include "core/System.h"

namespace Framework
{
class RenderingManager : public System
{
public:
    RenderingManager();
    ~RenderingManager() override;
    void Update(float dt) override;
    std::string GetName() override { return "Rendering Manager"; }
    void SendMessage(Message*) override {}

    // Empties the level's lists (not the archetype list), then rebuilds the layers.
    void Clear() {}
};

extern RenderingManager* gRenderingManager;
} // namespace Framework
