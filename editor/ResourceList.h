// The names of the entries in the resource folders the editor's dialogs list
// ("Archetype", "Art", "Audio", "LevelData" under "Resources/"). An entry at
// any depth is listed under the top folder that holds it, by its own name.
#pragma once
#include <map>
#include <string>
#include <vector>

namespace Framework
{
class ResourceList
{
public:
    // Makes the four folder entries and scans them.
    explicit ResourceList(std::string root = "Resources");

    // Empties every folder's names and scans again. A missing or unreadable
    // folder leaves what could be read (logged), never throws.
    void Refresh();
    // The folder the scan starts from.
    const std::string& GetRootPath() const { return mRoot; }
    // The names listed under one of the four folders (empty for any other key).
    const std::vector<std::string>& Entries(const std::string& folder) const;

    // folder -> entry names, sorted; the keys never change.
    std::map<std::string, std::vector<std::string>> mFolders;

private:
    std::string mRoot;
};
} // namespace Framework
