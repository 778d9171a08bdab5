// Sprite queueing and the per-frame flush of the batches.
#include <GL/glew.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include "graphics/GraphicsSystem.h"
#include "graphics/PendingTextures.h"

namespace Framework
{
namespace
{
const Mat4 Identity(1.0f);
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
                                const Color& colour, const std::string& shaderName, bool flipX, bool flipY)
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
        const float vertex[QuadMesh::FloatsPerVertex] = {sx * c - sy * s + position.x,
                                                         sy * c + sx * s + position.y,
                                                         0.0f,
                                                         colour.r,
                                                         colour.g,
                                                         colour.b,
                                                         colour.a,
                                                         uv[i].x,
                                                         uv[i].y};
        batch.mVertices.insert(batch.mVertices.end(), vertex, vertex + QuadMesh::FloatsPerVertex);
    }
}

void GraphicsSystem::FlushSprites()
{
    if (mContextReady)
        UploadFirstDrawnSheets();
    const bool draw = mContextReady && UploadBatches();
    // Consecutive batches that differ only by layer (same bound texture, same
    // program) are drawn by one draw call: their indices follow each other in
    // the sprite buffer, so the triangles reach the screen in the same order.
    // Each draw costs the software GL driver a heap allocation.
    SpriteRun run;
    mSpriteDrawCalls = 0;
    bool bound = false;
    uint32_t boundTexture = 0;
    for (auto& [layer, textures] : mSpriteBatches)
        for (auto& [texture, programs] : textures)
        {
            if (texture != 0 && mContextReady && (!bound || texture != boundTexture))
            {
                DrawRun(run);
                glActiveTexture(GL_TEXTURE0);
                glBindTexture(GL_TEXTURE_2D, texture);
                bound = true;
                boundTexture = texture;
            }
            for (auto& [program, batch] : programs)
            {
                if (draw && batch.mTriangleCount != 0 && batch.mVertexCount != 0)
                {
                    const uint32_t count = batch.mTriangleCount * 3;
                    if (run.mCount != 0 && run.mProgram == batch.mProgramId && run.mFace == batch.mPolygonFace &&
                        run.mMode == batch.mPolygonMode && run.mPrimitive == batch.mPrimitive &&
                        run.mFirst + run.mCount == batch.mFirstIndex)
                        run.mCount += count;
                    else
                    {
                        DrawRun(run);
                        run.mProgram = batch.mProgramId;
                        run.mFace = batch.mPolygonFace;
                        run.mMode = batch.mPolygonMode;
                        run.mPrimitive = batch.mPrimitive;
                        run.mFirst = batch.mFirstIndex;
                        run.mCount = count;
                    }
                }
                batch.Empty();
            }
        }
    DrawRun(run);
}

void GraphicsSystem::UploadFirstDrawnSheets()
{
    if (!PendingTextures::Any())
        return;
    std::vector<uint32_t> first; // only in a frame that draws a sheet for the first time
    for (const auto& [layer, textures] : mSpriteBatches)
        for (const auto& [texture, programs] : textures)
            if (PendingTextures::Contains(texture))
                first.push_back(texture);
    if (!first.empty())
        PendingTextures::Upload(first.data(), first.size());
}

bool GraphicsSystem::UploadBatches()
{
    // Every batch of the frame goes into the sprite buffer with one write:
    // the vertices, then the indices, each batch's counted from the first
    // vertex of the buffer. The buffer is never re-specified for a frame (the
    // driver would allocate new storage each time).
    size_t floats = 0, indices = 0;
    for (auto& [layer, textures] : mSpriteBatches)
        for (auto& [texture, programs] : textures)
            for (auto& [program, batch] : programs)
            {
                floats += batch.mVertices.size();
                indices += batch.mIndices.size();
            }
    if (floats == 0 || indices == 0 || !mSpriteVertexBuffer)
        return false;
    // Room for any level of the content from the first frame on: a level
    // whose sprite count climbs (the end scene) would otherwise grow it mid-play.
    constexpr size_t StreamRoom = 256 * 1024;
    if (mStreamBytes.capacity() < StreamRoom)
        mStreamBytes.reserve(StreamRoom);
    mStreamBytes.resize((floats + indices) * sizeof(uint32_t));
    unsigned char* vertexOut = mStreamBytes.data();
    unsigned char* indexOut = vertexOut + floats * sizeof(float);
    mSpriteIndexOffset = floats * sizeof(float);
    uint32_t firstVertex = 0, firstIndex = 0;
    for (auto& [layer, textures] : mSpriteBatches)
        for (auto& [texture, programs] : textures)
            for (auto& [program, batch] : programs)
            {
                batch.mFirstVertex = firstVertex;
                batch.mFirstIndex = firstIndex;
                if (!batch.mVertices.empty())
                    std::memcpy(vertexOut, batch.mVertices.data(), batch.mVertices.size() * sizeof(float));
                vertexOut += batch.mVertices.size() * sizeof(float);
                for (uint32_t index : batch.mIndices)
                {
                    const uint32_t absolute = index + firstVertex;
                    std::memcpy(indexOut, &absolute, sizeof absolute);
                    indexOut += sizeof absolute;
                }
                firstVertex += static_cast<uint32_t>(batch.mVertices.size() / mFloatsPerVertex);
                firstIndex += static_cast<uint32_t>(batch.mIndices.size());
            }
    WriteSpriteBuffer(mStreamBytes.data(), mStreamBytes.size());

    // The sprite layout: nine floats a vertex at the start of the buffer; the
    // indices come from the same buffer.
    const GLsizei stride = static_cast<GLsizei>(mFloatsPerVertex * sizeof(float));
    glBindVertexArray(mSpriteVertexArray);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, mSpriteVertexBuffer);
    glBindBuffer(GL_ARRAY_BUFFER, mSpriteVertexBuffer);
    glVertexAttribPointer(0, mPositionSize, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(0));
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(1, mColorSize, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(3 * sizeof(float)));
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(2, mUVSize, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(7 * sizeof(float)));
    glEnableVertexAttribArray(2);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glBindVertexArray(0);
    return true;
}

void GraphicsSystem::WriteSpriteBuffer(const void* data, size_t bytes)
{
    glBindBuffer(GL_ARRAY_BUFFER, mSpriteVertexBuffer);
    if (bytes > mSpriteBufferBytes)
    {
        // Grows to at least double, so a growing scene re-specifies it rarely.
        mSpriteBufferBytes = std::max(mSpriteBufferBytes * 2, bytes);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(mSpriteBufferBytes), nullptr, GL_DYNAMIC_DRAW);
    }
    glBufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(bytes), data);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

const GraphicsSystem::MatrixLocations& GraphicsSystem::LocationsOf(uint32_t program)
{
    // Asked of GL once per program: a name lookup every draw costs more than the draw's set-up.
    auto found = mMatrixLocations.find(program);
    if (found != mMatrixLocations.end())
        return found->second;
    MatrixLocations locations;
    locations.mTransform = glGetUniformLocation(program, "transform");
    locations.mView = glGetUniformLocation(program, "view");
    locations.mProjection = glGetUniformLocation(program, "projection");
    locations.mWorld = glGetUniformLocation(program, "world");
    return mMatrixLocations.emplace(program, locations).first->second;
}

void GraphicsSystem::DrawRun(SpriteRun& run)
{
    if (run.mCount == 0)
        return;
    glPolygonMode(run.mFace, run.mMode);
    // Program 0 draws nothing in a core profile: "None" draws in flat vertex colour.
    const GLuint program = run.mProgram != 0 ? run.mProgram : mFlatColourProgram;
    glUseProgram(program);
    glBindVertexArray(mSpriteVertexArray);
    const Camera* camera = GetActiveCamera();
    const MatrixLocations& at = LocationsOf(program);
    glUniformMatrix4fv(at.mTransform, 1, GL_FALSE, &Identity[0][0]);
    glUniformMatrix4fv(at.mView, 1, GL_FALSE, camera ? &camera->mView[0][0] : &Identity[0][0]);
    glUniformMatrix4fv(at.mProjection, 1, GL_FALSE, camera ? &camera->mViewProjection[0][0] : &Identity[0][0]);
    glUniformMatrix4fv(at.mWorld, 1, GL_FALSE, &Identity[0][0]);
    const uintptr_t offset = mSpriteIndexOffset + static_cast<uintptr_t>(run.mFirst) * sizeof(uint32_t);
    glDrawElements(run.mPrimitive, static_cast<GLsizei>(run.mCount), GL_UNSIGNED_INT, reinterpret_cast<void*>(offset));
    glBindVertexArray(0);
    glUseProgram(0);
    run.mCount = 0;
    ++mSpriteDrawCalls;
}
} // namespace Framework
