#include "graphics/ArtList.h"
#include "core/engine/DebugSystem.h"
#include "core/serializers/ResourcePath.h"
#include "core/serializers/TextSerializer.h"
#include <set>
#include "platform/Platform.h"

namespace Framework
{
const char* const gArtFolder = "Resources/Art/";

namespace
{
// The shipped list holds 71 sheets; a list far beyond that is damaged (a
// file repeated over and over), and reading it whole would stall start-up.
constexpr size_t MaxEntries = 4096;

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

// A sheet file is a ".txt" beside its image; any other file (the image
// itself) would be read as a table and written over.
bool IsSheetFileName(const std::string& path)
{
    return path.size() > 4 && path.compare(path.size() - 4, 4, ".txt") == 0;
}

bool SameFile(const std::string& a, const std::string& b) { return Platform::NativePath(a) == Platform::NativePath(b); }

// The name a sheet file gives itself (its third line), without reading the image.
std::string NameInSheetFile(const std::string& textPath, const std::string& listName)
{
    TextSerializer file(textPath, TextSerializer::ReadOnly);
    int rows = 0, cols = 0;
    std::string name;
    file.ReadInt(rows);
    file.ReadInt(cols);
    file.ReadString(name);
    return IsSingleWord(name) ? name : listName;
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
    // Sheet file -> the key of the sheet read from it.
    std::map<std::string, std::string> keyOfFile;
    size_t entries = 0;
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
        if (++entries > MaxEntries)
        {
            Log("Art list \"" + artListPath + "\" holds more than " + std::to_string(MaxEntries) +
                " entries; the rest is not read and the list will not be rewritten");
            return false;
        }

        // Never opened: the entry is kept as it stands, without image.
        const bool outside = !IsInsideResources(textPath);

        // A repeat is not loaded again (its image would be decoded twice and
        // the first texture lost); its lines go back into the list as they stood.
        std::string key;
        if (auto first = keyOfFile.find(Platform::NativePath(textPath)); first != keyOfFile.end())
        {
            key = first->second;
            Log("Art list entry \"" + name + "\" repeats the sheet file \"" + textPath + "\"; kept, not loaded again");
        }
        else
        {
            key = IsSheetFileName(textPath) && !outside ? NameInSheetFile(textPath, name) : name;
            if (table.count(key))
                Log("Sprite sheet \"" + key + "\" of \"" + textPath +
                    "\" repeats an earlier sheet's name; kept in the list, not loaded");
        }
        if (table.count(key))
        {
            table[key].mRepeatEntries.emplace_back(name, textPath);
            continue;
        }

        SpriteSheet sheet;
        sheet.mSourcePath = textPath;
        sheet.mName = name; // unless the sheet file says otherwise
        if (outside)
            Log("Art list entry \"" + name + "\" names \"" + textPath +
                "\", which leads outside Resources/; it is refused");
        else if (!IsSheetFileName(textPath))
            Log("Art list entry \"" + name + "\" names \"" + textPath +
                "\", which is no sheet file; kept as it stands");
        else if (TextSerializer sheetFile(textPath, TextSerializer::ReadOnly); !sheetFile.IsOpen())
        {
            // The entry stays (without image) so the list keeps naming the file.
            Log("Sprite sheet file \"" + textPath + "\" cannot be read; entry \"" + name + "\" kept without image");
        }
        else
        {
            Log("Unserialize start for : " + textPath);
            sheet.Unserialize(sheetFile, WithoutExtension(textPath));
            if (!IsSingleWord(sheet.mName))
                sheet.mName = name;
            Log("Unserialize complete : " + textPath);
        }
        keyOfFile.emplace(Platform::NativePath(textPath), sheet.mName);
        table[sheet.mName] = sheet;
    }
    return true;
}

void WriteArtList(const std::string& artListPath, const SpriteSheetTable& table)
{
    TextSerializer list(artListPath, TextSerializer::Write);
    std::set<std::string> written; // sheet files, so no sheet writes over another's
    for (const auto& [key, sheet] : table)
    {
        // A sheet whose image never loaded has no frames to write: its entry
        // keeps the text file it came from, and that file is left as it is.
        const bool loaded = sheet.GetPath() != "NO PATH";
        std::string textPath = loaded ? SheetTextPath(sheet) : sheet.mSourcePath;
        bool writeText = loaded;
        // Read from a file other than the one its image names: that file is
        // another's (or no sheet file); the entry stays as it was listed.
        if (loaded && !sheet.mSourcePath.empty() && !SameFile(textPath, sheet.mSourcePath))
        {
            textPath = sheet.mSourcePath;
            writeText = false;
        }
        if (!IsSingleWord(key) || !IsSingleWord(sheet.mName) || !IsSingleWord(textPath))
        {
            Log("Sprite sheet \"" + key + "\" not written to the art list: its name or file is not a single word");
            continue;
        }
        if (writeText && !sheet.HoldsEveryFrame())
        {
            Log("Sprite sheet \"" + key + "\" holds fewer frames than its file names; the file is left as it was");
            writeText = false;
        }
        if (writeText && !written.insert(Platform::NativePath(textPath)).second)
        {
            Log("Sprite sheet \"" + key + "\" would be written over another sheet's file \"" + textPath +
                "\"; not written");
            writeText = false;
        }
        if (writeText)
            WriteSheetText(sheet, textPath);
        list.WriteString(sheet.mName);
        list.WriteString(textPath);
        for (const auto& [repeatName, repeatPath] : sheet.mRepeatEntries)
        {
            list.WriteString(repeatName);
            list.WriteString(repeatPath);
        }
    }
    list.Close();
}
} // namespace Framework
