#include "core/game/GameSettings.h"
#include <cstdio>
#include <filesystem>
#include <tinyxml2.h>
#include "core/engine/DebugSystem.h"
#include "core/serializers/XmlSerializer.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
void ReportError(int errorId)
{
    std::printf("Error: %d\n", errorId);
    std::fflush(stdout);
}
} // namespace

std::string SetAsideUnreadableSettings(const std::string& path)
{
    // The player's progress is in there: keep the file under a new name
    // instead of overwriting it with defaults at exit.
    const std::string native = Platform::NativePath(path);
    std::string aside = native + ".unreadable";
    std::error_code ec;
    for (int n = 1; std::filesystem::exists(aside, ec) && n < 1000; ++n)
        aside = native + ".unreadable" + std::to_string(n);
    std::filesystem::rename(native, aside, ec);
    if (ec)
    {
        Log("Game settings file " + native + " is unreadable and could not be moved aside: " + ec.message());
        return "";
    }
    Log("Game settings file " + native + " is unreadable; it was kept as " + aside);
    return aside;
}

bool ReadGameSettings(const std::string& path, uint32_t& count, std::map<std::string, bool>& levels)
{
    tinyxml2::XMLDocument document;
    const std::string native = Platform::NativePath(path);
    Platform::RemoveLeftoverTemporary(native);
    const tinyxml2::XMLError error = LoadXmlDocument(document, native);
    if (error != tinyxml2::XML_SUCCESS)
    {
        ReportError(error);
        // A pipe, a device or a link to nowhere is the user's doing: it stays
        // where it is, and the exit's write leaves it alone too.
        std::error_code ec;
        const bool special =
            Platform::KindOfFile(native) == Platform::FileKind::Other && !std::filesystem::is_directory(native, ec);
        if (special)
            Log("Game settings file " + native + " is not a regular file; it is left as it is.");
        else if (error != tinyxml2::XML_ERROR_FILE_NOT_FOUND)
            SetAsideUnreadableSettings(path);
        Log("Game settings could not be read from " + path + "; starting with the levels as they are.");
        return false;
    }
    if (const tinyxml2::XMLElement* unlocked = document.FirstChildElement("Unlocked"))
        unlocked->QueryUnsignedAttribute("Value", &count);
    for (int i = 1; i <= PlayLevelCount; ++i)
    {
        const std::string name = "Level" + std::to_string(i);
        const tinyxml2::XMLElement* level = document.FirstChildElement(name.c_str());
        if (!level)
            continue;
        int value = 0;
        level->QueryIntAttribute("Value", &value);
        levels[LevelPath(i)] = value != 0;
    }
    return true;
}

bool WriteGameSettings(const std::string& path, uint32_t count, std::map<std::string, bool>& levels)
{
    tinyxml2::XMLDocument document;
    document.InsertEndChild(document.NewElement("GameSettings"));
    tinyxml2::XMLElement* unlocked = document.NewElement("Unlocked");
    unlocked->SetAttribute("Value", count);
    document.InsertEndChild(unlocked);
    for (int i = 1; i <= PlayLevelCount; ++i)
    {
        tinyxml2::XMLElement* level = document.NewElement(("Level" + std::to_string(i)).c_str());
        level->SetAttribute("Value", levels[LevelPath(i)] ? 1 : 0); // adds a missing entry as false
        document.InsertEndChild(level);
    }
    tinyxml2::XMLPrinter printer;
    document.Print(&printer);
    std::string refusal;
    if (!Platform::WriteFileAtomically(Platform::NativePath(path), printer.CStr(), &refusal))
    {
        ReportError(tinyxml2::XML_ERROR_FILE_COULD_NOT_BE_OPENED);
        if (!refusal.empty())
            Log("Game settings file " + path + " is left as it is: " + refusal + ".");
        else
            Log("Game settings could not be written to " + path + "; the old file is kept.");
        return false;
    }
    return true;
}
} // namespace Framework
