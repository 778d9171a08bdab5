// Points the editor harness's mouse at a world point of the level while the
// ImGui cursor rests on an empty part of the screen (no editor window there).
// Without a window system the input state maps a 1 x 1 client area, so the
// active camera is placed to make that pixel show exactly the wanted point.
#pragma once
#include "support/EditorHarness.h"

namespace TestSupport
{
// A spot of the 1366 x 768 display that no editor window covers.
constexpr float kScenePixelX = 800.0f;
constexpr float kScenePixelY = 500.0f;

void PointAtWorld(EditorHarness& editor, float x, float y);
// Points at the world point from the pixel (px, py) instead (over a window, say).
void PointAtWorldFrom(EditorHarness& editor, float x, float y, float px, float py);
} // namespace TestSupport
