#include "physics/Physics.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
Physics* gPhysics = nullptr;

Physics::Physics()
{
    gSpatialGrid = new SpatialGrid();
    gPhysics = this;
}

Physics::~Physics()
{
    delete gSpatialGrid;
    gSpatialGrid = nullptr;
    if (gPhysics == this)
        gPhysics = nullptr;
}

void Physics::Update(float) {}
} // namespace Framework
