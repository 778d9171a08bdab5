#include "graphics/RenderingManager.h"

namespace Framework
{
RenderingManager* gRenderingManager = nullptr;

RenderingManager::RenderingManager() { gRenderingManager = this; }
RenderingManager::~RenderingManager()
{
    if (gRenderingManager == this)
        gRenderingManager = nullptr;
}
void RenderingManager::Update(float) {}
} // namespace Framework
