// The uniform-grid broad phase and the tile bodies of the level.
#pragma once

namespace Framework
{
class SpatialGrid
{
public:
    // Deletes every tile body and forgets every registered object.
    void Clear() {}
};

extern SpatialGrid* gSpatialGrid;
} // namespace Framework
