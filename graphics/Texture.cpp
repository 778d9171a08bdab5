#include "graphics/Texture.h"
#include <GL/glew.h>
#include <stb/stb_image.h>
#include <cstdio>
#include <cstring>
#include "core/engine/DebugSystem.h"
#include "graphics/PendingTextures.h"
#include "platform/Platform.h"

namespace Framework
{
FILE* OpenPngFile(const std::string& path)
{
    static const unsigned char Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    // Only a regular file: a pipe named like an image would block the start.
    FILE* file = Platform::OpenFileForReading(Platform::NativePath(path));
    if (!file)
        return nullptr;
    unsigned char start[sizeof(Signature)] = {};
    const bool png = std::fread(start, 1, sizeof(start), file) == sizeof(start) &&
                     std::memcmp(start, Signature, sizeof(Signature)) == 0 && std::fseek(file, 0, SEEK_SET) == 0;
    if (!png)
    {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

Texture::Texture() { Log("Constructing Texture"); }

Texture::~Texture() { Log("Destructing Texture"); }

bool Texture::Load(const std::string& path)
{
    FILE* file = OpenPngFile(path);
    int width = 0, height = 0, channels = 0;
    // The header only: the pixels wait for the first draw (PendingTextures).
    const bool read = file && stbi_info_from_file(file, &width, &height, &channels) != 0;
    if (file)
        std::fclose(file);
    if (!read || width < 1 || height < 1)
    {
        Log("Failed to load texture");
        return false;
    }
    // The size is checked before anything reaches the driver.
    if (width > MaxSize || height > MaxSize)
    {
        Log(std::string(width > MaxSize ? "Image width more than " : "Image height more than ") +
            std::to_string(MaxSize));
        return false;
    }

    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    PendingTextures::Add(id, path, width, height);

    if (mId != 0 && mId != id)
    {
        GLuint previous = mId;
        PendingTextures::Forget(previous);
        glDeleteTextures(1, &previous);
    }
    mId = id;
    mWidth = width;
    mHeight = height;
    mChannels = channels;
    mPath = path;
    return true;
}
} // namespace Framework
