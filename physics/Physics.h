// The 2D rigid-body simulation of the level.
#pragma once
#include "core/System.h"

namespace Framework
{
class Composition;
class Body;

class Physics : public System
{
public:
    Physics();
    ~Physics() override;
    void Update(float dt) override;
    std::string GetName() override { return "PhysicsSystem"; }
    void SendMessage(Message*) override {}

    bool mRunning = false;
    bool mFastMode = false;
    bool mDragging = false;
    Composition* mHoverObject = nullptr;
    Body* mPlayerBody = nullptr;
};

extern Physics* gPhysics;
} // namespace Framework
