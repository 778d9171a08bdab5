// Fixtures for the physics tests: a factory and a physics system with their
// creators, and builders of bodies with circle or box shapes.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "core/objects/ComponentCreator.h"
#include "core/objects/Factory.h"
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "graphics/Renderer.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"
#include "physics/SpatialGrid.h"

namespace TestSupport
{
// A component that records the collision messages its object receives.
class CollisionRecorder : public Framework::Component
{
public:
    static constexpr int32_t TypeId = 10; // the Behaviour slot: scripts receive messages there
    void SerializeXml(Framework::XmlSerializer&) override {}
    void SerializeText(Framework::TextSerializer&) override {}
    void UnserializeXml(Framework::XmlSerializer&) override {}
    void UnserializeText(Framework::TextSerializer&) override {}
    void Initialize() override {}
    void SendMessage(Framework::Message* message) override
    {
        if (message->mMessageId == Framework::MessageId::Collision)
            mOthers.push_back(static_cast<Framework::CollisionMessage*>(message)->mOther);
        if (message->mMessageId == Framework::MessageId::Win)
            ++mWins;
        if (mOnMessage)
            mOnMessage(message);
    }
    std::vector<Framework::Composition*> mOthers;
    int mWins = 0;
    std::function<void(Framework::Message*)> mOnMessage;
};

struct BodySpec
{
    Framework::Vec3 mPosition{0.0f};
    Framework::Vec3 mScale{1.0f, 1.0f, 1.0f};
    float mRotation = 0.0f; // degrees
    float mMass = 1.0f;
    uint32_t mTag = 0;
    bool mCircle = false;
    float mRadius = 1.0f;                          // circle: world radius = scale x * radius / 2
    Framework::Vec3 mHalfLength{1.0f, 1.0f, 0.0f}; // box: half extents = scale * half length / 2
    bool mInteractable = false;
    Framework::ObjectKind mKind = Framework::ObjectKind::GameObject;
    std::string mName = "Thing";
    bool mRecorder = true;  // add a CollisionRecorder
    bool mRenderer = false; // add a Renderer (its alpha is read by the false-tile rules)
};

// gFactory and gPhysics for one test, destroyed in the engine's order.
struct PhysicsScope
{
    PhysicsScope()
    {
        mFactory = std::make_unique<Framework::GameObjectFactory>();
        mFactory->AddComponentCreator("Transform", new Framework::ComponentCreatorType<Framework::Transform>(
                                                       Framework::ComponentType::Transform));
        mFactory->AddComponentCreator("Recorder", new Framework::ComponentCreatorType<CollisionRecorder>(10));
        mFactory->AddComponentCreator(
            "Renderer", new Framework::ComponentCreatorType<Framework::Renderer>(Framework::ComponentType::Renderer));
        mPhysics = std::make_unique<Framework::Physics>();
        mPhysics->Init();
        mPhysics->mRunning = true;
    }
    ~PhysicsScope()
    {
        mFactory.reset();
        mPhysics.reset();
    }

    Framework::Composition* Make(const BodySpec& spec)
    {
        Framework::Composition* object = mFactory->CreateObject(spec.mName, spec.mKind);
        object->mTag = spec.mTag;
        auto* transform = object->GetComponent<Framework::Transform>();
        transform->mPosition = spec.mPosition;
        transform->mScale = spec.mScale;
        transform->mRotation = spec.mRotation;
        auto* body = static_cast<Framework::Body*>(mFactory->AddComponent(object, "Body"));
        body->mMass = spec.mMass;
        body->mInteractable = spec.mInteractable;
        if (spec.mCircle)
            static_cast<Framework::ShapeCircle*>(mFactory->AddComponent(object, "Circle"))->Radius = spec.mRadius;
        else
            static_cast<Framework::ShapeOBB*>(mFactory->AddComponent(object, "OBB"))->HalfLength = spec.mHalfLength;
        if (spec.mRecorder)
            mFactory->AddComponent(object, "Recorder");
        if (spec.mRenderer)
            mFactory->AddComponent(object, "Renderer");
        object->Initialize();
        return object;
    }
    Framework::Composition* Box(const Framework::Vec3& position, float mass = 1.0f, uint32_t tag = 0)
    {
        BodySpec spec;
        spec.mPosition = position;
        spec.mMass = mass;
        spec.mTag = tag;
        return Make(spec);
    }
    Framework::Composition* Circle(const Framework::Vec3& position, float mass = 1.0f, uint32_t tag = 0)
    {
        BodySpec spec;
        spec.mPosition = position;
        spec.mMass = mass;
        spec.mTag = tag;
        spec.mCircle = true;
        return Make(spec);
    }
    // A used tile cell of the given kind with its tile body.
    void Tile(int x, int y, int kind = 1)
    {
        Framework::TileGrid& grid = mFactory->mTileGrid;
        if (grid.mWidth == 0)
            grid.Resize(60, 60);
        grid.PlaceTile(kind, 0, Framework::Vec3(static_cast<float>(x), static_cast<float>(y), 0.0f));
    }

    std::unique_ptr<Framework::GameObjectFactory> mFactory;
    std::unique_ptr<Framework::Physics> mPhysics;
};

inline Framework::Body* BodyOf(Framework::Composition* object) { return object->GetComponent<Framework::Body>(); }
inline Framework::Renderer* RendererOf(Framework::Composition* object)
{
    return object->GetComponent<Framework::Renderer>();
}
inline CollisionRecorder* RecorderOf(Framework::Composition* object)
{
    return object->GetComponent<CollisionRecorder>();
}
} // namespace TestSupport
