// The 3 x 3 row-major matrix of a Transform: rotation and scale in the upper
// 2 x 2 block, the translation in the third column.
#pragma once

namespace Framework
{
struct Matrix3
{
    float m[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}; // [row][column]

    static Matrix3 Identity()
    {
        Matrix3 identity;
        identity.m[0][0] = identity.m[1][1] = identity.m[2][2] = 1.0f;
        return identity;
    }
    // Multiplies the upper 2 x 2 block from the left by the rotation [c -s; s c].
    Matrix3& RotateDegrees(float degrees);
};
} // namespace Framework
