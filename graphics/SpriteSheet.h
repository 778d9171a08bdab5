// A texture cut into rows x cols equal frames, described by a text file beside its PNG.
#pragma once
#include <string>
#include <utility>
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
    // Rebuilds the frames from rows and cols. A corrupt count makes at most
    // MaxFrames frames; rows and cols stay as stored.
    void Slice();
    // Every one of rows x cols frames is held (false only for a cut sheet).
    bool HoldsEveryFrame() const;
    // Back to an empty 8 x 8 sheet without texture; name and channels stay.
    void Reset();

    // No sheet of this game comes near 64K frames; a corrupt sheet file must
    // cost neither memory nor seconds of slicing.
    static constexpr int MaxFrames = 65536;

    std::string mName;
    int mRows = 8;
    int mCols = 8;
    std::vector<Sprite> mFrames; // rows x cols, row-major
    std::string mSourcePath;     // the text file it was read from; empty when made in the editor
    // Later art-list entries that repeated this sheet's name or file: not
    // loaded, written back after its own entry as they stood (name, file).
    std::vector<std::pair<std::string, std::string>> mRepeatEntries;
};
} // namespace Framework
