// Sprite queueing and the per-frame flush of the batches.
#include <GL/glew.h>
#include <algorithm>
#include <cmath>
#include <utility>
#include "graphics/GraphicsSystem.h"

namespace Framework
{
namespace
{
const Mat4 Identity(1.0f);

void SetMatrix(GLuint program, const char* name, const Mat4& matrix)
{
    glUniformMatrix4fv(glGetUniformLocation(program, name), 1, GL_FALSE, &matrix[0][0]);
}
} // namespace

void GraphicsSystem::BeginFrame()
{
    int width = 0, height = 0;
    ClientSize(width, height);
    // The colour is set before the clear, so the very first frame is grey too.
    glClearColor(0.5f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(0, 0, width, height);
    glDepthFunc(GL_NEVER);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void GraphicsSystem::DrawSprite(const Sprite& frame, const Vec3& position, const float scale[2], float angle,
                                const Color& colour, std::string shaderName, bool flipX, bool flipY)
{
    // The full size is passed as the half size: a generous margin, never a visible pop.
    const Camera* camera = GetActiveCamera();
    if (camera && !camera->IsInView(position, Vec3(scale[0], scale[1], 0.0f)))
        return;

    const int layer = static_cast<int>(position.z); // truncation toward zero
    const uint32_t program = GetShader(shaderName);
    SpriteBatch& batch = mSpriteBatches[layer][frame.mTextureId][program];

    batch.mVertexCount += 4;
    batch.mTriangleCount += 2;
    batch.mPolygonFace = GL_FRONT_AND_BACK;
    batch.mPolygonMode = GL_FILL;
    batch.mPrimitive = GL_TRIANGLES;
    batch.mTextureId = frame.mTextureId;
    batch.mProgramId = program;
    const uint32_t first = 4 * batch.mQuadCount;
    for (uint32_t index : mUnitQuad.mIndices)
        batch.mIndices.push_back(index + first);
    ++batch.mQuadCount;

    // Quad vertices 0..3 are bottom-left, bottom-right, top-left, top-right.
    Vec2 uv[4] = {frame.mCorners[Sprite::BottomLeft], frame.mCorners[Sprite::BottomRight],
                  frame.mCorners[Sprite::TopLeft], frame.mCorners[Sprite::TopRight]};
    if (flipX)
    {
        std::swap(uv[0].x, uv[1].x);
        std::swap(uv[2].x, uv[3].x);
    }
    if (flipY)
    {
        std::swap(uv[0].y, uv[2].y);
        std::swap(uv[1].y, uv[3].y);
    }

    const float c = std::cos(angle);
    const float s = std::sin(angle);
    for (int i = 0; i < 4; ++i)
    {
        const float sx = mUnitQuad.mVertices[i][0] * scale[0];
        const float sy = mUnitQuad.mVertices[i][1] * scale[1];
        const float vertex[QuadMesh::FloatsPerVertex] = {
            sx * c - sy * s + position.x, sy * c + sx * s + position.y, 0.0f,
            colour.r, colour.g, colour.b, colour.a, uv[i].x, uv[i].y};
        batch.mVertices.insert(batch.mVertices.end(), vertex, vertex + QuadMesh::FloatsPerVertex);
    }
}

namespace
{
// Writes bytes at the start of the buffer bound to target, growing it (to at
// least double) when they do not fit: the buffer is re-specified only then.
void WriteGrowing(GLenum target, size_t& capacity, size_t bytes, const void* data)
{
    if (bytes > capacity)
    {
        capacity = std::max(capacity * 2, bytes);
        glBufferData(target, static_cast<GLsizeiptr>(capacity), nullptr, GL_DYNAMIC_DRAW);
    }
    glBufferSubData(target, 0, static_cast<GLsizeiptr>(bytes), data);
}
} // namespace

void GraphicsSystem::FlushSprites()
{
    if (mContextReady)
        UploadBatches();
    for (auto& [layer, textures] : mSpriteBatches)
        for (auto& [texture, programs] : textures)
        {
            if (texture != 0 && mContextReady)
            {
                glActiveTexture(GL_TEXTURE0);
                glBindTexture(GL_TEXTURE_2D, texture);
            }
            for (auto& [program, batch] : programs)
            {
                if (mContextReady)
                    DrawBatch(batch);
                batch.Empty();
            }
        }
}

void GraphicsSystem::UploadBatches()
{
    // Every batch of the frame goes into the two sprite buffers in one write
    // each, at its own offset: a buffer is never re-specified for a frame (the
    // driver would allocate new storage each time) and no draw waits for a
    // region another draw reads. The debug lines may have re-specified the
    // buffers since the last frame, so their sizes are asked for.
    mBatchVertices.clear();
    mBatchIndices.clear();
    for (auto& [layer, textures] : mSpriteBatches)
        for (auto& [texture, programs] : textures)
            for (auto& [program, batch] : programs)
            {
                batch.mFirstVertex = static_cast<uint32_t>(mBatchVertices.size() / mFloatsPerVertex);
                batch.mFirstIndex = static_cast<uint32_t>(mBatchIndices.size());
                mBatchVertices.insert(mBatchVertices.end(), batch.mVertices.begin(), batch.mVertices.end());
                mBatchIndices.insert(mBatchIndices.end(), batch.mIndices.begin(), batch.mIndices.end());
            }
    if (mBatchIndices.empty() || mBatchVertices.empty() || !mSpriteVertexBuffer || !mSpriteIndexBuffer)
        return;
    GLint size = 0;
    glBindVertexArray(mSpriteVertexArray);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mSpriteIndexBuffer);
    glGetBufferParameteriv(GL_ELEMENT_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    size_t capacity = static_cast<size_t>(size);
    WriteGrowing(GL_ELEMENT_ARRAY_BUFFER, capacity, mBatchIndices.size() * sizeof(uint32_t), mBatchIndices.data());
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, mSpriteVertexBuffer);
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    capacity = static_cast<size_t>(size);
    WriteGrowing(GL_ARRAY_BUFFER, capacity, mBatchVertices.size() * sizeof(float), mBatchVertices.data());
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void GraphicsSystem::DrawBatch(SpriteBatch& batch)
{
    if (batch.mTriangleCount == 0 || batch.mVertexCount == 0)
        return; // nothing queued: a draw of no indices would change nothing
    const GLsizei stride = static_cast<GLsizei>(mFloatsPerVertex * sizeof(float));
    glPolygonMode(batch.mPolygonFace, batch.mPolygonMode);
    glBindVertexArray(mSpriteVertexArray);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mSpriteIndexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, mSpriteVertexBuffer);
    glVertexAttribPointer(0, batch.mPositionSize, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(0));
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(1, batch.mColorSize, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(3 * sizeof(float)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(2, batch.mUVSize, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(7 * sizeof(float)));
    glEnableVertexAttribArray(2);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(0);

    // Program 0 draws nothing in a core profile: "None" draws in flat vertex colour.
    const GLuint program = batch.mProgramId != 0 ? batch.mProgramId : mFlatColourProgram;
    glUseProgram(program);
    glBindVertexArray(mSpriteVertexArray);
    const Camera* camera = GetActiveCamera();
    SetMatrix(program, "transform", Identity);
    SetMatrix(program, "view", camera ? camera->mView : Identity);
    SetMatrix(program, "projection", camera ? camera->mViewProjection : Identity);
    SetMatrix(program, "world", Identity);
    // The batch's indices count from its own first vertex.
    glDrawElementsBaseVertex(batch.mPrimitive, static_cast<GLsizei>(batch.mTriangleCount * 3), GL_UNSIGNED_INT,
                             reinterpret_cast<void*>(static_cast<uintptr_t>(batch.mFirstIndex) * sizeof(uint32_t)),
                             static_cast<GLint>(batch.mFirstVertex));
    glBindVertexArray(0);
    glUseProgram(0);
}
} // namespace Framework
