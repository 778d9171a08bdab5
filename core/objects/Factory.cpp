#include "core/objects/Factory.h"
#include "core/objects/ComponentCreator.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/ObjectTag.h"

namespace Framework
{
GameObjectFactory* gFactory = nullptr;
GameObjectFactory::DeletingObject GameObjectFactory::sDeletingObject = nullptr;
GameObjectFactory::TilesDeleted GameObjectFactory::sTilesDeleted = nullptr;
GameObjectFactory::DeletingAllObjects GameObjectFactory::sDeletingAllObjects = nullptr;

GameObjectFactory::GameObjectFactory()
{
    mNamedMemo.resize(NamedMemoCount);
    for (NamedMemo& memo : mNamedMemo)
        memo.mFound.reserve(8); // content names a handful of objects alike
    mTaggedMemo.resize(ObjectTag::Count);
    Log("Game Object Factory Constructed.");
    gFactory = this;
}

GameObjectFactory::~GameObjectFactory()
{
    Log("Game Object Factory Terminated.");
    DestroyAllObjects();
    for (auto& entry : mArchetypes)
        delete entry.second;
    mArchetypes.clear();
    for (auto& tile : mTiles)
        delete tile.second;
    mTiles.clear();
    mDestroySet.clear();
    for (auto& entry : mCreators)
        delete entry.second;
    mCreators.clear();
    if (gFactory == this)
        gFactory = nullptr;
}

void GameObjectFactory::Update(float)
{
    // Found by pointer, never by id or cell: another object may share the queued
    // one's id (an archetype) or cell (a second tile).
    for (Composition* queued : mDestroySet)
    {
        if (sDeletingObject)
            sDeletingObject(queued);
        bool deleted = false;
        for (auto it = mObjects.begin(); it != mObjects.end(); ++it)
            if (it->second == queued)
            {
                delete queued;
                mObjects.erase(it);
                ObjectsChanged();
                deleted = true;
                break;
            }
        if (deleted)
            continue;
        for (auto it = mTiles.begin(); it != mTiles.end(); ++it)
            if (it->second == queued)
            {
                delete queued;
                mTiles.erase(it);
                break;
            }
    }
    mDestroySet.clear();
}

void GameObjectFactory::AddComponentCreator(const std::string& name, ComponentCreator* creator)
{
    if (!creator)
        return;
    auto it = mCreators.find(name);
    if (it != mCreators.end() && it->second != creator)
        delete it->second;
    mCreators[name] = creator;
    mComponentNames[static_cast<int32_t>(creator->mTypeId)] = name;
}

ComponentCreator* GameObjectFactory::GetCreator(const std::string& name) const
{
    auto it = mCreators.find(name);
    return it == mCreators.end() ? nullptr : it->second;
}

std::string GameObjectFactory::GetComponentName(int32_t typeId) const
{
    auto it = mComponentNames.find(typeId);
    return it == mComponentNames.end() ? std::string() : it->second;
}

Component* GameObjectFactory::AddComponent(Composition* object, const std::string& name)
{
    ComponentCreator* creator = GetCreator(name);
    if (!creator || !object)
        return nullptr;
    Component* component = creator->Create();
    object->AddComponent(static_cast<int32_t>(creator->mTypeId), component);
    return component;
}

void GameObjectFactory::AddLiveObject(Composition* object)
{
    object->mId = mNextObjectId++;
    object->mKind = ObjectKind::GameObject;
    object->mHandle = ObjectHandle::Acquire(object);
    mObjects[object->mId] = object;
    ObjectsChanged();
}

void GameObjectFactory::AddArchetypeObject(Composition* object)
{
    object->mId = mNextArchetypeId++;
    object->mKind = ObjectKind::Archetype;
    mArchetypes[object->mId] = object;
}

Composition* GameObjectFactory::CreateObject(const std::string& name, ObjectKind kind)
{
    auto* object = new Composition(name);
    AddComponent(object, "Transform");
    if (kind == ObjectKind::Archetype)
        AddArchetypeObject(object);
    else
    {
        AddLiveObject(object);
        object->mKind = kind;
    }
    object->Initialize();
    return object;
}

Composition* GameObjectFactory::Instantiate(Composition*& archetype)
{
    if (!archetype)
        return nullptr;
    auto* object = new Composition(*archetype);
    AddLiveObject(object);
    object->Initialize();
    return object;
}

bool GameObjectFactory::AddArchetype(const Composition& object)
{
    for (const auto& entry : mArchetypes)
        if (entry.second->mName == object.mName)
            return false;
    auto* copy = new Composition(object);
    AddArchetypeObject(copy);
    copy->Initialize();
    return true;
}

void GameObjectFactory::DestroyAllObjects()
{
    // Told first, so the systems can let go of every object at once instead
    // of one by one as each is deleted.
    if (sDeletingAllObjects)
        sDeletingAllObjects(*this);
    for (auto& entry : mObjects)
    {
        mDestroySet.erase(entry.second);
        delete entry.second;
    }
    mObjects.clear();
    ObjectsChanged();
}

void GameObjectFactory::DestroyAllTiles()
{
    for (auto& tile : mTiles)
    {
        if (!tile.second)
            continue;
        mDestroySet.erase(tile.second);
        delete tile.second;
    }
    mTiles.clear();
    if (sTilesDeleted)
        sTilesDeleted();
}
} // namespace Framework
