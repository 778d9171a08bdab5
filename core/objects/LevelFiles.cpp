// The level object file: an XML root named after the level holding
// "GameObjects", one element per live object in id order.
#include <cstdio>
#include <filesystem>
#include <memory>
#include "core/objects/ComponentCreator.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/objects/ObjectTag.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace Framework
{
namespace
{
// Objects whose name is no valid element name are stored under this one; the
// reader takes the name from "GameObjectName" anyway.
const char* const kFallbackElementName = "GameObject";

std::string LevelElementName(const std::string& name) { return XmlSerializer::ElementName(name, kFallbackElementName); }
} // namespace

void GameObjectFactory::SaveLevelObjects(XmlSerializer& serializer)
{
    serializer.PushElement("GameObjects");
    for (const auto& entry : mObjects)
    {
        Composition* object = entry.second;
        serializer.PushElement(LevelElementName(object->mName));
        serializer.PushElement("ObjectTag");
        serializer.SetAttribute("Value", object->mTag);
        serializer.PopElement();
        for (Component* component : object->mComponents)
            component->SerializeXml(serializer);
        serializer.SetAttribute("GameObjectName", object->mName);
        serializer.SetAttribute("ComponentCount", static_cast<int>(object->mComponents.size()));
        serializer.PopElement();
    }
    serializer.SetAttribute("GameObjectCount", static_cast<int>(mObjects.size()));
    serializer.PopElement();
}

Composition* GameObjectFactory::CreateObjectFromXml(XmlSerializer& serializer)
{
    if (!serializer.Current())
        return nullptr;
    // Owned here until it is stored: a component that fails to read must not leak it.
    auto object = std::make_unique<Composition>(serializer.ReadGameObjectName());
    serializer.EnterChild();
    // The first child is the tag; an object without children keeps tag 0.
    int tag = static_cast<int>(object->mTag);
    serializer.ReadIntAttribute("Value", tag);
    object->mTag = TagFromFile(tag, "the object \"" + object->mName + "\"");
    serializer.NextElement();
    while (serializer.Current())
    {
        if (ComponentCreator* creator = GetCreator(serializer.GetElementName()))
        {
            std::unique_ptr<Component> component(creator->Create());
            serializer.EnterChild();
            component->UnserializeXml(serializer);
            serializer.LeaveChild();
            object->AddComponent(static_cast<int32_t>(creator->mTypeId), component.release());
        }
        serializer.NextElement();
    }
    Composition* stored = object.release();
    AddLiveObject(stored);
    serializer.LeaveChild();
    return stored;
}

bool GameObjectFactory::SaveLevel(const std::string& path)
{
    // The root is named after the level: the path's last part.
    std::string name = path;
    const size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    XmlSerializer xml;
    xml.CreateRoot(name);
    SaveLevelObjects(xml);

    // The two files are one level: both are written whole under their
    // temporary names, and kept by the disk, before either replaces its old
    // version, so a failed save leaves the old pair as it was, never half old
    // and half new. Both temporaries exist from the start, and the tiles are
    // written after the objects' file is closed: that is how the next read
    // tells a save stopped between the two renames (FinishInterruptedSave).
    TextSerializer objects(path + ".xml", TextSerializer::Write);
    TextSerializer tiles(path + ".dat", TextSerializer::Write);
    objects.Stream() << xml.PrintedText();
    const bool objectsWhole = objects.FinishUnplaced();
    mTileGrid.Serialize(tiles);
    const bool tilesWhole = tiles.FinishUnplaced();
    if (!objectsWhole)
    {
        std::printf("Error: %d\n", static_cast<int>(tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED));
        std::fflush(stdout);
    }
    bool saved = objectsWhole && tilesWhole && objects.SyncUnplaced() && tiles.SyncUnplaced() && tiles.PutInPlace();
    if (saved && !objects.PutInPlace())
    {
        // Only the rename itself failed, after the tiles' rename succeeded.
        Log("Level \"" + path + "\": its tiles were saved but its objects were not; the .xml is the old one.");
        saved = false;
    }
    if (!saved)
        Log("Level \"" + path + "\" could not be saved; its old files are kept.");
    return saved;
}

bool GameObjectFactory::OpenLevelObjects(XmlSerializer& xml, const std::string& file, std::string& problem)
{
    if (!xml.LoadFile(file))
        problem = "could not be read; the level has no objects";
    else if (!xml.GetRoot())
        problem = "has no root element";
    else
    {
        xml.EnterChild(); // "GameObjects"
        if (!xml.Current())
            problem = "has no GameObjects element";
    }
    return problem.empty();
}

namespace
{
// What a save stopped between its two renames leaves: the new tiles in place
// (their temporary gone, and no older than the objects' temporary, which was
// closed before they were written), older objects or none, and the new
// objects whole under their temporary name.
bool StoppedBetweenRenames(const std::string& temporary, const std::string& objects, const std::string& tiles)
{
    std::error_code error;
    if (fs::exists(fs::symlink_status(Platform::TemporaryFor(tiles), error)))
        return false;
    const fs::file_time_type tilesTime = fs::last_write_time(tiles, error);
    if (error)
        return false;
    const fs::file_time_type temporaryTime = fs::last_write_time(temporary, error);
    if (error || tilesTime < temporaryTime)
        return false;
    const fs::file_time_type objectsTime = fs::last_write_time(objects, error);
    if (!error && objectsTime >= tilesTime)
        return false;
    tinyxml2::XMLDocument document;
    return LoadXmlDocument(document, temporary) == tinyxml2::XML_SUCCESS && document.FirstChildElement();
}
} // namespace

void GameObjectFactory::FinishInterruptedSave(const std::string& path)
{
    const std::string objectsFile = Platform::NativePath(path + ".xml");
    const Platform::WriteTarget objects = Platform::ResolveWriteTarget(objectsFile);
    const Platform::WriteTarget tiles = Platform::ResolveWriteTarget(Platform::NativePath(path + ".dat"));
    if (objects.mPath.empty() || tiles.mPath.empty())
    {
        // A pair the save leaves alone was not written by it either.
        Platform::RemoveLeftoverTemporary(objectsFile);
        return;
    }
    const std::string temporary = Platform::TemporaryFor(objects.mPath);
    std::error_code error;
    if (!fs::is_regular_file(fs::symlink_status(temporary, error)))
        return;
    if (StoppedBetweenRenames(temporary, objects.mPath, tiles.mPath) &&
        Platform::ReplaceWithTemporary(temporary, objects.mPath))
    {
        Log("Level \"" + path + "\": a save stopped before its objects were put in place is finished.");
        return;
    }
    std::remove(temporary.c_str());
    Log("Level \"" + path + "\": the objects file a stopped save left unfinished is removed; the level is as it was.");
}
} // namespace Framework
