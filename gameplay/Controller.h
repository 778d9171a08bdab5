// Lets the arrow keys push the object's Body directly; F7 stops it.
#pragma once
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"

namespace Framework
{
class Body;
class Transform;

class Controller : public Component
{
public:
    static constexpr int32_t TypeId = ComponentType::Controller;
    static constexpr float PushForce = 50.0f;  // per frame and arrow key
    static constexpr float LiftForce = 200.0f; // the up arrow pushes four times as hard

    Controller() = default;
    Controller(const Controller& other) = default;
    ~Controller() override;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    // Finds the Transform and Body and joins the game logic's controllers;
    // an archetype's controller stays out, so no force builds up in a template.
    void Initialize() override;
    void DrawInspector() override;

    void Update();

    Body* mBody = nullptr;
    Transform* mTransform = nullptr;
    float mSpeed = 50.0f; // stored and edited; the push uses the fixed forces above
};
} // namespace Framework
