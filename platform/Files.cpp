// Paths, the Documents folder, folder creation, INI integers and safe writes.
//
// Contents:
//   1. Helpers: HomeFolder, Trim, EqualNoCase, IsConfiguredDocuments, XdgDocuments, ResolveCase
//   2. Paths and folders: NativePath, DocumentsFolder, CreateFolder
//   3. INI integers: GetPrivateProfileInt
//   4. Reading: KindOfFile, OpenFileForReading, ReadWholeFile
//   5. Safe writes: ResolveWriteTarget, the temporary file, WriteFileAtomically
#include "platform/Platform.h"
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace Framework
{
namespace Platform
{
namespace
{
// ---- 1. Helpers -------------------------------------------------------------
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

// A documents dir equal to $HOME means "not configured"; so does a relative
// one, which would depend on where the program was started.
bool IsConfiguredDocuments(const std::string& value, const std::string& home)
{
    return !value.empty() && value.front() == '/' && value != home && value != home + "/";
}

// XDG_DOCUMENTS_DIR from the environment or from user-dirs.dirs ("$HOME/..." allowed).
std::string XdgDocuments(const std::string& home)
{
    if (const char* env = std::getenv("XDG_DOCUMENTS_DIR"); env && IsConfiguredDocuments(env, home))
        return env;
    std::string config = home + "/.config";
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        config = xdg;
    std::string text;
    ReadWholeFile(config + "/user-dirs.dirs", text);
    std::istringstream dirs(text);
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
        if (IsConfiguredDocuments(value, home))
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

// ---- 2. Paths and folders ---------------------------------------------------
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

// ---- 3. INI integers --------------------------------------------------------
int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue, const std::string& path)
{
    std::string text;
    if (!ReadWholeFile(NativePath(path), text))
        return defaultValue;
    std::istringstream file(text);
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
                const int digit = std::isdigit(static_cast<unsigned char>(*s))
                                      ? *s - '0'
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

// ---- 4. Reading -------------------------------------------------------------
FileKind KindOfFile(const std::string& nativePath)
{
    struct stat status;
    if (::stat(nativePath.c_str(), &status) == 0)
        return S_ISREG(status.st_mode) ? FileKind::Regular : FileKind::Other;
    // Something is there that cannot be followed: a dangling or looping link.
    if (::lstat(nativePath.c_str(), &status) == 0)
        return FileKind::Other;
    return errno == ENOENT || errno == ENOTDIR ? FileKind::Missing : FileKind::Other;
}

FILE* OpenFileForReading(const std::string& nativePath)
{
    // Non-blocking: opening a pipe would otherwise wait for a writer.
    const int fd = ::open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
    {
        ::close(fd);
        errno = EINVAL;
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    FILE* file = ::fdopen(fd, "rb");
    if (!file)
        ::close(fd);
    return file;
}

bool ReadWholeFile(const std::string& nativePath, std::string& text)
{
    text.clear();
    FILE* file = OpenFileForReading(nativePath);
    if (!file)
        return false;
    char buffer[65536];
    size_t count;
    bool tooLong = false;
    while ((count = std::fread(buffer, 1, sizeof(buffer), file)) > 0)
    {
        if (text.size() + count > MaxWholeFileBytes)
        {
            tooLong = true;
            break;
        }
        text.append(buffer, count);
    }
    const bool good = !tooLong && !std::ferror(file);
    std::fclose(file);
    if (!good)
        text.clear();
    return good;
}

// ---- 5. Safe writes ---------------------------------------------------------
WriteTarget ResolveWriteTarget(const std::string& nativePath)
{
    struct stat link;
    if (::lstat(nativePath.c_str(), &link) != 0)
    {
        if (errno == ENOENT)
            return {nativePath, ""};
        return {"", "it cannot be examined"};
    }
    std::string target = nativePath;
    if (S_ISLNK(link.st_mode))
    {
        // Through the link to its file: the link keeps working for the user.
        char* resolved = ::realpath(nativePath.c_str(), nullptr);
        if (!resolved)
        {
            if (errno != ENOENT)
                return {"", "it is a link that cannot be followed"};
            // A link to a file not there yet is still a link that leads nowhere.
            return {"", "it is a link to a missing file"};
        }
        target = resolved;
        std::free(resolved);
    }
    struct stat status;
    if (::stat(target.c_str(), &status) != 0)
        return {"", "it cannot be examined"};
    if (!S_ISREG(status.st_mode))
        return {"", "it is not a regular file"};
    // Checked by the mode bits as well: a user running as root still means it.
    if ((status.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        return {"", "it is read-only"};
    return {target, ""};
}

std::string TemporaryFor(const std::string& target) { return target + ".tmp"; }

bool ReplaceWithTemporary(const std::string& temporary, const std::string& target)
{
    struct stat status;
    if (::stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        ::chmod(temporary.c_str(), status.st_mode & 07777);
    if (::rename(temporary.c_str(), target.c_str()) != 0)
    {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool SyncToDisk(const std::string& nativePath)
{
    // A folder is opened for reading like a file; its fsync covers its entries.
    // Non-blocking: a pipe put in the file's place must not stall the save.
    const int fd = ::open(nativePath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

void RemoveLeftoverTemporary(const std::string& nativePath)
{
    std::string target = nativePath;
    if (char* resolved = ::realpath(nativePath.c_str(), nullptr))
    {
        target = resolved;
        std::free(resolved);
    }
    const std::string temporary = TemporaryFor(target);
    struct stat status;
    if (::lstat(temporary.c_str(), &status) == 0 && S_ISREG(status.st_mode))
        std::remove(temporary.c_str());
}

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string* refusal)
{
    const WriteTarget where = ResolveWriteTarget(NativePath(path));
    if (refusal)
        *refusal = where.mRefusal;
    if (where.mPath.empty())
        return false;
    const std::string temporary = TemporaryFor(where.mPath);
    FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out)
        return false;
    // A full disk shows at the write, the flush or the close: the old file stays.
    bool good = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    good = std::fflush(out) == 0 && good;
    good = std::fclose(out) == 0 && good;
    if (!good)
    {
        std::remove(temporary.c_str());
        return false;
    }
    return ReplaceWithTemporary(temporary, where.mPath);
}
} // namespace Platform
} // namespace Framework
