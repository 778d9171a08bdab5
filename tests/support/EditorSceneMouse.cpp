#include "support/EditorSceneMouse.h"
#include "core/window/InputSys.h"
#include "core/window/WindowSystem.h"
#include "graphics/GraphicsSystem.h"

namespace TestSupport
{
namespace
{
// World half-width and half-height the input converts with at zoom 1: the
// active camera's own volume when it has one (an earlier test may have left
// the editor's camera with one), the input's defaults otherwise.
Framework::Vec2 ViewHalfExtent()
{
    Framework::CameraView view;
    if (Framework::gActiveView && Framework::gActiveView(view))
        return view.mHalfExtent;
    return {Framework::CameraView::DefaultHalfWidth, Framework::CameraView::DefaultHalfHeight};
}

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
    // The scene pixel lies an eighth of the window right of and below its
    // centre (clear of the editor's windows); a zoom of a quarter of the half
    // extents puts it exactly one world unit from the camera in x and y.
    const Framework::Vec2 half = ViewHalfExtent();
    const float zoomX = half.x * 0.25f, zoomY = half.y * 0.25f;
    Framework::Camera* camera = editor.mWorld->mGraphics->GetActiveCamera();
    camera->CamSize.x = zoomX;
    camera->CamSize.y = zoomY;
    camera->Position.x = x - (px - w / 2.0f) / (w / 2.0f) * half.x / zoomX;
    camera->Position.y = y - (h / 2.0f - py) / (h / 2.0f) * half.y / zoomY;
}

void PointAtWorld(EditorHarness& editor, float x, float y)
{
    float w, h;
    ClientSize(w, h);
    PointAtWorldFrom(editor, x, y, w / 2.0f + w / 8.0f, h / 2.0f + h / 8.0f);
}
} // namespace TestSupport
