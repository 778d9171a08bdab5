// Small lookups the level-object scripts (switches, enemies, hazards, props)
// share: their own components, the last object of a tag, the left mouse button
// and playing a sound on an object. Every lookup answers null or false when
// the object, system or component is missing, so a step that needs it does
// nothing.
#pragma once
#include <string>
#include "audio/AudioComponent.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"
#include "gameplay/Behaviour.h"
#include "physics/Physics.h"
#include "platform/Win32Types.h"

namespace Framework
{
namespace Props
{
// The object that hosts the script, or null.
inline Composition* ObjectOf(const Behaviour* owner) { return owner ? owner->GetOwner() : nullptr; }

// A component of the hosting object, or null.
template <class T>
T* Part(const Behaviour* owner)
{
    const Composition* object = ObjectOf(owner);
    return object ? object->GetComponent<T>() : nullptr;
}

// The last live object, in id order, that carries tag; null for none.
inline Composition* LastObjectTagged(uint32_t tag) { return gFactory ? gFactory->LastObjectTagged(tag) : nullptr; }

// Moves an object's body (through the broad-phase grid) and Transform to
// position; only the Transform when it has no shaped body.
void MoveObjectTo(Composition* object, const Vec3& position);

inline bool Triggered(int vk) { return gInput && gInput->mState.IsTriggered(vk); }
// Down in this frame and the previous one.
inline bool Held(int vk) { return gInput && gInput->mState.IsHeld(vk); }
// Down now, whatever it was before.
inline bool Down(int vk) { return gInput && gInput->mState.mCurrentKeys[vk]; }
// Up now and down in the previous frame.
inline bool Released(int vk) { return gInput && !gInput->mState.mCurrentKeys[vk] && gInput->mState.mPreviousKeys[vk]; }

// Whether the physics system's object under the mouse is object.
inline bool Hovered(const Composition* object) { return object && gPhysics && gPhysics->HoverObject() == object; }

// Stops the object's sound, switches to key and starts it; nothing without an AudioComponent.
inline void PlayOn(Composition* object, const std::string& key)
{
    AudioComponent* audio = object ? object->GetComponent<AudioComponent>() : nullptr;
    if (audio)
        audio->PlaySound(key);
}

// Sets the key the object's sound will play; nothing without an AudioComponent.
inline void SetSoundKey(Composition* object, const std::string& key)
{
    AudioComponent* audio = object ? object->GetComponent<AudioComponent>() : nullptr;
    if (audio)
        audio->SetKey(key);
}
} // namespace Props
} // namespace Framework
