// The physics' way to the graphics system's debug lines and circles.
#pragma once
#include "core/math/MathTypes.h"

namespace Framework
{
void DebugLine(const Vec3& from, const Vec3& to, const Color& colour);
// size is the circle's diameter.
void DebugCircle(const Vec3& centre, float size, const Color& colour);
} // namespace Framework
