#include "support/EditorSceneMouse.h"
#include "core/window/WindowSystem.h"
#include "graphics/GraphicsSystem.h"

namespace TestSupport
{
namespace
{
// World half-width and half-height at zoom 1 (the input state's constants).
constexpr float kWorldHalfWidth = 675.0f;
constexpr float kWorldHalfHeight = 365.0f;
// The scene pixel lies an eighth of the window right of and below its
// centre (clear of the editor's windows); a zoom of a quarter of the half
// extents puts it exactly one world unit from the camera in x and y.
constexpr float kZoomX = kWorldHalfWidth * 0.25f;
constexpr float kZoomY = kWorldHalfHeight * 0.25f;

void ClientSize(float& w, float& h)
{
    w = Framework::gWindowSystem ? static_cast<float>(Framework::gWindowSystem->mWidth) : 1.0f;
    h = Framework::gWindowSystem ? static_cast<float>(Framework::gWindowSystem->mHeight) : 1.0f;
}
} // namespace

void PointAtWorldFrom(EditorHarness& editor, float x, float y, float px, float py)
{
    editor.MoveMouse(px, py);
    float w, h;
    ClientSize(w, h);
    Framework::Camera* camera = editor.mWorld->mGraphics->GetActiveCamera();
    camera->CamSize.x = kZoomX;
    camera->CamSize.y = kZoomY;
    camera->Position.x = x - (px - w / 2.0f) / (w / 2.0f) * kWorldHalfWidth / kZoomX;
    camera->Position.y = y - (h / 2.0f - py) / (h / 2.0f) * kWorldHalfHeight / kZoomY;
}

void PointAtWorld(EditorHarness& editor, float x, float y)
{
    float w, h;
    ClientSize(w, h);
    PointAtWorldFrom(editor, x, y, w / 2.0f + w / 8.0f, h / 2.0f + h / 8.0f);
}
} // namespace TestSupport
