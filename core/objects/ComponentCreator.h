// Makes components of one class by name: every system registers one creator per
// component class it serves with the factory.
#pragma once
#include <cstdint>
#include "core/objects/Component.h"

namespace Framework
{
class ComponentCreator
{
public:
    explicit ComponentCreator(uint32_t typeId) : mTypeId(typeId) {}
    virtual ~ComponentCreator() = default;
    // A new component with its class's defaults and the creator's type id.
    virtual Component* Create() = 0;
    // A copy of source (null when source is not of the creator's class). The copy
    // keeps source's owner until the object receiving it is initialised.
    virtual Component* Clone(const Component& source) = 0;

    uint32_t mTypeId; // ComponentType of the components made
};

template <class T>
class ComponentCreatorType : public ComponentCreator
{
public:
    explicit ComponentCreatorType(uint32_t typeId) : ComponentCreator(typeId) {}

    Component* Create() override
    {
        T* component = new T();
        component->mTypeId = static_cast<int32_t>(mTypeId);
        return component;
    }

    Component* Clone(const Component& source) override
    {
        const T* typed = dynamic_cast<const T*>(&source);
        if (!typed)
            return nullptr;
        T* component = new T(*typed);
        component->mTypeId = static_cast<int32_t>(mTypeId);
        return component;
    }
};
} // namespace Framework
