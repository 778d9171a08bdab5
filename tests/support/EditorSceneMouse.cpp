#include "support/EditorSceneMouse.h"
#include "core/InputSys.h"
#include "graphics/GraphicsSystem.h"

namespace TestSupport
{
namespace
{
// World half-width and half-height at zoom 1 (the input state's constants).
constexpr float kWorldHalfWidth = 675.0f;
constexpr float kWorldHalfHeight = 365.0f;
} // namespace

void PointAtWorldFrom(EditorHarness& editor, float x, float y, float px, float py)
{
    editor.MoveMouse(px, py);
    Framework::Camera* camera = editor.mWorld->mGraphics->GetActiveCamera();
    // A zoom that puts the pixel exactly one world unit right of and below
    // the camera's position (every step of the mapping is exact in floats).
    camera->CamSize.x = (px - 0.5f) * 2.0f * kWorldHalfWidth;
    camera->CamSize.y = (py - 0.5f) * 2.0f * kWorldHalfHeight;
    camera->Position.x = x - 1.0f;
    camera->Position.y = y + 1.0f;
}

void PointAtWorld(EditorHarness& editor, float x, float y)
{
    PointAtWorldFrom(editor, x, y, kScenePixelX, kScenePixelY);
}
} // namespace TestSupport
