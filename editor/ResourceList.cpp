#include "editor/ResourceList.h"
#include <algorithm>
#include <filesystem>
#include "core/engine/DebugSystem.h"

namespace Framework
{
namespace fs = std::filesystem;

ResourceList::ResourceList(std::string root) : mRoot(std::move(root))
{
    for (const char* folder : {"Archetype", "Art", "Audio", "LevelData"})
        mFolders[folder];
    Refresh();
}

const std::vector<std::string>& ResourceList::Entries(const std::string& folder) const
{
    static const std::vector<std::string> none;
    const auto found = mFolders.find(folder);
    return found == mFolders.end() ? none : found->second;
}

void ResourceList::Refresh()
{
    for (auto& entry : mFolders)
        entry.second.clear();

    // The error-code forms throughout: a folder that vanished or cannot be read
    // must not take the editor down.
    std::error_code error;
    const fs::path root(mRoot);
    fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error);
    const fs::recursive_directory_iterator end;
    while (!error && it != end)
    {
        const fs::path relative = it->path().lexically_relative(root);
        auto part = relative.begin();
        if (part != relative.end())
        {
            const auto folder = mFolders.find(part->string());
            // The folder itself is not one of its own entries.
            if (folder != mFolders.end() && std::next(part) != relative.end())
                folder->second.push_back(it->path().filename().string());
        }
        it.increment(error);
    }
    if (error)
        Log("Resource folder \"" + mRoot + "\" could not be listed: " + error.message());
    for (auto& entry : mFolders)
        std::sort(entry.second.begin(), entry.second.end());
}
} // namespace Framework
