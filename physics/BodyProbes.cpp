// Body: the tile probes, which look at the level's tile bodies around the shape.
#include "core/objects/Transform.h"
#include "physics/Body.h"
#include "physics/BasicShape.h"
#include "physics/GridMath.h"
#include "physics/Physics.h"
#include "physics/PhysicsDebugDraw.h"
#include "physics/ShapeSize.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
namespace
{
struct ProbeBox
{
    float mX, mY; // shape centre
    float mW, mH; // scaled size (a circle's h is its w)
};

ProbeBox MakeProbeBox(const Body& body)
{
    const Vec2 scale = body.GetScale();
    const Vec2 size = SpreadSizeOf(*body.mShape);
    ProbeBox box;
    const Vec3 position = body.mTransform ? body.mTransform->mPosition : body.mPosition;
    box.mX = position.x + body.mShape->Offset.x;
    box.mY = position.y + body.mShape->Offset.y;
    box.mW = scale.x * size.x;
    box.mH = body.mShape->mShapeType == ShapeType::Circle ? box.mW : scale.y * size.y;
    return box;
}

// The kind of the tile at an integer point (0: none), drawing the probe when asked.
uint32_t Probe(bool pointValid, int x, int y)
{
    if (!pointValid)
        return 0;
    if (gPhysics && (gPhysics->mDebugDrawMode == 1 || gPhysics->mDebugDrawMode == 3))
        DebugCircle(Vec3(static_cast<float>(x), static_cast<float>(y), 0.0f), 0.2f, Color(0, 1, 0, 1));
    return gSpatialGrid ? gSpatialGrid->TileKindAt(x, y) : 0;
}

// The kind of the tile beside the shape's right or left edge at its centre
// height, or rowsBelow rows lower.
uint32_t SideTile(const ProbeBox& box, bool right, int rowsBelow)
{
    int x = 0, y = 0;
    const float edge = right ? box.mX + box.mW / 2.0f : box.mX - box.mW / 2.0f;
    const bool valid = FloorToInt(edge, x) && FloorToInt(box.mY, y);
    return Probe(valid, x, valid ? y - rowsBelow : 0);
}

// The kind of the tile just under the shape's bottom centre.
uint32_t BottomTile(const ProbeBox& box)
{
    int x = 0, y = 0;
    const bool valid = FloorToInt(box.mX, x) && FloorToInt(box.mY - box.mH / 2.0f - 0.05f, y);
    return Probe(valid, x, y);
}

uint32_t SlopeBits(uint32_t kind)
{
    if (kind == 4 || kind == 5)
        return ProbeBit::RisingSlope;
    if (kind == 6 || kind == 7)
        return ProbeBit::FallingSlope;
    return 0;
}

// The right then the left side tile, rowsBelow rows under the centre height:
// each side's bit is set when its tile is solid (or, with bitWhenSolid false,
// when it is not), plus the slope bits of either tile.
uint32_t SideBits(const ProbeBox& box, int rowsBelow, bool bitWhenSolid)
{
    uint32_t bits = 0;
    uint32_t kind = SideTile(box, true, rowsBelow);
    bits |= ((kind == 1) == bitWhenSolid ? ProbeBit::Right : 0u) | SlopeBits(kind);
    kind = SideTile(box, false, rowsBelow);
    bits |= ((kind == 1) == bitWhenSolid ? ProbeBit::Left : 0u) | SlopeBits(kind);
    return bits;
}
} // namespace

uint32_t Body::ProbeTiles()
{
    if (!mShape)
        return 0;
    const ProbeBox box = MakeProbeBox(*this);
    uint32_t bits = SideBits(box, 0, true);

    int x = 0, y = 0;
    const bool valid = FloorToInt(box.mX, x) && CeilToInt(box.mY + box.mH / 2.0f, y);
    uint32_t kind = Probe(valid, x, y);
    bits |= kind == 1 ? ProbeBit::Top : 0u;

    kind = BottomTile(box);
    bits |= (kind == 1 ? ProbeBit::Bottom : 0u) | SlopeBits(kind);
    return bits;
}

bool Body::ProbeLanding()
{
    // Drawn probes must all be drawn, in their order.
    if (gPhysics && (gPhysics->mDebugDrawMode == 1 || gPhysics->mDebugDrawMode == 3))
        return (ProbeTiles() & ProbeBit::Bottom) != 0;
    if (!mShape)
        return false;
    return BottomTile(MakeProbeBox(*this)) == 1;
}

uint32_t Body::ProbeGround()
{
    if (!mShape)
        return 0;
    return SideBits(MakeProbeBox(*this), 1, false);
}
} // namespace Framework
