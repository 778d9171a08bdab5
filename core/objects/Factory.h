// Makes, finds, clones and destroys game objects, archetypes and tiles; reads
// and writes the level object files and the archetype files.
#pragma once
#include <cstdint>
#include <list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>
#include "core/objects/Composition.h"
#include "core/engine/System.h"
#include "core/tiles/TileGrid.h"

namespace Framework
{
class ComponentCreator;
class TextSerializer;
class XmlSerializer;

class GameObjectFactory : public System
{
public:
    static constexpr uint32_t FirstArchetypeId = 100;

    // Set by physics, which sits above the factory: told before a queued object
    // is deleted (the pick must not outlive it) and after every tile is.
    using DeletingObject = void (*)(Composition* object);
    using TilesDeleted = void (*)();
    static DeletingObject sDeletingObject;
    static TilesDeleted sTilesDeleted;
    // Told before DestroyAllObjects deletes every live object: physics takes
    // their bodies out of its lists in one pass instead of one by one.
    using DeletingAllObjects = void (*)(GameObjectFactory& factory);
    static DeletingAllObjects sDeletingAllObjects;

    GameObjectFactory();
    ~GameObjectFactory() override;
    // Deletes the objects of the destroy set.
    void Update(float dt) override;
    std::string GetName() override { return "GameObject Factory"; }
    void SendMessage(Message*) override {}

    // ---- Creators and components ------------------------------------------
    // Takes ownership; a second creator under the same name replaces the first.
    void AddComponentCreator(const std::string& name, ComponentCreator* creator);
    ComponentCreator* GetCreator(const std::string& name) const;
    // The name registered for a type id, or "".
    std::string GetComponentName(int32_t typeId) const;
    // A new component made by the named creator, added to object; null when no
    // creator has that name.
    Component* AddComponent(Composition* object, const std::string& name);

    // ---- Objects ----------------------------------------------------------------
    // A new initialised object with a default Transform: an archetype for
    // ObjectKind::Archetype, a live object otherwise.
    Composition* CreateObject(const std::string& name, ObjectKind kind);
    // A live, initialised copy of an archetype.
    Composition* Instantiate(Composition*& archetype);
    // Stores an initialised copy as a new archetype; false when the name is taken.
    bool AddArchetype(const Composition& object);
    // The live object of that name with the smallest id, or null.
    Composition* FindObject(const std::string& name) const;
    std::vector<Composition*> FindObjects(const std::string& name) const;

    // ---- Lookups scripts repeat every frame (FactoryLookups.cpp) ------------
    // Each answer, a miss included, is kept until the live objects change, so
    // a script asking every frame walks the objects once per change, not once
    // per frame. FindObject and FindObjects answer from the same memo.
    // Every live object of that name, in id order; valid until the objects change.
    const std::vector<Composition*>& ObjectsNamed(const std::string& name) const;
    // The live object with that tag and the highest id (the last of a walk in
    // id order), or null; FirstObjectTagged: the lowest id.
    Composition* LastObjectTagged(uint32_t tag) const;
    Composition* FirstObjectTagged(uint32_t tag) const;
    // Called whenever a live object is added or deleted, or one is renamed or
    // retagged: every kept answer is looked up again on its next use.
    void ObjectsChanged() { ++mObjectsGeneration; }
    // Deletes every live object; the id counter keeps counting.
    void DestroyAllObjects();
    // Deletes every tile object and clears the physics tile grid.
    void DestroyAllTiles();

    // ---- Level object files (LevelFiles.cpp) -----------------------------------
    // Appends "GameObjects" with every live object to the serializer's root.
    void SaveLevelObjects(XmlSerializer& serializer);
    // A new live object (not initialised) from the serializer's current element.
    Composition* CreateObjectFromXml(XmlSerializer& serializer);
    // Opens a level's object file as the level loader reads it: parsed, with
    // a root whose first element ("GameObjects") holds the objects; the
    // serializer is left on that element. False, with what is wrong in
    // problem (as a log line's end), when the level would have no objects.
    // The editor checks a level with it before loading one.
    static bool OpenLevelObjects(XmlSerializer& xml, const std::string& file, std::string& problem);
    // Writes path.xml (root named after the level) and path.dat as a pair: both
    // new or, on any failure, both old; false on failure.
    bool SaveLevel(const std::string& path);
    // Before path is read: a save stopped between its two renames (new tiles
    // beside old objects) is finished from the objects' whole temporary; any
    // other temporary of the objects is removed.
    static void FinishInterruptedSave(const std::string& path);

    // ---- Archetype files (ArchetypeFiles.cpp) -------------------------------
    void SaveArchetypeFile(TextSerializer& serializer, uint32_t archetypeId);
    // A new archetype read from a file, or null when the file is missing or empty.
    Composition* LoadArchetypeFile(const std::string& path);
    void SaveArchetypeList(const std::string& path);
    void LoadArchetypeList(const std::string& path);
    void LoadArchetypes();
    void SaveArchetypes();

    uint32_t mNextObjectId = 0;                         // never reset: ids are not reused across levels
    uint32_t mNextArchetypeId = FirstArchetypeId;       // never reset
    std::map<std::string, ComponentCreator*> mCreators; // owned; exact, case-sensitive names
    std::map<int32_t, std::string> mComponentNames;     // type id -> creator name
    std::map<uint32_t, Composition*> mObjects;          // live objects by id, owned
    std::map<uint32_t, Composition*> mArchetypes;       // archetypes by id, owned
    TileGrid mTileGrid;
    std::list<std::pair<uint32_t, Composition*>> mTiles; // {cell index x + width * y, tile object}, owned
    std::set<Composition*> mDestroySet;                  // live or tile objects to delete at the next Update
    // What the archetype list held that this run could not read whole: kept as
    // it was so saving never drops an archetype or loses lines of its file.
    bool mArchetypeListUnreadable = false; // the list exists but cannot be read (or is too long): never rewritten
    std::vector<std::string> mUnloadedArchetypeEntries; // list entries whose file did not load, in list order
    std::map<uint32_t, std::string>
        mArchetypeFilesToKeep; // archetype id -> its list entry, for files with unknown records

private:
    // Kept answers, each with the state of the objects it was found in (the
    // object count catches code that edits mObjects directly). Their room is
    // made once, at construction: a first lookup in a frame allocates nothing.
    struct NamedMemo
    {
        std::string mName;                   // up to 15 characters live inside the string
        size_t mHash = 0;                    // of mName
        uint64_t mGeneration = ~uint64_t(0); // ~0: free
        size_t mObjectCount = 0;
        std::vector<Composition*> mFound; // in id order
    };
    struct TaggedMemo
    {
        uint64_t mGeneration = ~uint64_t(0);
        size_t mObjectCount = 0;
        Composition* mFirst = nullptr;
        Composition* mLast = nullptr;
    };
    static constexpr size_t NamedMemoCount = 64; // more names than any level asks for; then the oldest is reused
    bool IsCurrent(uint64_t generation, size_t objectCount) const
    {
        return generation == mObjectsGeneration && objectCount == mObjects.size();
    }
    const TaggedMemo& Tagged(uint32_t tag) const;

    uint64_t mObjectsGeneration = 0;             // advanced by ObjectsChanged
    mutable std::vector<NamedMemo> mNamedMemo;   // NamedMemoCount entries
    mutable size_t mNextNamedMemo = 0;           // the entry a new name takes when all are used
    mutable std::vector<TaggedMemo> mTaggedMemo; // one per ObjectTag; other tags are walked for

    // Gives a new object its live id and stores it.
    void AddLiveObject(Composition* object);
    void AddArchetypeObject(Composition* object);
    // Reads one archetype file; clean is false when any line was skipped or
    // the file ended before "END".
    Composition* ReadArchetypeFile(const std::string& path, bool& clean);
};

extern GameObjectFactory* gFactory;
} // namespace Framework
