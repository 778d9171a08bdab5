// A handle to a live game object that knows when the object is gone: a slot
// in the handle table and the slot's generation. Kept by anything that holds
// on to an object across frames (a script's target, the editor's pick, the
// hovered body), since a level flush or an editor delete may free the object
// in between; a raw pointer would then reach freed memory, or whatever object
// was later allocated there.
#pragma once
#include <cstdint>

namespace Framework
{
class Composition;

class ObjectHandle
{
public:
    ObjectHandle() = default;
    // The handle of a live object; null for null and for an object the
    // factory does not hold as live (an archetype, a tile, one not yet added).
    static ObjectHandle Of(const Composition* object);

    // Points the handle at object (see Of), or clears it for null.
    void Set(const Composition* object) { *this = Of(object); }
    void Clear() { *this = ObjectHandle(); }
    // The object, or null when none was set or it has been deleted since.
    Composition* Get() const;
    // True when Get would return null: nothing set, or the object is gone.
    bool Empty() const { return Get() == nullptr; }

    bool operator==(const ObjectHandle& other) const
    {
        return mSlot == other.mSlot && mGeneration == other.mGeneration;
    }
    bool operator!=(const ObjectHandle& other) const { return !(*this == other); }

    // Whether object is a live object of the factory (its handle still names
    // it): false for null, archetypes, tiles and objects not yet added. The
    // object must still be allocated; keep a handle where it may not be.
    static bool IsLive(const Composition* object) { return object && Of(object).Get() == object; }

    // The factory's side: a slot for a new live object, and its release when
    // the object is deleted (which advances the slot's generation).
    static ObjectHandle Acquire(Composition* object);
    static void Release(ObjectHandle handle);

private:
    uint32_t mSlot = 0;
    uint32_t mGeneration = 0; // 0 never names anything: a default handle is null
};
} // namespace Framework
