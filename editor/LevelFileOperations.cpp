#include "editor/LevelFileOperations.h"
#include <filesystem>
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/serializers/TextSerializer.h"
#include "core/tiles/TileGrid.h"
#include "core/tiles/TileGridReader.h"
#include "core/serializers/XmlSerializer.h"
#include "core/game/Levels.h"
#include "editor/NameRules.h"
#include "physics/Physics.h"
#include "platform/Platform.h"
#include "game/GameFrame.h"

namespace Framework
{
namespace
{
const char* const kLevelExtension = ".xml";

bool IsRegularFile(const std::string& storedPath)
{
    std::error_code error;
    return std::filesystem::is_regular_file(Platform::NativePath(storedPath), error);
}

// The tile file's header, read by the tile grid's own reader: a tileset line,
// then a width and a height within the grid's bounds.
bool TileFileReadsBack(const std::string& path)
{
    TextSerializer tiles(path, TextSerializer::ReadOnly);
    if (!tiles.IsOpen())
        return false;
    TileGridReader in = TileGridReader::FromStream(tiles.Stream());
    std::string tileset;
    uint32_t width = 0, height = 0;
    return TileGrid::ReadHeader(in, tileset, width, height) && TileGrid::FitsBounds(width, height);
}

// The object file as the level loader opens it: a root holding "GameObjects".
bool ObjectFileReadsBack(const std::string& path)
{
    XmlSerializer xml;
    std::string problem;
    return GameObjectFactory::OpenLevelObjects(xml, path, problem);
}

std::string Refuse(const std::string& what, const std::string& name, const std::string& why)
{
    const std::string problem = what + " \"" + name + "\" refused: " + why + ".";
    Log(problem);
    return problem;
}
} // namespace

std::vector<std::string> LevelFileNames(const std::vector<std::string>& entries)
{
    std::vector<std::string> names;
    for (const std::string& entry : entries)
    {
        const size_t dot = entry.find_last_of('.');
        if (dot != std::string::npos && entry.compare(dot, std::string::npos, kLevelExtension) == 0)
            names.push_back(entry);
    }
    return names;
}

std::string LevelNameOfFile(const std::string& fileName)
{
    const size_t dot = fileName.find_last_of('.');
    std::string name = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    if (name.size() > kMaxDialogNameLength)
        name.resize(kMaxDialogNameLength);
    return name;
}

std::string SaveLevelNamed(const std::string& name)
{
    const std::string problem = LevelSaveNameProblem(name);
    if (!problem.empty())
        return Refuse("Level name", name, problem);
    if (!gFactory)
        return Refuse("Level", name, "there are no objects to save");
    // The factory names the root after the level, or a fixed name when the
    // level's name cannot be an XML element name (the loader never reads it).
    if (!gFactory->SaveLevel(LevelFolder + name))
        return Refuse("Level", name, "its files could not be written");
    Log("Level \"" + name + "\" saved.");
    return "";
}

std::string LoadLevelNamed(const std::string& name)
{
    const std::string problem = FileNameProblem(name);
    if (!problem.empty())
        return Refuse("Level name", name, problem);
    const std::string path = LevelFolder + name;
    // Everything is checked before the running level is destroyed: a level
    // that cannot be read must not cost the user the one they have.
    if (!IsRegularFile(path + ".dat") || !IsRegularFile(path + ".xml"))
        return Refuse("Level", name, "its .dat or .xml file is missing");
    if (!TileFileReadsBack(path + ".dat"))
        return Refuse("Level", name, "its .dat file cannot be read");
    if (!ObjectFileReadsBack(path + ".xml"))
        return Refuse("Level", name, "its .xml file cannot be read");
    if (!gFactory)
        return Refuse("Level", name, "there is no object factory");

    // A drag in the editor ends with the level it was dragging in.
    if (gPhysics)
        gPhysics->mDragging = false;
    GameFrame::EmptyLevel();
    GameFrame::LoadLevel(path);
    Log("Level \"" + name + "\" loaded.");
    return "";
}
} // namespace Framework
