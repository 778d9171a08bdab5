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

uint32_t SlopeBits(uint32_t kind)
{
    if (kind == 4 || kind == 5)
        return ProbeBit::RisingSlope;
    if (kind == 6 || kind == 7)
        return ProbeBit::FallingSlope;
    return 0;
}
} // namespace

uint32_t Body::ProbeTiles()
{
    if (!mShape)
        return 0;
    const ProbeBox box = MakeProbeBox(*this);
    uint32_t bits = 0;
    int x = 0, y = 0;

    bool valid = FloorToInt(box.mX + box.mW / 2.0f, x) && FloorToInt(box.mY, y);
    uint32_t kind = Probe(valid, x, y);
    bits |= (kind == 1 ? ProbeBit::Right : 0u) | SlopeBits(kind);

    valid = FloorToInt(box.mX - box.mW / 2.0f, x) && FloorToInt(box.mY, y);
    kind = Probe(valid, x, y);
    bits |= (kind == 1 ? ProbeBit::Left : 0u) | SlopeBits(kind);

    valid = FloorToInt(box.mX, x) && CeilToInt(box.mY + box.mH / 2.0f, y);
    kind = Probe(valid, x, y);
    bits |= kind == 1 ? ProbeBit::Top : 0u;

    valid = FloorToInt(box.mX, x) && FloorToInt(box.mY - box.mH / 2.0f - 0.05f, y);
    kind = Probe(valid, x, y);
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
    const ProbeBox box = MakeProbeBox(*this);
    int x = 0, y = 0;
    const bool valid = FloorToInt(box.mX, x) && FloorToInt(box.mY - box.mH / 2.0f - 0.05f, y);
    return Probe(valid, x, y) == 1;
}

uint32_t Body::ProbeGround()
{
    if (!mShape)
        return 0;
    const ProbeBox box = MakeProbeBox(*this);
    uint32_t bits = 0;
    int x = 0, y = 0;

    bool valid = FloorToInt(box.mX + box.mW / 2.0f, x) && FloorToInt(box.mY, y);
    uint32_t kind = Probe(valid, x, valid ? y - 1 : 0);
    bits |= (kind != 1 ? ProbeBit::Right : 0u) | SlopeBits(kind);

    valid = FloorToInt(box.mX - box.mW / 2.0f, x) && FloorToInt(box.mY, y);
    kind = Probe(valid, x, valid ? y - 1 : 0);
    bits |= (kind != 1 ? ProbeBit::Left : 0u) | SlopeBits(kind);
    return bits;
}
} // namespace Framework
