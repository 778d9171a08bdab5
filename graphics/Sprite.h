// One frame of a sprite sheet: its name, its texture and its corners in the image.
#pragma once
#include <cstdint>
#include <string>
#include "core/math/MathTypes.h"

namespace Framework
{
struct Sprite
{
    // Corner order in the image: 0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right.
    enum Corner
    {
        TopLeft = 0,
        TopRight = 1,
        BottomLeft = 2,
        BottomRight = 3
    };

    Sprite() = default;
    // A frame named "Sprite" followed by number.
    Sprite(int number, uint32_t textureId, const Vec2 corners[4]);

    std::string mName = "Sprite";
    uint32_t mTextureId = 0;
    Vec2 mCorners[4] = {Vec2(0.0f), Vec2(0.0f), Vec2(0.0f), Vec2(0.0f)}; // (u, v); v = 0 is the image's top row
};
} // namespace Framework
