// Points the editor harness's mouse at a world point of the level while the
// ImGui cursor rests on a chosen pixel, by placing the active camera so that
// pixel shows exactly that point. The default pixel is one no editor window
// covers, so the click belongs to the level.
#pragma once
#include "support/EditorHarness.h"

namespace TestSupport
{
void PointAtWorld(EditorHarness& editor, float x, float y);
// Points at the world point from the pixel (px, py) instead (over a window, say).
void PointAtWorldFrom(EditorHarness& editor, float x, float y, float px, float py);
} // namespace TestSupport
