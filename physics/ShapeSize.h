// The sizes of a shape that the broad phase and the probes read on every step,
// without a virtual call.
#pragma once
#include "core/math/MathTypes.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"

namespace Framework
{
// GetSpreadSize by shape type: (Radius, Radius) or HalfLength, before scaling.
inline Vec2 SpreadSizeOf(const BasicShape& shape)
{
    if (shape.mShapeType == ShapeType::Circle)
    {
        const float radius = static_cast<const ShapeCircle&>(shape).Radius;
        return {radius, radius};
    }
    const Vec3& size = static_cast<const ShapeOBB&>(shape).HalfLength;
    return {size.x, size.y};
}
} // namespace Framework
