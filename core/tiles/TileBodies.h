// The bodies of the level's tiles. They live in the physics, a layer above,
// whose broad phase derives from this class and registers itself with the
// tile grid (TileGrid::sBodies) for as long as it exists; without one, tiles
// have no bodies.
#pragma once
#include <cstddef>
#include "core/math/MathTypes.h"

namespace Framework
{
class TileBodies
{
public:
    virtual ~TileBodies() = default;
    // Creates the static body of a used cell at its centre.
    virtual void AddTile(const Vec3& centre) = 0;
    // Removes and deletes the body of the cell at (x, y).
    virtual void RemoveTileAt(int x, int y) = 0;
    // Deletes every tile body.
    virtual void Clear() = 0;
    // Makes room for this many more tile bodies.
    virtual void ReserveTiles(size_t count) = 0;
    // Fits the broad phase to a tile grid of width x height cells.
    virtual void Resize(int width, int height) = 0;
};
} // namespace Framework
