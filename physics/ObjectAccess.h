// How the physics reads the game objects it serves: owner, tag, kind, components.
#pragma once
#include <cstdint>
#include "core/objects/Composition.h"
#include "core/engine/Message.h"

namespace Framework
{
inline Composition* OwnerOf(const Component* component) { return component ? component->GetOwner() : nullptr; }
// ObjectTag of an object; None for no object.
inline uint32_t TagOf(const Composition* object)
{
    return object ? static_cast<uint32_t>(object->mTag) : ObjectTag::None;
}
inline bool HasTag(const Composition* object, uint32_t tag) { return object && object->mTag == tag; }
// The ObjectTag of a body's object from the body's own copy: the rules read it
// per pair, and a trip to each object would cost a cache miss. None without one.
inline uint32_t TagOf(const Component* component) { return component ? component->GetOwnerTag() : ObjectTag::None; }
inline bool HasTag(const Component* component, uint32_t tag) { return component && component->GetOwnerTag() == tag; }
inline ObjectKind KindOf(const Composition* object) { return object->mKind; }

// Delivers a message to the components of an object that handle messages, in
// component order (see Composition::DeliverMessage).
inline void SendToComponents(Composition* object, Message* message)
{
    if (object)
        object->DeliverMessage(message);
}
} // namespace Framework
