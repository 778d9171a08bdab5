// A person walking across the back of a scene between two borders at a random
// speed. Touching a border (after the 2 s that follow every new move) makes it
// jump to a border chosen at random and walk off from there with a new speed.
//
// What the scene must hold: the walker (tag People, with a Transform, a Body
// with a shape and a Renderer facing left when not mirrored) and the objects
// "Border1" (the left start, walked from to the right) and "Border2" (the
// right start), tagged Border, with Bodies. Border and People bodies are only
// tested against each other. Walkers walk at height 15.5.
#pragma once
#include <cstdint>
#include <memory>
#include <random>
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Body;
class Composition;
class Renderer;
class Transform;

class BackgroundPersonMovement : public ScriptBase
{
public:
    static constexpr float WalkHeight = 15.5f;
    static constexpr float MinSpeed = 5.0f;     // units per second
    static constexpr float MaxSpeed = 10.0f;    // exclusive
    static constexpr float TurnCooldown = 2.0f; // seconds a new move ignores borders

    BackgroundPersonMovement() : ScriptBase("BackgroundPersonMovement") {}
    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override {}
    void OnWin(WinMessage*, Behaviour*) override {}
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;

    // Caches the owner's Transform, Body and Renderer; false while one is
    // missing (tried again next frame). The first success starts a move.
    bool ResolveComponents();
    // Picks a border at random, jumps there and walks away from it at a new speed.
    void ChooseNextMove();

    // Every walker draws from one engine, seeded from the clock at first use;
    // tests seed it to make the walks repeatable.
    static void SeedRandom(uint32_t seed);

    Vec2 mDirection{0.0f};          // x is +1 or -1; y stays 0
    float mSpeed = 0.0f;            // units per second
    Composition* mObject = nullptr; // the owner object, cached
    Transform* mTransform = nullptr;
    Behaviour* mBehaviour = nullptr; // the host, stored by Init
    Body* mBody = nullptr;
    Renderer* mRenderer = nullptr;
    bool mFacingRight = false;  // copied to the Renderer's InvertX every frame
    float mTurnCooldown = 0.0f; // seconds until a border touch counts

private:
    struct Random
    {
        std::mt19937 mEngine;
        std::uniform_int_distribution<int> mPick{0, 100}; // even: from the right, odd: from the left
        std::uniform_real_distribution<float> mSpeed{MinSpeed, MaxSpeed};
    };
    static Random& SharedRandom();
    static std::unique_ptr<Random> sRandom; // made at first use
};
} // namespace Framework
