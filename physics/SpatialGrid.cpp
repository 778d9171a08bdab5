#include "physics/SpatialGrid.h"

namespace Framework
{
SpatialGrid* gSpatialGrid = nullptr;
} // namespace Framework
