// Checked access to another object's script: scripts read each other's state,
// and content may give an object a different script than the reader expects.
#pragma once
#include <string>
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "gameplay/Behaviour.h"

namespace Framework
{
// The script of object's Behaviour when it is a T, else null.
template <class T>
T* ScriptOf(const Composition* object)
{
    const Behaviour* behaviour = object ? object->GetComponent<Behaviour>() : nullptr;
    return behaviour ? dynamic_cast<T*>(behaviour->GetScript()) : nullptr;
}

// The T script of the live object named name (the smallest id of that name), or null.
template <class T>
T* FindScript(const std::string& name)
{
    return gFactory ? ScriptOf<T>(gFactory->FindObject(name)) : nullptr;
}
} // namespace Framework
