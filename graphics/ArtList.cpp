#include "graphics/ArtList.h"
#include <fstream>
#include <sstream>
#include "core/DebugSystem.h"
#include "platform/Platform.h"

namespace Framework
{
const char* const gArtFolder = "Resources/Art/";

namespace
{
void Log(const std::string& message)
{
    if (gDebug)
        gDebug->Log(message);
}

bool IsListEnd(const std::string& word) { return word.empty() || word == "\n" || word == "\r"; }

// A word the readers would split or skip cannot be written back.
bool IsSingleWord(const std::string& text)
{
    return !text.empty() && text.find_first_of(" \t\r\n\v\f") == std::string::npos;
}

// Opens path for reading; a missing file is created empty first, as the readers expect.
std::ifstream OpenForReading(const std::string& path)
{
    const std::string native = Platform::NativePath(path);
    std::ifstream in(native, std::ios::binary);
    if (!in.is_open())
    {
        std::ofstream create(native, std::ios::binary | std::ios::trunc);
        create.close();
        in.open(native, std::ios::binary);
    }
    return in;
}

// Everything after the last '/' (or '\'), then up to the last '.'.
std::string BaseName(const std::string& path)
{
    const size_t slash = path.find_last_of("/\\");
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = base.find_last_of('.');
    return dot == std::string::npos ? base : base.substr(0, dot);
}

std::string WithoutExtension(const std::string& path)
{
    const size_t dot = path.find_last_of('.');
    return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string SheetText(const SpriteSheet& sheet)
{
    std::ostringstream text;
    text << sheet.mRows << '\n' << sheet.mCols << '\n' << sheet.mName << '\n';
    for (const Sprite& frame : sheet.mFrames)
        text << frame.mName << '\n';
    return text.str();
}
} // namespace

std::string SheetTextPath(const SpriteSheet& sheet) { return gArtFolder + BaseName(sheet.GetPath()) + ".txt"; }

void ReadArtList(const std::string& artListPath, SpriteSheetTable& table)
{
    std::ifstream list = OpenForReading(artListPath);
    while (list.good() && !list.eof())
    {
        std::string name, textPath;
        list >> name;
        if (IsListEnd(name))
            break;
        list >> textPath;

        std::ifstream sheetFile = OpenForReading(textPath);
        Log("Unserialize start for : " + textPath);
        SpriteSheet sheet;
        sheet.mSourcePath = textPath;
        sheet.Unserialize(sheetFile, WithoutExtension(textPath));
        table[sheet.mName] = sheet;
        Log("Unserialize complete : " + textPath);
    }
}

void WriteArtList(const std::string& artListPath, const SpriteSheetTable& table)
{
    std::ostringstream list;
    for (const auto& [key, sheet] : table)
    {
        // A sheet whose image never loaded has no frames to write: its entry
        // keeps the text file it came from, and that file is left as it is.
        const bool loaded = sheet.GetPath() != "NO PATH";
        const std::string textPath = loaded ? SheetTextPath(sheet) : sheet.mSourcePath;
        if (!IsSingleWord(key) || !IsSingleWord(sheet.mName) || !IsSingleWord(textPath))
        {
            Log("Sprite sheet \"" + key + "\" not written to the art list: its name or file is not a single word");
            continue;
        }
        if (loaded && !Platform::WriteFileAtomically(textPath, SheetText(sheet)))
            Log("Could not write " + textPath);
        list << sheet.mName << '\n' << textPath << '\n';
    }
    if (!Platform::WriteFileAtomically(artListPath, list.str()))
        Log("Could not write " + artListPath);
}
} // namespace Framework
