// Decoding the sprite sheets' images ahead of their load, on worker threads.
// Start-up reads the art list one sheet at a time and decoding the images is
// most of its time; the workers decode the list's images in parallel while the
// main thread builds the other systems, a few images ahead of what was taken
// so the decoded pixels never pile up. Texture::Load takes an image from here
// when it was prefetched and decodes it itself otherwise: what a sheet holds,
// and what a bad file logs, do not depend on the prefetch.
#pragma once
#include <string>
#include <vector>

namespace Framework
{
// Pixels decoded to 8-bit RGBA (stb_image; freed with stbi_image_free).
struct DecodedImage
{
    unsigned char* mPixels = nullptr; // null: the file could not be opened or decoded
    int mWidth = 0;
    int mHeight = 0;
    int mChannels = 0;                // of the file itself
};

// Decodes the image at path (a stored path) on this thread.
DecodedImage DecodeImage(const std::string& path);

// Starts decoding these images (stored paths) on worker threads; a prefetch
// already running is ended first.
void PrefetchImages(const std::vector<std::string>& paths);
// The PNG files the art list at artListPath names, in list order (for PrefetchImages).
std::vector<std::string> ArtListImages(const std::string& artListPath);
// Moves out the decoded image of path when it was prefetched and not yet taken,
// waiting for its worker when need be; false when it was not prefetched.
bool TakePrefetchedImage(const std::string& path, DecodedImage& out);
// Stops the workers and frees every image nobody took.
void EndImagePrefetch();
} // namespace Framework
