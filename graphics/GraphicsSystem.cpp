#include "graphics/GraphicsSystem.h"
#include "platform/Platform.h"

namespace Framework
{
GraphicsSystem* gGraphicsSystem = nullptr;

GraphicsSystem::GraphicsSystem() { gGraphicsSystem = this; }
GraphicsSystem::~GraphicsSystem()
{
    if (gGraphicsSystem == this)
        gGraphicsSystem = nullptr;
}
void GraphicsSystem::Init() { Platform::CreateGLContext(); }
void GraphicsSystem::Update(float) {}
void GraphicsSystem::SwapBuffers() { Platform::SwapBuffers(); }
void GraphicsSystem::DrawLoadingFrame() { SwapBuffers(); }
} // namespace Framework
