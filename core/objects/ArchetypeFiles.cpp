// Archetypes on disk: the list "Resources\Archetype\Archetype.dat" names one
// text file per archetype (name, tag, component records, "END").
#include <cctype>
#include <memory>
#include <new>
#include <set>
#include "core/objects/ComponentCreator.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/objects/ObjectTag.h"
#include "core/serializers/ResourcePath.h"
#include "core/serializers/TextSerializer.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
const char* const kArchetypeList = "Resources\\Archetype\\Archetype.dat";
const char* const kArchetypeFolder = "Resources\\Archetype\\";
// The shipped list names 30 archetypes; a list far beyond that is damaged (a
// file repeated over and over), and reading it whole would stall start-up.
constexpr size_t kMaxArchetypeEntries = 4096;

// What a word read at the end of a list gives.
bool IsListEnd(const std::string& word) { return word.empty() || word == "\r" || word == "\n"; }

// The archetype's name as one word that is also a file name: blanks and path
// characters become '_'; an empty name becomes "Archetype".
std::string WordSafeName(const std::string& name)
{
    std::string word;
    for (char c : name)
    {
        const bool unsafe = std::isspace(static_cast<unsigned char>(c)) ||
                            std::iscntrl(static_cast<unsigned char>(c)) ||
                            std::string("\\/:*?\"<>|").find(c) != std::string::npos;
        word += unsafe ? '_' : c;
    }
    return word.empty() ? "Archetype" : word;
}

// "Resources\\Archetype\\Box.txt" gives "Box".
std::string WithoutFolderAndExtension(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = base.find_last_of('.');
    return dot == std::string::npos ? base : base.substr(0, dot);
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
} // namespace

void GameObjectFactory::SaveArchetypeFile(TextSerializer& serializer, uint32_t archetypeId)
{
    auto it = mArchetypes.find(archetypeId);
    if (it == mArchetypes.end())
        return;
    Composition* archetype = it->second;
    serializer.WriteString(WordSafeName(archetype->mName));
    serializer.WriteInt(static_cast<int>(archetype->mTag));
    for (Component* component : archetype->mComponents)
        component->SerializeText(serializer);
    serializer.WriteString("END");
}

Composition* GameObjectFactory::LoadArchetypeFile(const std::string& path)
{
    bool clean = true;
    return ReadArchetypeFile(path, clean);
}

Composition* GameObjectFactory::ReadArchetypeFile(const std::string& path, bool& clean)
{
    clean = false;
    TextSerializer serializer(path, TextSerializer::ReadOnly);
    if (!serializer.IsOpen())
    {
        Log("Archetype file \"" + path + "\" cannot be read; its list entry is kept.");
        return nullptr;
    }
    std::string name;
    serializer.ReadString(name);
    if (IsListEnd(name))
    {
        Log("Archetype file \"" + path + "\" is empty; its list entry is kept.");
        return nullptr;
    }
    // Owned here until it is stored: a component that fails to read must not leak it.
    auto archetype = std::make_unique<Composition>(name);
    long long tag = 0;
    serializer.Stream() >> tag;
    archetype->mTag = TagFromFile(tag, path);
    // IsGood turns false on a malformed value as well as at the end, so a broken
    // file ends the loop instead of spinning on it.
    bool ended = false, skipped = false;
    while (serializer.IsGood())
    {
        std::string word;
        serializer.ReadString(word);
        if (word == "END")
        {
            ended = true;
            break;
        }
        ComponentCreator* creator = GetCreator(word);
        if (!creator)
        {
            skipped = skipped || !word.empty();
            continue;
        }
        std::unique_ptr<Component> component(creator->Create());
        component->UnserializeText(serializer);
        archetype->AddComponent(static_cast<int32_t>(creator->mTypeId), component.release());
    }
    clean = ended && !skipped;
    if (!clean)
        Log("Archetype file \"" + path + "\" has lines this version does not read; the file will not be rewritten.");
    Composition* stored = archetype.release();
    AddArchetypeObject(stored);
    return stored;
}

void GameObjectFactory::SaveArchetypeList(const std::string& path)
{
    if (mArchetypeListUnreadable)
    {
        Log("Archetype list \"" + path + "\" could not be read; it is left as it was.");
        return;
    }
    TextSerializer list(path, TextSerializer::Write);
    if (!list.IsOpen())
        return;
    // Every archetype gets a file of its own, even when two share a name (or
    // differ only in case, which some file systems do not tell apart). Files
    // that are kept as they are hold their names first.
    std::set<std::string> taken;
    auto keep = [&](const std::string& entry)
    {
        taken.insert(Lower(WithoutFolderAndExtension(entry)));
        list.Stream() << entry << '\n';
    };
    for (const std::string& entry : mUnloadedArchetypeEntries)
        keep(entry);
    for (const auto& entry : mArchetypes)
        if (auto kept = mArchetypeFilesToKeep.find(entry.first); kept != mArchetypeFilesToKeep.end())
            keep(kept->second);
    for (const auto& entry : mArchetypes)
    {
        if (mArchetypeFilesToKeep.count(entry.first))
            continue;
        const std::string base = WordSafeName(entry.second->mName);
        std::string word = base;
        for (int n = 1; taken.count(Lower(word)); ++n)
            word = base + "_" + std::to_string(n);
        taken.insert(Lower(word));
        if (word != entry.second->mName)
        {
            Log("Archetype \"" + entry.second->mName + "\" is saved as \"" + word + "\".");
            entry.second->mName = word;
        }

        const std::string file = kArchetypeFolder + word + ".txt";
        list.Stream() << file << '\n';
        TextSerializer serializer(file, TextSerializer::Write);
        SaveArchetypeFile(serializer, entry.first);
        serializer.Close();
    }
    list.Close();
}

void GameObjectFactory::LoadArchetypeList(const std::string& path)
{
    TextSerializer list(path, TextSerializer::ReadOnly);
    if (!list.IsOpen())
    {
        mArchetypeListUnreadable = !list.IsMissing();
        if (mArchetypeListUnreadable)
            Log("Archetype list \"" + path + "\" cannot be read.");
        return;
    }
    std::set<std::string> listed; // the files read so far
    size_t entries = 0;
    while (list.IsGood())
    {
        std::string word;
        list.ReadString(word);
        if (IsListEnd(word))
            break;
        if (++entries > kMaxArchetypeEntries)
        {
            Log("Archetype list \"" + path + "\" holds more than " + std::to_string(kMaxArchetypeEntries) +
                " entries; the rest is not read and the list will not be rewritten.");
            mArchetypeListUnreadable = true;
            break;
        }
        // A second archetype from one file would be saved at exit under a new
        // name, in a new file, every time the list repeats the line.
        if (!listed.insert(Platform::NativePath(word)).second)
        {
            Log("Archetype list names \"" + word +
                "\" again: the repeat is skipped, and the list keeps the file once.");
            continue;
        }
        if (!IsInsideResources(word))
        {
            // Kept in the list as it stands, never opened.
            Log("Archetype list entry \"" + word + "\" leads outside Resources/; it is refused.");
            mUnloadedArchetypeEntries.push_back(word);
            continue;
        }
        Log("Loading from : " + word);
        bool clean = false;
        Composition* archetype = ReadArchetypeFile(word, clean);
        if (!archetype)
            mUnloadedArchetypeEntries.push_back(word);
        else
        {
            if (!clean)
                mArchetypeFilesToKeep[archetype->mId] = word;
            archetype->Initialize();
        }
    }
}

void GameObjectFactory::LoadArchetypes()
{
    Log("Loading Archetype .. ");
    try
    {
        LoadArchetypeList(kArchetypeList);
    }
    catch (const std::bad_alloc&)
    {
        // The list was read in part: written back at exit it would lose the rest.
        mArchetypeListUnreadable = true;
        Log("Loading of the archetypes ran out of memory; the list will not be rewritten.");
    }
    Log("End of Archetype Loading ..");
}

void GameObjectFactory::SaveArchetypes()
{
    Log("Saving Archetype .. ");
    SaveArchetypeList(kArchetypeList);
    Log("End of Archetype Saving ..");
}
} // namespace Framework
