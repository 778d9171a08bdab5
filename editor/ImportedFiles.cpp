#include "editor/ImportedFiles.h"
#include <stb/stb_image.h>
#include <cstdio>
#include <filesystem>
#include "core/engine/DebugSystem.h"
#include "graphics/SpriteSheet.h"
#include "platform/Platform.h"

namespace Framework
{
namespace fs = std::filesystem;

std::string CopyImportedFile(const std::string& source, const std::string& destination)
{
    const fs::path from(Platform::NativePath(source));
    const fs::path to(Platform::NativePath(destination));
    std::error_code error;
    // Dropping a file that already is the destination needs no copy (and
    // copying a file onto itself fails).
    if (fs::exists(to, error) && fs::equivalent(from, to, error))
        return "";
    fs::path temporary = to;
    temporary += ".part";
    error.clear();
    if (!fs::is_regular_file(from, error))
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    else if (fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error))
        fs::rename(temporary, to, error);
    if (error)
    {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        const std::string problem =
            "\"" + source + "\" could not be copied to \"" + destination + "\": " + error.message();
        Log(problem);
        return problem;
    }
    return "";
}

bool ImportWouldReplace(const std::string& source, const std::string& destination)
{
    const fs::path from(Platform::NativePath(source));
    const fs::path to(Platform::NativePath(destination));
    std::error_code error;
    if (!fs::exists(to, error))
        return false;
    return !fs::equivalent(from, to, error);
}

bool LoadImportedImage(SpriteSheet& sheet, const std::string& path)
{
    if (Platform::HasGLContext())
        return sheet.Load(path);
    FILE* file = std::fopen(Platform::NativePath(path).c_str(), "rb");
    int width = 0, height = 0, channels = 0;
    const bool read = file && stbi_info_from_file(file, &width, &height, &channels) != 0;
    if (file)
        std::fclose(file);
    if (!read || width > Texture::MaxSize || height > Texture::MaxSize)
    {
        Log("Dropped image \"" + path + "\" could not be read.");
        return false;
    }
    sheet.mWidth = width;
    sheet.mHeight = height;
    sheet.mChannels = channels;
    sheet.mPath = path;
    return true;
}
} // namespace Framework
