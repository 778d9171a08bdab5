#include "graphics/Texture.h"
#include <GL/glew.h>
#include <stb/stb_image.h>
#include <cstdio>
#include "core/engine/DebugSystem.h"
#include "platform/Platform.h"

namespace Framework
{
Texture::Texture() { Log("Constructing Texture"); }

Texture::~Texture() { Log("Destructing Texture"); }

bool Texture::Load(const std::string& path)
{
    // Only a regular file: a pipe named like an image would block the start.
    FILE* file = Platform::OpenFileForReading(Platform::NativePath(path));
    int width = 0, height = 0, channels = 0;
    // Four channels whatever the file holds; v = 0 stays the top row of the image.
    unsigned char* pixels = file ? stbi_load_from_file(file, &width, &height, &channels, 4) : nullptr;
    if (file)
        std::fclose(file);
    if (!pixels)
    {
        Log("Failed to load texture");
        return false;
    }
    // The size is checked before anything reaches the driver.
    if (width > MaxSize || height > MaxSize)
    {
        Log(std::string(width > MaxSize ? "Image width more than " : "Image height more than ") +
            std::to_string(MaxSize));
        stbi_image_free(pixels);
        return false;
    }

    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    stbi_image_free(pixels);

    if (mId != 0 && mId != id)
    {
        GLuint previous = mId;
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
