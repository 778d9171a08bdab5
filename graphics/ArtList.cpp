#include "graphics/ArtList.h"
#include "core/engine/DebugSystem.h"
#include "core/serializers/TextSerializer.h"

namespace Framework
{
const char* const gArtFolder = "Resources/Art/";

namespace
{
bool IsListEnd(const std::string& word) { return word.empty() || word == "\n" || word == "\r"; }

// A word the readers would split or skip cannot be written back.
bool IsSingleWord(const std::string& text)
{
    return !text.empty() && text.find_first_of(" \t\r\n\v\f") == std::string::npos;
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

bool WriteSheetText(const SpriteSheet& sheet, const std::string& path)
{
    TextSerializer file(path, TextSerializer::Write);
    file.WriteInt(sheet.mRows);
    file.WriteInt(sheet.mCols);
    file.WriteString(sheet.mName);
    for (const Sprite& frame : sheet.mFrames)
        file.WriteString(frame.mName);
    return file.Close();
}
} // namespace

std::string SheetTextPath(const SpriteSheet& sheet) { return gArtFolder + BaseName(sheet.GetPath()) + ".txt"; }

bool ReadArtList(const std::string& artListPath, SpriteSheetTable& table)
{
    TextSerializer list(artListPath, TextSerializer::ReadOnly);
    if (!list.IsOpen())
    {
        // A missing list is a fresh start; one that cannot be read must survive.
        if (!list.IsMissing())
            Log("Art list \"" + artListPath + "\" cannot be read; it will not be rewritten");
        return list.IsMissing();
    }
    while (list.IsGood())
    {
        std::string name, textPath;
        list.ReadString(name);
        if (IsListEnd(name))
            break;
        list.ReadString(textPath);
        if (textPath.empty())
        {
            Log("Art list \"" + artListPath + "\" ends inside the entry \"" + name + "\"; it will not be rewritten");
            return false;
        }

        TextSerializer sheetFile(textPath, TextSerializer::ReadOnly);
        SpriteSheet sheet;
        sheet.mSourcePath = textPath;
        if (!sheetFile.IsOpen())
        {
            // The entry stays (without image) so the list keeps naming the file.
            Log("Sprite sheet file \"" + textPath + "\" cannot be read; entry \"" + name + "\" kept without image");
            sheet.mName = name;
        }
        else
        {
            Log("Unserialize start for : " + textPath);
            sheet.Unserialize(sheetFile, WithoutExtension(textPath));
            if (!IsSingleWord(sheet.mName))
                sheet.mName = name;
            Log("Unserialize complete : " + textPath);
        }
        if (table.count(sheet.mName))
            Log("Sprite sheet \"" + sheet.mName + "\" is listed twice; the later entry is used");
        table[sheet.mName] = sheet;
    }
    return true;
}

void WriteArtList(const std::string& artListPath, const SpriteSheetTable& table)
{
    TextSerializer list(artListPath, TextSerializer::Write);
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
        if (loaded)
            WriteSheetText(sheet, textPath);
        list.WriteString(sheet.mName);
        list.WriteString(textPath);
    }
    list.Close();
}
} // namespace Framework
