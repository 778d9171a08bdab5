// GraphicsSystem: the rendering environment, shaders, the frame's drawing and swap.
//
// Contents:
//   1. The shader table and the flat colour program's sources
//   2. Helpers: LoadGLEntryPoints, ActiveCameraView, SharedTilesetName
//   3. Construction and the rendering environment: Init, InitRenderingEnvironment,
//      CleanRenderingEnvironment
//   4. Shaders: LoadShaders, BuildShader, BuildFlatColourProgram
//   5. Update and SwapBuffers
//   6. Lookups: GetShader, GetSpriteSheet, ReleaseActiveCamera, ClientSize
#include "graphics/GraphicsSystem.h"
#include <GL/glew.h>
#include "core/objects/ComponentCreator.h"
#include "core/objects/Composition.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "core/window/WindowSystem.h"
#include "graphics/PendingTextures.h"
#include "graphics/Renderer.h"
#include "graphics/Shader.h"
#include "platform/Platform.h"

namespace Framework
{
GraphicsSystem* gGraphicsSystem = nullptr;

namespace
{
// ---- 1. The shader table and the flat colour program's sources --------------
const char* const ArtListPath = "Resources/Art/Art.dat";

// The shader table: name, vertex file, fragment file, in loading order.
struct ShaderFiles
{
    const char* name;
    const char* vertex;
    const char* fragment;
};
const ShaderFiles ShaderTable[] = {
    {"Default", "default.vert", "default.frag"},
    {"Debug", "mesh.vert", "mesh.frag"},
    {"Font", "font.vert", "font.frag"},
    {"Test", "test_shader.vert", "test_shader.frag"},
    {"Multiply", "multiply.vert", "multiply.frag"},
    {"Solid", "solid.vert", "solid.frag"},
};

// Vertex colour only, with the sprite programs' attributes and uniforms.
const char* const FlatColourVertex = R"(#version 330 core
layout(location = 0) in vec3 aPosition;
layout(location = 1) in vec4 aColor;
uniform mat4 transform;
uniform mat4 view;
uniform mat4 projection;
uniform mat4 world;
out vec4 vColor;
void main()
{
    vColor = aColor;
    gl_Position = projection * view * world * transform * vec4(aPosition, 1.0);
}
)";
const char* const FlatColourFragment = R"(#version 330 core
in vec4 vColor;
out vec4 fragColor;
void main() { fragColor = vColor; }
)";

// ---- 2. Helpers -------------------------------------------------------------
// glewInit reports "no GLX display" on an EGL context although every entry point loaded.
bool LoadGLEntryPoints()
{
    glewExperimental = GL_TRUE;
    const GLenum result = glewInit();
    while (glGetError() != GL_NO_ERROR)
    {
    }
    return result == GLEW_OK || (result == GLEW_ERROR_NO_GLX_DISPLAY && GLEW_VERSION_3_3);
}

// The input's view of the active camera, for the cursor's world position.
bool ActiveCameraView(CameraView& view)
{
    const Camera* camera = gGraphicsSystem ? gGraphicsSystem->GetActiveCamera() : nullptr;
    if (!camera)
        return false;
    view.mPosition = camera->Position;
    view.mZoom = Vec2(camera->CamSize.x, camera->CamSize.y);
    if (camera->mHalfWidth > 0.0f && camera->mHalfHeight > 0.0f)
        view.mHalfExtent = Vec2(camera->mHalfWidth, camera->mHalfHeight);
    return true;
}

// The tile grid's tileset name is the one the graphics system draws with.
std::string* SharedTilesetName() { return gGraphicsSystem ? &gGraphicsSystem->mTilesetName : nullptr; }
} // namespace

// ---- 3. Construction and the rendering environment --------------------------
GraphicsSystem::GraphicsSystem()
{
    gGraphicsSystem = this;
    gActiveView = &ActiveCameraView;
    TileGrid::sTilesetName = SharedTilesetName;
}

GraphicsSystem::~GraphicsSystem()
{
    CleanRenderingEnvironment();
    if (gGraphicsSystem == this)
        gGraphicsSystem = nullptr;
}

void GraphicsSystem::Init()
{
    Log("GraphicsSystem::Init()");
    InitRenderingEnvironment();
    if (!mContextReady)
        return;
    LoadShaders();
    LoadFont();
    BuildFlatColourProgram();

    glGenVertexArrays(1, &mSpriteVertexArray);
    glGenBuffers(1, &mSpriteVertexBuffer);
    glGenVertexArrays(1, &mTextVertexArray);
    glGenBuffers(1, &mTextVertexBuffer);

    RegisterRenderComponentCreators();
    if (gFactory)
        gFactory->AddComponentCreator("Camera", new ComponentCreatorType<Camera>(ComponentType::Camera));

    mTileTextureNames.push_back("TilePlatform");
    mTileTextureNames.push_back("TilePlatform2");
    mTileTextureNames.push_back("TilePlatform3");
    mTilesetName = mTileTextureNames.front();
}

bool GraphicsSystem::InitRenderingEnvironment()
{
    Log("Initializing Rendering Environment");
    SetActiveCamera(&mEditorCamera);
    int screenWidth = 0, screenHeight = 0;
    Platform::GetScreenSize(screenWidth, screenHeight);
    if (screenWidth <= 0 || screenHeight <= 0)
        return false;
    if (!Platform::CreateGLContext())
        return false;
    mContextReady = LoadGLEntryPoints();
    if (!mContextReady)
        return false;

    int width = 0, height = 0;
    ClientSize(width, height);
    mEditorCamera.SetUpForEditing(static_cast<float>(width), static_cast<float>(height));

    mArtListRead = ReadArtList(ArtListPath, mSpriteSheets);
    return true;
}

void GraphicsSystem::CleanRenderingEnvironment()
{
    // A list that was never read (or not whole) would be written back short.
    if (mArtListRead)
        WriteArtList(ArtListPath, mSpriteSheets);
    mArtListRead = false;
    if (!mContextReady || !Platform::HasGLContext())
        return;
    // The context itself outlives the systems (the editor still draws with it);
    // what this system made goes now.
    for (auto& [key, sheet] : mSpriteSheets)
        if (sheet.mId != 0)
        {
            GLuint id = sheet.mId;
            glDeleteTextures(1, &id);
            sheet.mId = 0;
        }
    // A name GL hands out again later must not take a dead sheet's pixels.
    PendingTextures::ForgetAll();
    for (auto& [name, program] : mShaders)
        if (program != 0 && program != ShaderNotBuilt)
            glDeleteProgram(program);
    mShaders.clear();
    if (mGlyphAtlas)
    {
        GLuint atlas = mGlyphAtlas;
        glDeleteTextures(1, &atlas);
        mGlyphAtlas = 0;
    }
    if (mFlatColourProgram)
        glDeleteProgram(mFlatColourProgram);
    glDeleteVertexArrays(1, &mSpriteVertexArray);
    glDeleteBuffers(1, &mSpriteVertexBuffer);
    glDeleteVertexArrays(1, &mTextVertexArray);
    glDeleteBuffers(1, &mTextVertexBuffer);
    mFlatColourProgram = mSpriteVertexArray = mSpriteVertexBuffer = 0;
    mSpriteBufferBytes = mSpriteIndexOffset = mTextBufferBytes = 0;
    mMatrixLocations.clear();
    mTextVertexArray = mTextVertexBuffer = 0;
    mContextReady = false;
}

// ---- 4. Shaders -------------------------------------------------------------
void GraphicsSystem::LoadShaders()
{
    // Each program is built when first asked for: compiling costs the
    // software driver time and memory, and most levels use two or three.
    for (const ShaderFiles& files : ShaderTable)
        mShaders.emplace(files.name, std::string(files.name) != "None" ? ShaderNotBuilt : 0u);
}

uint32_t GraphicsSystem::BuildShader(const std::string& name)
{
    for (const ShaderFiles& files : ShaderTable)
        if (name == files.name)
            return Shader(files.vertex, files.fragment).mProgram;
    return 0;
}

void GraphicsSystem::BuildFlatColourProgram()
{
    mFlatColourProgram = Shader::BuildProgram(FlatColourVertex, FlatColourFragment);
}

// ---- 5. Update and SwapBuffers ----------------------------------------------
void GraphicsSystem::Update(float dt)
{
    BeginFrame();
    DrawTileMap();
    FlushSprites();
    if (gLogic && gLogic->mState.mCurrent == GameState::EDITOR)
    {
        const Color blue(0.0f, 0.0f, 1.0f, 1.0f);
        const float left[2] = {-100.0f, 0.0f}, right[2] = {100.0f, 0.0f};
        const float bottom[2] = {0.0f, -100.0f}, top[2] = {0.0f, 100.0f};
        DrawLine(left, right, blue);
        DrawLine(bottom, top, blue);
    }
    FlushDebug();
    mDebugIndices.clear();
    mDebugVertices.clear();
    DrawAllText(GetShader("Font"));

    // In the editor the level's own camera only shows where it looks.
    if (gLogic && gLogic->mState.mCurrent == GameState::EDITOR && gFactory)
        if (Composition* object = gFactory->FindObject("MainCamera"))
            if (Camera* camera = object->GetComponent<Camera>())
                camera->Update(dt);
}

void GraphicsSystem::SwapBuffers() { Platform::SwapBuffers(); }

// ---- 6. Lookups -------------------------------------------------------------
uint32_t GraphicsSystem::GetShader(const std::string& name)
{
    uint32_t& program = mShaders.emplace(name, 0u).first->second;
    if (program == ShaderNotBuilt)
        program = mContextReady ? BuildShader(name) : 0u;
    return program;
}

SpriteSheet* GraphicsSystem::GetSpriteSheet(const std::string& key)
{
    if (!gGraphicsSystem)
        return nullptr;
    auto found = gGraphicsSystem->mSpriteSheets.find(key);
    return found == gGraphicsSystem->mSpriteSheets.end() ? nullptr : &found->second;
}

void GraphicsSystem::ReleaseActiveCamera(Camera* camera)
{
    Camera* expected = camera;
    mActiveCamera.compare_exchange_strong(expected, &mEditorCamera);
}

void GraphicsSystem::ClientSize(int& width, int& height)
{
    width = gWindowSystem ? gWindowSystem->mWidth : 0;
    height = gWindowSystem ? gWindowSystem->mHeight : 0;
    if (width <= 0 || height <= 0)
        Platform::GetWindowClientSize(width, height);
}
} // namespace Framework
