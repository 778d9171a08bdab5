// The frame the main thread shows while a level loads on the loader thread.
#include "graphics/GraphicsSystem.h"

namespace Framework
{
void GraphicsSystem::DrawLoadingFrame()
{
    BeginFrame();
    const Vec2 noCorners[4] = {Vec2(0.0f), Vec2(0.0f), Vec2(0.0f), Vec2(0.0f)};
    const Sprite untextured(0, 0, noCorners);
    const float size[2] = {8.5f, 5.0f};
    const Camera* camera = GetActiveCamera();
    const Vec3 centre = camera ? camera->Position : Vec3(0.0f);
    DrawSprite(untextured, centre, size, 0.0f, Color(1.0f, 1.0f, 0.0f, 1.0f), "None", false, false);
    FlushSprites();
    SwapBuffers();
}
} // namespace Framework
