// The scene stepped by Box2D 2.4.
#include <box2d/box2d.h>
#include <chrono>
#include "PhysicsBenchScene.h"

namespace Bench
{
namespace
{
constexpr float Pi = 3.14159265f;

float DeepestPenetration(b2World& world)
{
    float deepest = 0.0f;
    for (b2Contact* contact = world.GetContactList(); contact; contact = contact->GetNext())
    {
        if (!contact->IsTouching())
            continue;
        b2WorldManifold manifold;
        contact->GetWorldManifold(&manifold);
        for (int i = 0; i < contact->GetManifold()->pointCount; ++i)
            deepest = std::max(deepest, -manifold.separations[i]);
    }
    return deepest;
}

// The static world: a floor (or the scene's tiles) and the two side walls.
void AddGround(b2World& world, const Scene& scene)
{
    b2BodyDef groundDef;
    b2Body* ground = world.CreateBody(&groundDef);
    b2FixtureDef solid;
    solid.friction = 0.0f;
    solid.restitution = Scene::Restitution;
    b2PolygonShape box;
    const float wallHeight = scene.mTop - scene.mFloorTop;
    if (scene.TileCount() == 0)
    {
        box.SetAsBox((scene.mRight - scene.mLeft) / 2.0f + 1.0f, 1.0f,
                     b2Vec2((scene.mLeft + scene.mRight) / 2.0f, scene.mFloorTop - 1.0f), 0.0f);
        solid.shape = &box;
        ground->CreateFixture(&solid);
    }
    for (int y = 0; y < scene.mTileRows; ++y)
        for (int x = 0; x < scene.mTileColumns; ++x)
        {
            box.SetAsBox(0.5f, 0.5f, b2Vec2(x + 0.5f, y + 0.5f), 0.0f);
            solid.shape = &box;
            ground->CreateFixture(&solid);
        }
    const float half = Scene::WallThickness / 2.0f;
    for (float wallX : {scene.mLeft - half, scene.mRight + half})
    {
        box.SetAsBox(half, wallHeight / 2.0f, b2Vec2(wallX, scene.mFloorTop + wallHeight / 2.0f), 0.0f);
        solid.shape = &box;
        ground->CreateFixture(&solid);
    }
}

// One dynamic body a start, of mass 1 whatever its shape.
std::vector<b2Body*> AddBodies(b2World& world, const Scene& scene)
{
    b2CircleShape circle;
    circle.m_radius = 0.5f;
    b2PolygonShape square;
    square.SetAsBox(0.5f, 0.5f);
    std::vector<b2Body*> bodies;
    for (const BodyStart& start : scene.mBodies)
    {
        b2BodyDef def;
        def.type = b2_dynamicBody;
        def.position.Set(start.mX, start.mY);
        def.linearDamping = MatchingLinearDamping();
        def.angularDamping = 0.0f;
        b2Body* body = world.CreateBody(&def);
        b2FixtureDef fixture;
        fixture.friction = 0.0f;
        fixture.restitution = Scene::Restitution;
        // Mass 1 for both shapes.
        fixture.shape = start.mCircle ? static_cast<b2Shape*>(&circle) : static_cast<b2Shape*>(&square);
        fixture.density = start.mCircle ? 1.0f / (Pi * 0.25f) : 1.0f;
        body->CreateFixture(&fixture);
        bodies.push_back(body);
    }
    return bodies;
}
} // namespace

Result RunBox2D(const Scene& scene, int velocityIterations, int positionIterations)
{
    b2World world(b2Vec2(0.0f, Scene::Gravity));
    world.SetAllowSleeping(false);

    AddGround(world, scene);
    const std::vector<b2Body*> bodies = AddBodies(world, scene);

    Result result;
    double seconds = 0.0;
    for (int step = 0; step < Scene::Steps; ++step)
    {
        const auto begin = std::chrono::steady_clock::now();
        world.Step(Scene::Dt, velocityIterations, positionIterations);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        if (step >= Scene::Steps - 60)
            result.mDeepestPenetration = std::max(result.mDeepestPenetration, DeepestPenetration(world));
    }
    result.mMsPerStep = seconds * 1000.0 / Scene::Steps;
    for (b2Body* body : bodies)
        result.mEscaped += Escaped(scene, body->GetPosition().x, body->GetPosition().y) ? 1 : 0;
    return result;
}
} // namespace Bench
