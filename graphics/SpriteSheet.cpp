#include "graphics/SpriteSheet.h"
#include <algorithm>
#include "core/engine/DebugSystem.h"
#include "core/serializers/TextSerializer.h"

namespace Framework
{
Sprite::Sprite(int number, uint32_t textureId, const Vec2 corners[4])
    : mName("Sprite" + std::to_string(number)), mTextureId(textureId)
{
    for (int i = 0; i < 4; ++i)
        mCorners[i] = corners[i];
}

void SpriteSheet::Unserialize(TextSerializer& file, const std::string& basePath)
{
    file.ReadInt(mRows);
    file.ReadInt(mCols);
    file.ReadString(mName);
    if (Load(basePath + ".png"))
        Slice();
    for (Sprite& frame : mFrames)
    {
        std::string name;
        file.ReadString(name);
        frame.mName = name;
    }
}

void SpriteSheet::Slice()
{
    mFrames.clear();
    if (mRows < 1 || mCols < 1)
        return;
    // Frames keep the size the stored counts give them (smaller than a texel
    // when the image is smaller than its grid); only their number is bounded,
    // and the sheet's file is then not written back (HoldsEveryFrame).
    const int cols = std::min(mCols, MaxFrames);
    const int rows = std::min(mRows, MaxFrames / cols);
    if (static_cast<long long>(rows) * cols < static_cast<long long>(mRows) * mCols)
        Log("Sprite sheet \"" + mName + "\": " + std::to_string(mRows) + " x " + std::to_string(mCols) +
            " frames are more than a sheet holds; only the first " + std::to_string(rows * cols) + " are cut");
    const float du = 1.0f / static_cast<float>(mCols);
    const float dv = 1.0f / static_cast<float>(mRows);
    // Accumulated by repeated addition, so frame edges match what the editor's import made.
    Vec2 corners[4] = {Vec2(0.0f, 0.0f), Vec2(du, 0.0f), Vec2(0.0f, dv), Vec2(du, dv)};
    mFrames.reserve(static_cast<size_t>(rows) * static_cast<size_t>(cols));
    for (int r = 0; r < rows; ++r)
    {
        for (int c = 0; c < cols; ++c)
        {
            mFrames.emplace_back(mCols * r + c + 1, mId, corners);
            for (Vec2& corner : corners)
                corner.x += du;
        }
        corners[Sprite::TopLeft].x = corners[Sprite::BottomLeft].x = 0.0f;
        corners[Sprite::TopRight].x = corners[Sprite::BottomRight].x = du;
        for (Vec2& corner : corners)
            corner.y += dv;
    }
}

bool SpriteSheet::HoldsEveryFrame() const
{
    if (mRows < 1 || mCols < 1)
        return true;
    return mFrames.size() == static_cast<size_t>(mRows) * static_cast<size_t>(mCols);
}

void SpriteSheet::Reset()
{
    mId = 0;
    mPath = "NO PATH";
    mWidth = mHeight = 0;
    mRows = mCols = 8;
    mFrames.clear();
}
} // namespace Framework
