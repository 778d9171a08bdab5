// The game object: a named bag of components kept sorted by type id.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <vector>
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"
#include "core/objects/ObjectHandle.h"
#include "core/objects/ObjectTag.h"

namespace Framework
{
// Where the factory keeps an object.
enum class ObjectKind : uint32_t
{
    Archetype = 0,  // the archetype map; ids count from 100
    GameObject = 1, // the object map of the level; ids count from 0
    Tile = 2,       // the factory's tile list
};

class Composition;

// An object's ObjectTag. It reads and is assigned like the plain number it
// holds; an assignment also refreshes the copy every component of the object
// keeps (Component::mOwnerTag), which the physics reads per contact. Editor,
// scripts, tests and the file readers all assign it, so no write can leave
// that copy behind.
class ObjectTagField
{
public:
    ObjectTagField(Composition* object, uint32_t tag) : mValue(tag), mObject(object) {}
    // A copy would carry the back pointer to another object.
    ObjectTagField(const ObjectTagField&) = delete;
    ObjectTagField& operator=(const ObjectTagField& other) { return *this = other.mValue; }
    ObjectTagField& operator=(uint32_t tag);
    operator uint32_t() const { return mValue; }

private:
    uint32_t mValue;
    Composition* mObject; // the object whose tag this is
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
    // Hands a message to every component that handles messages, in component
    // order, exactly as a loop over all of them would. The size is re-read: a
    // handler may add or remove components.
    void DeliverMessage(Message* message)
    {
        for (size_t i = 0; i < mComponents.size(); ++i)
        {
            if (i < kHandlerBits)
            {
                const uint64_t ahead = mMessageHandlers >> i;
                if (ahead == 0 && mComponents.size() <= kHandlerBits)
                    return;
                if ((ahead & 1u) == 0)
                    continue;
            }
            if (Component* component = mComponents[i])
                component->SendMessage(message);
        }
    }

    const std::string& GetName() const { return mName; }
    void SetName(const std::string& name) { mName = name; }
    uint32_t GetId() const { return mId; }

    ObjectKind mKind = ObjectKind::GameObject; // set by the factory right after construction
    ObjectTagField mTag{this, ObjectTag::None};
    std::vector<Component*> mComponents; // owned; ascending type id
    // Bit i set: mComponents[i] handles messages; kept by the object whenever its
    // vector changes. Most objects hold no handler, so a contact costs them no
    // visit to their components. Next to the vector: one cache line serves both.
    uint64_t mMessageHandlers = 0;
    std::set<Component*> mPendingRemoval; // marked by the editor; not owned separately
    uint32_t mId = 0;                     // key in the factory's object or archetype map
    std::string mName;                    // not unique
    // Live objects only: set when the factory adds the object, released when
    // it is deleted. A copy starts without one.
    ObjectHandle mHandle;

private:
    friend class ObjectTagField;
    // Components past this many are always handed messages.
    static constexpr size_t kHandlerBits = 64;
    // Refreshes mMessageHandlers after the component vector changed.
    void FindMessageHandlers();
    // Writes the tag into every component's copy.
    void ShareTag();
};
} // namespace Framework
