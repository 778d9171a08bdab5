#include "core/objects/ObjectHandle.h"
#include <vector>
#include "core/objects/Composition.h"

namespace Framework
{
namespace
{
struct Slot
{
    Composition* mObject = nullptr; // null while the slot is free
    uint32_t mGeneration = 1;       // advanced on release; never 0
};

// Objects are added and deleted on the main thread, or on the loader thread
// while the main thread only draws the loading frame: the same discipline as
// the factory's own object map, so the table needs no lock of its own.
std::vector<Slot> gSlots;
std::vector<uint32_t> gFreeSlots;
} // namespace

ObjectHandle ObjectHandle::Of(const Composition* object) { return object ? object->mHandle : ObjectHandle(); }

Composition* ObjectHandle::Get() const
{
    if (mGeneration == 0 || mSlot >= gSlots.size())
        return nullptr;
    const Slot& slot = gSlots[mSlot];
    return slot.mGeneration == mGeneration ? slot.mObject : nullptr;
}

ObjectHandle ObjectHandle::Acquire(Composition* object)
{
    ObjectHandle handle;
    if (!gFreeSlots.empty())
    {
        handle.mSlot = gFreeSlots.back();
        gFreeSlots.pop_back();
    }
    else
    {
        handle.mSlot = static_cast<uint32_t>(gSlots.size());
        gSlots.emplace_back();
    }
    gSlots[handle.mSlot].mObject = object;
    handle.mGeneration = gSlots[handle.mSlot].mGeneration;
    return handle;
}

void ObjectHandle::Release(ObjectHandle handle)
{
    if (handle.Get() == nullptr)
        return;
    Slot& slot = gSlots[handle.mSlot];
    slot.mObject = nullptr;
    if (++slot.mGeneration == 0) // after four billion reuses of one slot
        slot.mGeneration = 1;
    gFreeSlots.push_back(handle.mSlot);
}
} // namespace Framework
