// How the physics reads the game objects it serves: owner, tag, kind, components.
#pragma once
#include <cstdint>
#include "core/Composition.h"
#include "core/Message.h"

namespace Framework
{
inline Composition* OwnerOf(const Component* component) { return component ? component->GetOwner() : nullptr; }
// ObjectTag of an object; None for no object.
inline uint32_t TagOf(const Composition* object) { return object ? object->mTag : ObjectTag::None; }
inline bool HasTag(const Composition* object, uint32_t tag) { return object && object->mTag == tag; }
inline ObjectKind KindOf(const Composition* object) { return object->mKind; }

// Delivers a message to every component of an object, in component order. The
// size is re-read: a handler may add or remove components.
inline void SendToComponents(Composition* object, Message* message)
{
    if (!object)
        return;
    for (size_t i = 0; i < object->mComponents.size(); ++i)
        if (Component* component = object->mComponents[i])
            component->SendMessage(message);
}
} // namespace Framework
