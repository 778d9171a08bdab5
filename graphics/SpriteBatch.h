// The quads queued for one (layer, texture, program) triple, and the unit quad
// every sprite is made from.
#pragma once
#include <GL/glew.h>
#include <cstdint>
#include <vector>

namespace Framework
{
struct SpriteBatch
{
    // Clears the arrays (their storage stays for the next frame) and the counts.
    void Empty()
    {
        mIndices.clear();
        mVertices.clear();
        mVertexCount = mTriangleCount = mQuadCount = 0;
    }

    std::vector<uint32_t> mIndices;
    std::vector<float> mVertices; // nine floats a vertex: x, y, z, r, g, b, a, u, v
    uint32_t mVertexCount = 0;
    uint32_t mTriangleCount = 0;
    uint32_t mQuadCount = 0;
    const uint32_t mPositionSize = 3;
    const uint32_t mColorSize = 4;
    const uint32_t mUVSize = 2;
    uint32_t mPolygonFace = GL_FRONT_AND_BACK;
    uint32_t mPolygonMode = GL_FILL;
    uint32_t mPrimitive = GL_TRIANGLES;
    uint32_t mTextureId = 0;
    uint32_t mProgramId = 0;
    uint32_t mFirstVertex = 0; // where this frame's vertices start in the sprite buffer, in vertices
    uint32_t mFirstIndex = 0;  // where its indices start among the buffer's indices
};

// A unit square centred on the origin; both triangles counter-clockwise.
struct QuadMesh
{
    static constexpr int FloatsPerVertex = 9;
    float mVertices[4][FloatsPerVertex] = {
        {-0.5f, -0.5f, 0.5f, 1.0f, 0.0f, 0.0f, 1.0f, 0.0f, 1.0f},
        {0.5f, -0.5f, 0.5f, 0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f},
        {-0.5f, 0.5f, 0.5f, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f},
        {0.5f, 0.5f, 0.5f, 1.0f, 0.0f, 1.0f, 1.0f, 1.0f, 0.0f},
    };
    uint32_t mIndices[6] = {0, 1, 2, 2, 1, 3};
};
} // namespace Framework
