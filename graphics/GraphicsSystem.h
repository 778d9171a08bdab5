// Owns the GL context of the window and draws everything but the editor
// panels: sprites batched by layer, texture and program, the tile map, debug
// lines and the loading frame. Also keeps the shader and sprite-sheet tables.
#pragma once
#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <vector>
#include "core/math/MathTypes.h"
#include "core/engine/System.h"
#include "graphics/ArtList.h"
#include "graphics/Camera.h"
#include "graphics/Glyph.h"
#include "graphics/SpriteBatch.h"
#include "graphics/SpriteSheet.h"
#include "graphics/TextLayout.h"

namespace Framework
{
class GraphicsSystem : public System
{
public:
    // layer (z truncated toward zero) -> GL texture id -> GL program id -> batch
    using BatchMap = std::map<int, std::map<uint32_t, std::map<uint32_t, SpriteBatch>>>;

    GraphicsSystem();
    ~GraphicsSystem() override;
    void Update(float dt) override;
    void Init() override;
    std::string GetName() override { return "GraphicsSystem"; }
    void SendMessage(Message*) override {}

    bool InitRenderingEnvironment();
    void CleanRenderingEnvironment();
    void LoadShaders();
    uint32_t BuildShader(const std::string& name);

    // Clears the frame (grey) and sets the fixed GL state.
    void BeginFrame();
    // Queues one sprite unless the active camera cannot see it. scale is the
    // quad's full width and height, angle is in radians counter-clockwise.
    void DrawSprite(const Sprite& frame, const Vec3& position, const float scale[2], float angle, const Color& colour,
                    const std::string& shaderName, bool flipX, bool flipY);
    // Draws every batch by layer, texture, program, and empties them.
    void FlushSprites();
    void SwapBuffers();

    // Debug lines, drawn once a frame with the "Debug" program.
    void DrawLine(const float a[2], const float b[2], const Color& colour);
    void DrawCircle(const float centre[2], float size, const Color& colour);
    void FlushDebug();
    void DrawTileMap();
    // Draws and presents one frame of the loading screen.
    void DrawLoadingFrame();

    // Text (TextDrawing.cpp): the font's glyphs, and every TextRenderer drawn with program.
    void LoadFont();
    void DrawAllText(uint32_t program);
    void RenderText(uint32_t program, const std::string& text, float x, float y, float scale, const float colour[3]);
    std::map<char, Glyph> mGlyphs;

    // The program of a shader name; an unknown name is added with program 0.
    uint32_t GetShader(const std::string& name);
    static SpriteSheet* GetSpriteSheet(const std::string& key);
    // Deletes a sheet and its texture; every Renderer that showed it (live,
    // tile or archetype) is told, so none keeps a pointer to it. False when
    // no sheet has the key. (SpriteSheetRemoval.cpp)
    bool RemoveSpriteSheet(const std::string& key);

    // The camera every draw uses; the level loader thread may replace it.
    Camera* GetActiveCamera() const { return mActiveCamera.load(); }
    void SetActiveCamera(Camera* camera) { mActiveCamera.store(camera ? camera : &mEditorCamera); }
    // Puts the editor camera back when camera is the active one.
    void ReleaseActiveCamera(Camera* camera);

    unsigned mDebugIndexCount = 0; // indices drawn by the last FlushDebug
    std::vector<uint32_t> mDebugIndices;
    std::vector<float> mDebugVertices; // seven floats a vertex: x, y, 0, r, g, b, a
    int mPositionSize = 3;
    int mColorSize = 4;
    int mUVSize = 2;
    BatchMap mSpriteBatches;
    unsigned mSpriteDrawCalls = 0;             // draw calls made by the last FlushSprites
    std::string mTilesetName = "TilePlatform"; // sprite-sheet key the tile map is drawn with
    std::vector<std::string> mTileTextureNames;
    uint32_t mSpriteVertexArray = 0;
    // Vertices and, after them, indices of the frame's sprites (and then of its
    // debug lines): one upload each, into storage that only ever grows.
    uint32_t mSpriteVertexBuffer = 0;
    size_t mSpriteBufferBytes = 0; // size of the buffer's storage
    size_t mSpriteIndexOffset = 0; // byte offset of the sprite indices in it
    // The bytes of the next upload, kept from frame to frame.
    std::vector<unsigned char> mStreamBytes;
    uint32_t mTextVertexArray = 0;
    uint32_t mTextVertexBuffer = 0;
    size_t mTextBufferBytes = 0; // size of the text buffer's storage
    uint32_t mGlyphAtlas = 0;    // every glyph's bitmap in one texture (GlyphAtlas.h); 0 without a font
    uint32_t mFloatsPerVertex = QuadMesh::FloatsPerVertex;
    QuadMesh mUnitQuad;
    // Name -> GL program; ShaderNotBuilt until GetShader first asks for it.
    std::map<std::string, uint32_t> mShaders;
    static constexpr uint32_t ShaderNotBuilt = 0xFFFFFFFFu;
    SpriteSheetTable mSpriteSheets;
    Camera mEditorCamera;
    std::atomic<Camera*> mActiveCamera{&mEditorCamera};

    bool mContextReady = false; // the GL context exists and its entry points are loaded
    bool mArtListRead = false;  // only a list that was read is written back
    // Draws what names no program ("None"): core profile draws nothing with program 0.
    uint32_t mFlatColourProgram = 0;

private:
    // Consecutive non-empty batches drawn by one draw call.
    struct SpriteRun
    {
        uint32_t mProgram = 0;
        uint32_t mFace = 0;
        uint32_t mMode = 0;
        uint32_t mPrimitive = 0;
        uint32_t mFirst = 0; // first index, among the buffer's indices
        uint32_t mCount = 0; // indices; 0: no run
    };
    // Where a program's matrix uniforms are (-1 when it has no such uniform).
    struct MatrixLocations
    {
        int mTransform = -1;
        int mView = -1;
        int mProjection = -1;
        int mWorld = -1;
    };

    // Writes every queued batch into the sprite buffer, noting where each
    // starts, and sets the sprite vertex layout; false when nothing is queued.
    // Sheets this frame draws for the first time get their pixels.
    void UploadFirstDrawnSheets();
    bool UploadBatches();
    // Writes bytes at the start of the sprite buffer, growing it when they do not fit.
    void WriteSpriteBuffer(const void* data, size_t bytes);
    // Draws the run, if any, and ends it.
    void DrawRun(SpriteRun& run);
    const MatrixLocations& LocationsOf(uint32_t program);

    // Glyph quads among mTextQuads drawn in one colour: a text, or several
    // texts of one colour that follow each other.
    struct TextRun
    {
        uint32_t mFirstQuad = 0;
        uint32_t mQuadCount = 0;
        float mColour[3] = {0.0f, 0.0f, 0.0f};
    };
    // Lays out a text into mTextQuads (atlas coordinates), extending the last
    // run when it has the same colour.
    void AppendText(const std::string& text, float x, float y, float scale, const float colour[3]);
    // Uploads mTextQuads and draws every run.
    void DrawTextRuns(uint32_t program);
    // The frame's glyph quads and texts (kept from frame to frame).
    std::vector<GlyphQuad> mTextQuads;
    std::vector<TextRun> mTextRuns;
    std::map<uint32_t, MatrixLocations> mMatrixLocations; // by GL program id
    void BuildFlatColourProgram();
    // The window system's client size, or the window's when there is no window system.
    static void ClientSize(int& width, int& height);
};

extern GraphicsSystem* gGraphicsSystem;
} // namespace Framework
