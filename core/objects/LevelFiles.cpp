// The level object file: an XML root named after the level holding
// "GameObjects", one element per live object in id order.
#include <cstdio>
#include <memory>
#include "core/objects/ComponentCreator.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/objects/ObjectTag.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"

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
    // temporary names before either replaces its old version, so a failed save
    // leaves the old pair as it was, never half old and half new.
    TextSerializer objects(path + ".xml", TextSerializer::Write);
    TextSerializer tiles(path + ".dat", TextSerializer::Write);
    objects.Stream() << xml.PrintedText();
    mTileGrid.Serialize(tiles);
    const bool objectsWhole = objects.FinishUnplaced();
    const bool tilesWhole = tiles.FinishUnplaced();
    if (!objectsWhole)
    {
        std::printf("Error: %d\n", static_cast<int>(tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED));
        std::fflush(stdout);
    }
    bool saved = objectsWhole && tilesWhole && tiles.PutInPlace();
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
} // namespace Framework
