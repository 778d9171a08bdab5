// Base of every component: one aspect of a game object (position, body, sprite,
// sound, script), identified by its ComponentType id.
#pragma once
#include <cstdint>

namespace Framework
{
class Composition;
class Message;
class TextSerializer;
class XmlSerializer;

// A component class T used with Composition::GetComponent<T>() declares
//     static constexpr int32_t TypeId = ComponentType::<its id>;
class Component
{
public:
    // Writes the component as one XML element named after its type.
    virtual void SerializeXml(XmlSerializer& serializer) = 0;
    // Writes the text record: the type-name line, then the fields.
    virtual void SerializeText(TextSerializer& serializer) = 0;
    // Reads the fields; the serializer stands on the first child of the component's element.
    virtual void UnserializeXml(XmlSerializer& serializer) = 0;
    // Reads the fields; the caller has already read the type-name word.
    virtual void UnserializeText(TextSerializer& serializer) = 0;
    // Receives a collision or win message.
    virtual void SendMessage(Message* message) = 0;
    // Finds sibling components and registers with the system that serves the component.
    virtual void Initialize() = 0;
    // Draws the editor's widgets for the component.
    virtual void DrawInspector() {}
    // A component leaves its system's lists here.
    virtual ~Component() = default;
    // Whether SendMessage does anything. The physics sends a message per contact
    // to the components of both objects; those that answer false are skipped
    // without touching them. A class whose SendMessage is empty says false.
    virtual bool HandlesMessages() const { return true; }

    Composition* GetOwner() const { return mOwner; }
    // The owner's ObjectTag without a trip to the owner; None without one.
    uint32_t GetOwnerTag() const { return mOwner ? mOwnerTag : 0u; }

    int32_t mTypeId = 0; // ComponentType value; set by the creator and by AddComponent
    // Copy of the owner's ObjectTag, written by the owner whenever its tag or this
    // component's owner changes (AddComponent, Initialize, tag assignment).
    uint32_t mOwnerTag = 0;
    Composition* mOwner = nullptr; // the object holding the component; not owned
};
} // namespace Framework
