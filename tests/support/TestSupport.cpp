#include "support/TestSupport.h"
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace TestSupport
{
TempFolder::TempFolder()
{
    std::string pattern = (fs::temp_directory_path() / "tandrel-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    mPath = made ? made : pattern;
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    fs::remove_all(mPath, ec);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text)
{
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

std::string StripStamp(const std::string& line)
{
    const size_t at = line.find("] : ");
    return at == std::string::npos ? line : line.substr(at + 4);
}

size_t CountOf(const std::string& text, const std::string& what)
{
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

void CopyResources(const std::string& folder)
{
    fs::copy(fs::path(TANDREL_SOURCE_DIR) / "Resources", fs::path(folder) / "Resources",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

WorkingDirectory::WorkingDirectory(const std::string& folder) : mPrevious(fs::current_path().string())
{
    fs::current_path(folder);
}

WorkingDirectory::~WorkingDirectory()
{
    std::error_code ec;
    fs::current_path(mPrevious, ec);
}
} // namespace TestSupport
