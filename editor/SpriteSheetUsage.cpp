#include "editor/SpriteSheetUsage.h"
#include <tinyxml2.h>
#include <algorithm>
#include <filesystem>
#include "core/engine/DebugSystem.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/serializers/XmlSerializer.h"
#include "core/tiles/TileGrid.h"
#include "core/tiles/TileGridReader.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleComponent.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"
#include "editor/SheetsNamedInCode.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
std::string ObjectUser(const Composition* object, const std::string& key, const SpriteSheet* sheet)
{
    if (!object)
        return "";
    if (const Renderer* renderer = object->GetComponent<Renderer>())
        if (renderer->mSpriteSheetKey == key || (sheet && renderer->mSpriteSheet == sheet))
            return "the renderer of " + object->mName;
    if (const ParticleComponent* particles = object->GetComponent<ParticleComponent>())
        if (particles->SpriteName == key || (sheet && particles->mSheet == sheet))
            return "the particles of " + object->mName;
    return "";
}

// The elements of an object file that name a sheet: the Renderer's and the
// particle component's fields, as they write them.
bool NamesSheet(const tinyxml2::XMLElement& element, const std::string& key)
{
    const char* name = element.Name();
    const char* value = element.Attribute("Value");
    if (value && key == value && name && (std::string(name) == "SpriteSheetKey" || std::string(name) == "SpriteName"))
        return true;
    for (const tinyxml2::XMLElement* child = element.FirstChildElement(); child; child = child->NextSiblingElement())
        if (NamesSheet(*child, key))
            return true;
    return false;
}

// The objects the level loader would read from the file (GameObjects), read
// by the same reader.
bool ObjectFileNamesSheet(const std::string& path, const std::string& text, const std::string& key)
{
    XmlSerializer xml;
    std::string problem;
    if (GameObjectFactory::OpenLevelObjects(xml, path, problem))
        return NamesSheet(*xml.Current(), key);
    if (xml.GetRoot())
        return false; // parsed, but holds no objects the loader would read
    // Unreadable now, perhaps mended by hand later: keep its sheets.
    Log("Level file \"" + path + "\" could not be parsed; looking for sprite sheet \"" + key + "\" in its text.");
    return text.find("\"" + key + "\"") != std::string::npos;
}

// The tileset in the tile file's header, read as the tile grid reads it.
bool TileFileNamesSheet(const std::string& text, const std::string& key)
{
    TileGridReader in(text);
    std::string tileset;
    uint32_t width = 0, height = 0;
    TileGrid::ReadHeader(in, tileset, width, height);
    return tileset == key;
}
} // namespace

std::string SpriteSheetUser(const std::string& key)
{
    const SpriteSheet* sheet = GraphicsSystem::GetSpriteSheet(key);
    if (gFactory)
    {
        for (const auto* map : {&gFactory->mObjects, &gFactory->mArchetypes})
            for (const auto& [id, object] : *map)
            {
                const std::string user = ObjectUser(object, key, sheet);
                if (!user.empty())
                    return user;
            }
        for (const auto& [cell, tile] : gFactory->mTiles)
        {
            const std::string user = ObjectUser(tile, key, sheet);
            if (!user.empty())
                return user;
        }
        if (gFactory->mTileGrid.GetTilesetName() == key)
            return "the tile map";
    }
    if (gRenderingManager)
        for (const auto& [name, animation] : gRenderingManager->mAnimations)
            if (animation.mSpriteSheetKey == key)
                return "the animation " + name;
    if (gGraphicsSystem)
    {
        const auto& tileSets = gGraphicsSystem->mTileTextureNames;
        if (gGraphicsSystem->mTilesetName == key || std::find(tileSets.begin(), tileSets.end(), key) != tileSets.end())
            return "the tile set";
    }
    if (IsSheetNamedInCode(key))
        return "the program itself";
    return "";
}

std::vector<std::string> LevelFilesNamingSheet(const std::string& key, const std::string& folder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    if (key.empty())
        return names;
    std::error_code error;
    fs::directory_iterator entries(Platform::NativePath(folder), error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error))
    {
        const fs::path& path = entries->path();
        const std::string extension = path.extension().string();
        if (extension != ".xml" && extension != ".dat")
            continue;
        std::string text;
        // Most files never mention the key: no parse for them.
        if (!Platform::ReadWholeFile(path.string(), text) || text.find(key) == std::string::npos)
            continue;
        const bool named =
            extension == ".xml" ? ObjectFileNamesSheet(path.string(), text, key) : TileFileNamesSheet(text, key);
        if (named)
            names.push_back(path.filename().string());
    }
    if (error)
        Log("Level folder \"" + folder + "\" could not be read: " + error.message() + ".");
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace Framework
