#include "WorkFolder.h"
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace Bench
{
std::string MakeWorkFolder(const std::string& prefix)
{
    std::string pattern = "/tmp/" + prefix + "-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data()))
    {
        std::perror("mkdtemp");
        return "";
    }
    const std::string folder = name.data();
    fs::copy(fs::path(TANDREL_SOURCE_DIR) / "Resources", fs::path(folder) / "Resources",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::create_directories(fs::path(folder) / "home");
    setenv("HOME", (folder + "/home").c_str(), 1);
    unsetenv("XDG_DOCUMENTS_DIR");
    setenv("XDG_CONFIG_HOME", (folder + "/home/.config").c_str(), 1);
    if (!getenv("SDL_AUDIODRIVER"))
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    fs::current_path(folder);
    return folder;
}
} // namespace Bench
