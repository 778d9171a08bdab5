// The game object: a named bag of components kept sorted by type id.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>
#include "core/Component.h"
#include "core/ComponentType.h"
#include "core/ObjectTag.h"

namespace Framework
{
// Where the factory keeps an object.
enum class ObjectKind : uint32_t
{
    Archetype = 0,  // the archetype map; ids count from 100
    GameObject = 1, // the object map of the level; ids count from 0
    Tile = 2,       // the factory's tile list
};

class Composition
{
public:
    explicit Composition(const std::string& name);
    // Copies tag, id and name, and clones every component a registered creator can
    // make; the clones are not initialised (the factory does that).
    Composition(const Composition& other);
    Composition& operator=(const Composition&) = delete;
    // Deletes the components in vector order.
    virtual ~Composition();

    // Sets the component's type id and owner, and keeps the vector sorted by type id.
    void AddComponent(int32_t typeId, Component* component);
    // The component of that type id, or null (binary search of the sorted vector).
    Component* GetComponent(int32_t typeId) const;
    template <class T>
    T* GetComponent() const
    {
        return static_cast<T*>(GetComponent(T::TypeId));
    }
    // Sets each component's owner and calls its Initialize, in vector order.
    void Initialize();
    // Deletes the components marked for removal that this object holds, then empties the mark set.
    void RemovePendingComponents();

    const std::string& GetName() const { return mName; }
    void SetName(const std::string& name) { mName = name; }
    uint32_t GetId() const { return mId; }

    ObjectKind mKind = ObjectKind::GameObject; // set by the factory right after construction
    uint32_t mTag = ObjectTag::None;
    std::vector<Component*> mComponents;       // owned; ascending type id
    std::set<Component*> mPendingRemoval;      // marked by the editor; not owned separately
    uint32_t mId = 0;                          // key in the factory's object or archetype map
    std::string mName;                         // not unique
};
} // namespace Framework
