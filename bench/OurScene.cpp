// The scene stepped by this engine's physics, built from game objects as a level would be.
#include <chrono>
#include <memory>
#include "PhysicsBenchScene.h"
#include "core/objects/ComponentCreator.h"
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"
#include "physics/SpatialGrid.h"

namespace Bench
{
namespace
{
using namespace Framework;

// A box object: size is the full width and height (HalfLength holds the full size).
Composition* AddBox(GameObjectFactory& factory, float x, float y, float width, float height, float mass)
{
    Composition* object = factory.CreateObject("Box", ObjectKind::GameObject);
    object->GetComponent<Transform>()->mPosition = Vec3(x, y, 0.0f);
    static_cast<Body*>(factory.AddComponent(object, "Body"))->mMass = mass;
    static_cast<ShapeOBB*>(factory.AddComponent(object, "OBB"))->HalfLength = Vec3(width, height, 0.0f);
    object->Initialize();
    return object;
}

Composition* AddCircle(GameObjectFactory& factory, float x, float y)
{
    Composition* object = factory.CreateObject("Circle", ObjectKind::GameObject);
    object->GetComponent<Transform>()->mPosition = Vec3(x, y, 0.0f);
    static_cast<Body*>(factory.AddComponent(object, "Body"))->mMass = 1.0f;
    static_cast<ShapeCircle*>(factory.AddComponent(object, "Circle"))->Radius = 1.0f; // world radius 0.5
    object->Initialize();
    return object;
}
} // namespace

Result RunOurs(const Scene& scene)
{
    auto factory = std::make_unique<GameObjectFactory>();
    factory->AddComponentCreator("Transform", new ComponentCreatorType<Transform>(ComponentType::Transform));
    auto physics = std::make_unique<Physics>();
    physics->Init();
    physics->mGravity = Vec2(0.0f, Scene::Gravity);

    const float wallHeight = scene.mTop - scene.mFloorTop;
    if (scene.TileCount() == 0)
        AddBox(*factory, (scene.mLeft + scene.mRight) / 2.0f, scene.mFloorTop - 1.0f, scene.mRight - scene.mLeft + 2.0f,
               2.0f, 0.0f);
    const float half = Scene::WallThickness / 2.0f;
    for (float wallX : {scene.mLeft - half, scene.mRight + half})
        AddBox(*factory, wallX, scene.mFloorTop + wallHeight / 2.0f, Scene::WallThickness, wallHeight, 0.0f);
    std::vector<Body*> bodies;
    for (const BodyStart& start : scene.mBodies)
    {
        Composition* object = start.mCircle ? AddCircle(*factory, start.mX, start.mY)
                                            : AddBox(*factory, start.mX, start.mY, 1.0f, 1.0f, 1.0f);
        static_cast<Body*>(object->GetComponent<Body>())->mRestitution = Scene::Restitution;
        bodies.push_back(object->GetComponent<Body>());
    }

    const int levelWidth = static_cast<int>(scene.mRight + 3.0f);
    const int levelHeight = static_cast<int>(scene.mTop + 3.0f);
    if (scene.TileCount() > 0)
    {
        TileGrid& tiles = factory->mTileGrid;
        tiles.Resize(static_cast<uint32_t>(scene.mTileColumns), static_cast<uint32_t>(scene.mTileRows));
        for (auto& row : tiles.mRows)
            for (TileCell& cell : row)
            {
                cell.mUsed = true;
                cell.mKind = 1;
            }
        tiles.SpawnTiles();
    }
    gSpatialGrid->Resize(std::max(levelWidth, scene.mTileColumns), std::max(levelHeight, scene.mTileRows));
    physics->mRunning = true;

    Result result;
    double seconds = 0.0;
    for (int step = 0; step < Scene::Steps; ++step)
    {
        const auto begin = std::chrono::steady_clock::now();
        physics->Step(Scene::Dt);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        if (step >= Scene::Steps - 60)
            for (const Manifold& contact : physics->mContacts)
                result.mDeepestPenetration = std::max(result.mDeepestPenetration, contact.mPenetration);
    }
    result.mMsPerStep = seconds * 1000.0 / Scene::Steps;
    for (Body* body : bodies)
        result.mEscaped += Escaped(scene, body->mPosition.x, body->mPosition.y) ? 1 : 0;

    factory.reset();
    physics.reset();
    return result;
}
} // namespace Bench
