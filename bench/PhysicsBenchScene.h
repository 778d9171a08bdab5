// The benchmark scene, described once and built by each engine: a static floor
// and two walls, dynamic circles and boxes on a lattice above them, and
// optionally a block of tiles under the floor (a tile-heavy level).
#pragma once
#include <cstdint>
#include <vector>

namespace Bench
{
struct BodyStart
{
    float mX, mY;
    bool mCircle; // radius 0.5; otherwise a 1 x 1 box
};

struct Scene
{
    static constexpr float Gravity = -40.0f;
    static constexpr float Dt = 1.0f / 60.0f;
    static constexpr int Steps = 600;
    static constexpr float Restitution = 0.2f;
    static constexpr float Spacing = 1.25f;      // lattice pitch
    static constexpr float WallThickness = 2.0f; // walls and floor

    int mBodyCount = 0;
    int mTileColumns = 0; // tile block under the floor: columns x rows of 1 x 1 solid tiles
    int mTileRows = 0;
    float mLeft = 0.0f; // inner faces of the walls
    float mRight = 0.0f;
    float mFloorTop = 0.0f; // top of the floor (or of the tile block)
    float mTop = 0.0f;      // top of the walls
    std::vector<BodyStart> mBodies;

    int TileCount() const { return mTileColumns * mTileRows; }
};

// N bodies, half circles and half boxes, over a floor; tiles > 0 puts a block
// of that many tiles (rounded to whole rows) under the bodies instead of the floor.
Scene MakeScene(int bodyCount, int tiles);

struct Result
{
    double mMsPerStep = 0.0;
    float mDeepestPenetration = 0.0f; // over the last 60 steps, when the heap has settled
    int mEscaped = 0;                 // bodies outside the container at the end
};

// Box2D's linear damping that matches this engine's velocity factor 0.01^dt per step.
float MatchingLinearDamping();

Result RunOurs(const Scene& scene);
Result RunBox2D(const Scene& scene, int velocityIterations, int positionIterations);

bool Escaped(const Scene& scene, float x, float y);
} // namespace Bench
