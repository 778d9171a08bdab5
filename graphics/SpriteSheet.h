// A texture cut into rows x cols equal frames, described by a text file beside its PNG.
#pragma once
#include <string>
#include <vector>
#include "graphics/Sprite.h"
#include "graphics/Texture.h"

namespace Framework
{
class TextSerializer;

class SpriteSheet : public Texture
{
public:
    // Reads rows, cols, the name and every frame name from in; the image is
    // basePath + ".png" (basePath: the text file's path without extension).
    void Unserialize(TextSerializer& file, const std::string& basePath);
    // Rebuilds the frames from rows and cols (first bounded to what the texture holds).
    void Slice();
    // Back to an empty 8 x 8 sheet without texture; name and channels stay.
    void Reset();

private:
    // Lowers rows and cols (with a log line) to at most one frame per texel, and
    // the frame count to a bound no real sheet reaches.
    void BoundFrameCount();

public:
    std::string mName;
    int mRows = 8;
    int mCols = 8;
    std::vector<Sprite> mFrames;       // rows x cols, row-major
    std::string mSourcePath;           // the text file it was read from; empty when made in the editor
};
} // namespace Framework
