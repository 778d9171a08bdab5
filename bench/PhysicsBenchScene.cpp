#include "PhysicsBenchScene.h"
#include <cmath>

namespace Bench
{
Scene MakeScene(int bodyCount, int tiles)
{
    Scene scene;
    scene.mBodyCount = bodyCount;
    const int columns = static_cast<int>(std::ceil(std::sqrt(static_cast<float>(bodyCount)) * 1.2f));
    const int rows = (bodyCount + columns - 1) / columns;
    const float innerWidth = columns * Scene::Spacing + 1.0f;

    // The level is 1 unit of wall, the inside, 1 unit of wall; tiles fill whole rows of it.
    scene.mLeft = 2.0f;
    scene.mRight = scene.mLeft + innerWidth;
    if (tiles > 0)
    {
        scene.mTileColumns = static_cast<int>(std::ceil(scene.mRight + 2.0f));
        scene.mTileRows = (tiles + scene.mTileColumns - 1) / scene.mTileColumns;
        scene.mFloorTop = static_cast<float>(scene.mTileRows);
    }
    else
    {
        scene.mFloorTop = 2.0f;
    }
    const float firstY = scene.mFloorTop + 1.0f;
    scene.mTop = firstY + rows * Scene::Spacing + 4.0f;
    for (int i = 0; i < bodyCount; ++i)
    {
        const int column = i % columns;
        const int row = i / columns;
        // Odd rows shifted by a quarter pitch so the columns do not stack exactly.
        const float x = scene.mLeft + 1.0f + column * Scene::Spacing + (row % 2 ? 0.3f : 0.0f);
        const float y = firstY + row * Scene::Spacing;
        scene.mBodies.push_back({x, y, (i % 2) == 0});
    }
    return scene;
}

float MatchingLinearDamping()
{
    // Box2D scales velocity by 1 / (1 + dt c) per step; ours by 0.01^dt.
    const float factor = std::pow(0.01f, Scene::Dt);
    return (1.0f / factor - 1.0f) / Scene::Dt;
}

bool Escaped(const Scene& scene, float x, float y)
{
    return !(x > scene.mLeft - 0.5f && x < scene.mRight + 0.5f && y > scene.mFloorTop - 0.5f);
}
} // namespace Bench
