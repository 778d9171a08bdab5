// The factory's lookups by name and by tag, kept between changes of the live
// objects: the HUD and the level scripts ask for the same objects every frame.
#include <functional>
#include "core/objects/Factory.h"

namespace Framework
{
const std::vector<Composition*>& GameObjectFactory::ObjectsNamed(const std::string& name) const
{
    const size_t hash = std::hash<std::string>()(name);
    NamedMemo* memo = nullptr;
    for (NamedMemo& kept : mNamedMemo)
        if (kept.mGeneration != ~uint64_t(0) && kept.mHash == hash && kept.mName == name)
        {
            memo = &kept;
            break;
        }
    if (memo && IsCurrent(memo->mGeneration, memo->mObjectCount))
        return memo->mFound;
    if (!memo)
    {
        memo = &mNamedMemo[mNextNamedMemo];
        mNextNamedMemo = (mNextNamedMemo + 1) % mNamedMemo.size();
        memo->mName = name;
        memo->mHash = hash;
    }
    memo->mFound.clear();
    for (const auto& entry : mObjects)
        if (entry.second && entry.second->mName == name)
            memo->mFound.push_back(entry.second);
    memo->mGeneration = mObjectsGeneration;
    memo->mObjectCount = mObjects.size();
    return memo->mFound;
}

Composition* GameObjectFactory::FindObject(const std::string& name) const
{
    const std::vector<Composition*>& found = ObjectsNamed(name);
    return found.empty() ? nullptr : found.front();
}

std::vector<Composition*> GameObjectFactory::FindObjects(const std::string& name) const { return ObjectsNamed(name); }

const GameObjectFactory::TaggedMemo& GameObjectFactory::Tagged(uint32_t tag) const
{
    static TaggedMemo walked; // for a tag outside the table, found afresh each time
    TaggedMemo& memo = tag < mTaggedMemo.size() ? mTaggedMemo[tag] : walked;
    if (&memo != &walked && IsCurrent(memo.mGeneration, memo.mObjectCount))
        return memo;
    memo.mFirst = memo.mLast = nullptr;
    for (const auto& entry : mObjects)
        if (entry.second && entry.second->mTag == tag)
        {
            if (!memo.mFirst)
                memo.mFirst = entry.second;
            memo.mLast = entry.second;
        }
    memo.mGeneration = mObjectsGeneration;
    memo.mObjectCount = mObjects.size();
    return memo;
}

Composition* GameObjectFactory::LastObjectTagged(uint32_t tag) const { return Tagged(tag).mLast; }

Composition* GameObjectFactory::FirstObjectTagged(uint32_t tag) const { return Tagged(tag).mFirst; }
} // namespace Framework
