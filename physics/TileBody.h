// The static body of one used tile cell, made with its own Transform and box in
// one allocation: a large map has thousands of them, and three allocations per
// tile were most of the cost of spawning a level's tiles.
#pragma once
#include "core/objects/Transform.h"
#include "physics/Body.h"
#include "physics/ShapeOBB.h"

namespace Framework
{
// A base of TileBody declared before Body, so the parts are built before the Body
// and outlive its destructor (which takes the body out of the grid and the
// physics lists), then go in the order a body deletes parts it owns: the shape,
// then the Transform.
struct TileBodyParts
{
    Transform mTileTransform;
    ShapeOBB mTileShape;
};

class TileBody : private TileBodyParts, public Body
{
public:
    TileBody()
    {
        mTransform = &mTileTransform;
        mShape = &mTileShape;
        mTileShape.mBody = this;
    }
    TileBody(const TileBody&) = delete;
    TileBody& operator=(const TileBody&) = delete;
};
} // namespace Framework
