// Paths, the Documents folder, folder creation, INI integers and safe writes.
#include "platform/Platform.h"
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace Framework
{
namespace Platform
{
namespace
{
std::string HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return ".";
}

std::string Trim(const std::string& s)
{
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

bool EqualNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// XDG_DOCUMENTS_DIR from the environment or from user-dirs.dirs ("$HOME/..." allowed).
std::string XdgDocuments(const std::string& home)
{
    if (const char* env = std::getenv("XDG_DOCUMENTS_DIR"); env && *env)
        return env;
    std::string config = home + "/.config";
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        config = xdg;
    std::ifstream dirs(config + "/user-dirs.dirs");
    std::string line;
    while (std::getline(dirs, line))
    {
        line = Trim(line);
        const std::string key = "XDG_DOCUMENTS_DIR=";
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::string value = line.substr(key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.compare(0, 5, "$HOME") == 0)
            value = home + value.substr(5);
        // A documents dir equal to $HOME means "not configured".
        if (!value.empty() && value != home && value != home + "/")
            return value;
    }
    return "";
}

// Finds each missing component of a path case-insensitively (content made on
// case-insensitive file systems may differ in case from the names in data).
// Only the error-code forms of the file system calls: a name too long for the
// file system (from any data file) must give "not found", never an exception.
std::string ResolveCase(const std::string& path)
{
    std::error_code ec;
    if (path.empty() || fs::exists(path, ec))
        return path;
    fs::path p(path);
    fs::path resolved = p.is_absolute() ? fs::path("/") : fs::path();
    for (const auto& part : p.relative_path())
    {
        fs::path candidate = resolved / part;
        if (!fs::exists(candidate, ec))
        {
            const fs::path dir = resolved.empty() ? fs::path(".") : resolved;
            bool found = false;
            for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
            {
                const fs::directory_entry& entry = *it;
                if (EqualNoCase(entry.path().filename().string(), part.string()))
                {
                    candidate = resolved / entry.path().filename();
                    found = true;
                    break;
                }
            }
            if (!found)
                return path;
        }
        resolved = candidate;
    }
    return resolved.string();
}
} // namespace

std::string NativePath(const std::string& storedPath)
{
    std::string path = storedPath;
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return ResolveCase(path);
}

std::string DocumentsFolder()
{
    const std::string home = HomeFolder();
    std::string documents = XdgDocuments(home);
    if (documents.empty())
        documents = home + "/Documents";
    while (documents.size() > 1 && documents.back() == '/')
        documents.pop_back();
    CreateFolder(documents);
    return documents;
}

bool CreateFolder(const std::string& path)
{
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue, const std::string& path)
{
    std::ifstream file(NativePath(path));
    if (!file)
        return defaultValue;
    std::string line;
    bool inSection = false;
    while (std::getline(file, line))
    {
        line = Trim(line); // also drops a CR of CRLF files
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[')
        {
            const size_t close = line.find(']');
            inSection = close != std::string::npos && EqualNoCase(Trim(line.substr(1, close - 1)), section);
            continue;
        }
        if (!inSection)
            continue;
        const size_t eq = line.find('=');
        if (eq == std::string::npos || !EqualNoCase(Trim(line.substr(0, eq)), key))
            continue;
        // Leading integer prefix: "55zz" is 55, "0x1F" is 31, no digits is 0.
        const std::string value = Trim(line.substr(eq + 1));
        const char* s = value.c_str();
        bool negative = false;
        if (*s == '-' || *s == '+')
            negative = *s++ == '-';
        // Numbers past an int's range stop at its ends instead of wrapping
        // (99999999999 must not read as some other, plausible size).
        long long result = 0;
        const long long limit = negative ? 2147483648ll : 2147483647ll;
        if (s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        {
            s += 2;
            while (std::isxdigit(static_cast<unsigned char>(*s)) && result <= limit)
            {
                const int digit = std::isdigit(static_cast<unsigned char>(*s)) ? *s - '0'
                                                                                : std::tolower(static_cast<unsigned char>(*s)) - 'a' + 10;
                result = result * 16 + digit;
                ++s;
            }
        }
        else
            while (std::isdigit(static_cast<unsigned char>(*s)) && result <= limit)
                result = result * 10 + (*s++ - '0');
        if (result > limit)
            result = limit;
        return static_cast<int>(negative ? -result : result);
    }
    return defaultValue;
}

bool WriteFileAtomically(const std::string& path, const std::string& text)
{
    const std::string target = NativePath(path);
    const std::string temporary = target + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out << text;
        out.flush();
        if (!out)
        {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec)
    {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
} // namespace Platform
} // namespace Framework
