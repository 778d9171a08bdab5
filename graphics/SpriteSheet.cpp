#include "graphics/SpriteSheet.h"
#include <algorithm>
#include "core/engine/DebugSystem.h"
#include "core/serializers/TextSerializer.h"

namespace Framework
{
namespace
{
// A frame is at least one texel, so no texture holds more than MaxSize frames
// along a side; and no sheet of this game comes near 64K frames in all. A
// corrupt sheet file must cost neither memory nor seconds of slicing.
constexpr int MaxFrames = 65536;
} // namespace

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
    BoundFrameCount();
    const float du = 1.0f / static_cast<float>(mCols);
    const float dv = 1.0f / static_cast<float>(mRows);
    // Accumulated by repeated addition, so frame edges match what the editor's import made.
    Vec2 corners[4] = {Vec2(0.0f, 0.0f), Vec2(du, 0.0f), Vec2(0.0f, dv), Vec2(du, dv)};
    mFrames.reserve(static_cast<size_t>(mRows) * static_cast<size_t>(mCols));
    for (int r = 0; r < mRows; ++r)
    {
        for (int c = 0; c < mCols; ++c)
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

void SpriteSheet::BoundFrameCount()
{
    const int maxRows = mHeight > 0 ? std::min(mHeight, MaxSize) : MaxSize;
    const int maxCols = mWidth > 0 ? std::min(mWidth, MaxSize) : MaxSize;
    int rows = std::min(mRows, maxRows);
    int cols = std::min(mCols, maxCols);
    if (static_cast<long long>(rows) * cols > MaxFrames)
        rows = std::max(1, MaxFrames / cols);
    if (rows == mRows && cols == mCols)
        return;
    Log("Sprite sheet \"" + mName + "\": " + std::to_string(mRows) + " x " + std::to_string(mCols) +
        " frames do not fit its texture; cut into " + std::to_string(rows) + " x " + std::to_string(cols));
    mRows = rows;
    mCols = cols;
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
