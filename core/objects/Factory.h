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
    // Deletes every live object; the id counter keeps counting.
    void DestroyAllObjects();
    // Deletes every tile object and clears the physics tile grid.
    void DestroyAllTiles();

    // ---- Level object files (LevelFiles.cpp) -----------------------------------
    // Appends "GameObjects" with every live object to the serializer's root.
    void SaveLevelObjects(XmlSerializer& serializer);
    // A new live object (not initialised) from the serializer's current element.
    Composition* CreateObjectFromXml(XmlSerializer& serializer);
    // Writes path.xml (root named after the level) and path.dat; false on failure.
    bool SaveLevel(const std::string& path);

    // ---- Archetype files (ArchetypeFiles.cpp) -------------------------------
    void SaveArchetypeFile(TextSerializer& serializer, uint32_t archetypeId);
    // A new archetype read from a file, or null when the file is missing or empty.
    Composition* LoadArchetypeFile(const std::string& path);
    void SaveArchetypeList(const std::string& path);
    void LoadArchetypeList(const std::string& path);
    void LoadArchetypes();
    void SaveArchetypes();

    uint32_t mNextObjectId = 0;                    // never reset: ids are not reused across levels
    uint32_t mNextArchetypeId = FirstArchetypeId;  // never reset
    std::map<std::string, ComponentCreator*> mCreators; // owned; exact, case-sensitive names
    std::map<int32_t, std::string> mComponentNames;     // type id -> creator name
    std::map<uint32_t, Composition*> mObjects;          // live objects by id, owned
    std::map<uint32_t, Composition*> mArchetypes;       // archetypes by id, owned
    TileGrid mTileGrid;
    std::list<std::pair<uint32_t, Composition*>> mTiles; // {cell index x + width * y, tile object}, owned
    std::set<Composition*> mDestroySet;                 // live or tile objects to delete at the next Update
    // What the archetype list held that this run could not read whole: kept as
    // it was so saving never drops an archetype or loses lines of its file.
    bool mArchetypeListUnreadable = false;               // the list exists but cannot be read (or is too long): never rewritten
    std::vector<std::string> mUnloadedArchetypeEntries;  // list entries whose file did not load, in list order
    std::map<uint32_t, std::string> mArchetypeFilesToKeep; // archetype id -> its list entry, for files with unknown records

private:
    // Gives a new object its live id and stores it.
    void AddLiveObject(Composition* object);
    void AddArchetypeObject(Composition* object);
    // Reads one archetype file; clean is false when any line was skipped or
    // the file ended before "END".
    Composition* ReadArchetypeFile(const std::string& path, bool& clean);
};

extern GameObjectFactory* gFactory;
} // namespace Framework
