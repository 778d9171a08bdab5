// Debug lines and circles, drawn once a frame with the "Debug" program.
#include <GL/glew.h>
#include <cmath>
#include <cstring>
#include "graphics/GraphicsSystem.h"

namespace Framework
{
namespace
{
constexpr int CircleSegments = 32;
constexpr float CircleStep = 0.19634955f; // pi / 16
constexpr int FloatsPerDebugVertex = 7;   // x, y, 0, r, g, b, a

void SetMatrix(GLuint program, const char* name, const Mat4& matrix)
{
    glUniformMatrix4fv(glGetUniformLocation(program, name), 1, GL_FALSE, &matrix[0][0]);
}
} // namespace

void GraphicsSystem::DrawLine(const float a[2], const float b[2], const Color& colour)
{
    for (const float* point : {a, b})
    {
        mDebugIndices.push_back(static_cast<uint32_t>(mDebugIndices.size()));
        const float vertex[FloatsPerDebugVertex] = {point[0], point[1], 0.0f, colour.r, colour.g, colour.b, colour.a};
        mDebugVertices.insert(mDebugVertices.end(), vertex, vertex + FloatsPerDebugVertex);
    }
}

void GraphicsSystem::DrawCircle(const float centre[2], float size, const Color& colour)
{
    static const float cosStep = std::cos(CircleStep);
    static const float sinStep = std::sin(CircleStep);
    const float r = size / 2.0f;
    Vec2 p(r, 0.0f);
    Vec2 q(r * cosStep, r * sinStep);
    for (int i = 0; i < CircleSegments; ++i)
    {
        const float a[2] = {centre[0] + p.x, centre[1] + p.y};
        const float b[2] = {centre[0] + q.x, centre[1] + q.y};
        DrawLine(a, b, colour);
        p = Vec2(p.x * cosStep - p.y * sinStep, p.x * sinStep + p.y * cosStep);
        q = Vec2(q.x * cosStep - q.y * sinStep, q.x * sinStep + q.y * cosStep);
    }
}

void GraphicsSystem::FlushDebug()
{
    if (mDebugIndices.empty() || !mContextReady)
        return;
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    mDebugIndexCount = static_cast<unsigned>(mDebugIndices.size());
    const GLsizei stride = FloatsPerDebugVertex * sizeof(float);

    // Vertices, then indices, in one upload into the sprite buffer (its
    // storage is never re-specified for a frame).
    const size_t vertexBytes = mDebugVertices.size() * sizeof(float);
    const size_t indexBytes = mDebugIndices.size() * sizeof(uint32_t);
    mStreamBytes.resize(vertexBytes + indexBytes);
    std::memcpy(mStreamBytes.data(), mDebugVertices.data(), vertexBytes);
    std::memcpy(mStreamBytes.data() + vertexBytes, mDebugIndices.data(), indexBytes);
    WriteSpriteBuffer(mStreamBytes.data(), mStreamBytes.size());
    glBindVertexArray(mSpriteVertexArray);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mSpriteVertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, mSpriteVertexBuffer);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(0));
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(3 * sizeof(float)));
    glEnableVertexAttribArray(1);
    // The sprite layout's third attribute would read past these shorter vertices.
    glDisableVertexAttribArray(2);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(0);

    const GLuint program = GetShader("Debug");
    glUseProgram(program);
    glBindVertexArray(mSpriteVertexArray);
    const Camera* camera = GetActiveCamera();
    const Mat4 identity(1.0f);
    SetMatrix(program, "view", camera ? camera->mView : identity);
    SetMatrix(program, "projection", camera ? camera->mViewProjection : identity);
    SetMatrix(program, "world", identity);
    glDrawElements(GL_LINES, static_cast<GLsizei>(mDebugIndexCount), GL_UNSIGNED_INT,
                   reinterpret_cast<void*>(static_cast<uintptr_t>(vertexBytes)));
    glBindVertexArray(0);
    glUseProgram(0);
}
} // namespace Framework
