// A GL texture made from a PNG file, always uploaded as 8-bit RGBA.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

namespace Framework
{
class Texture
{
public:
    // Larger images are refused: the smallest texture size every target driver takes.
    static constexpr int MaxSize = 4096;

    Texture();
    Texture(const Texture&) = default;
    Texture& operator=(const Texture&) = default;
    // The GL texture is not deleted: it lives as long as the GL context.
    ~Texture();

    // Takes the image at path (a stored path): its header is read now, its
    // pixels when it is first drawn. On failure the texture is unchanged.
    bool Load(const std::string& path);
    std::string GetPath() const { return mPath; }

    uint32_t mId = 0;              // GL texture name; 0 = none
    std::string mPath = "NO PATH"; // the image file it was loaded from
    int mWidth = 0;
    int mHeight = 0;
    int mChannels = 0; // of the image file itself
};

// Opens the image at path (a stored path) for decoding, at its start: only a
// regular file that begins with PNG's 8-byte signature. stb_image would take
// any format it knows under a ".png" name, and its 16-bit PNM path reads past
// its buffer. Null for anything else; the caller closes the file.
FILE* OpenPngFile(const std::string& path);
} // namespace Framework
