// The output half of the binding: ImGui's draw lists drawn with our own GL 3.3
// program, and the GL objects that needs (program, buffers, font texture).
//
// Contents:
//   1. The program's GL objects and shader sources
//   2. Shader and link failures in the log
//   3. Saving and restoring the engine's GL state
//   4. The editor's draw state and one draw list: UseEditorDrawState, DrawList,
//      UploadFirstShownSheets
//   5. RenderDrawLists
//   6. Device objects: creating the device objects and the font texture, releasing them
#include <GL/glew.h>
#include <imgui.h>
#include <string>
#include <vector>
#include "core/engine/DebugSystem.h"
#include "editor/OurImGui.h"
#include "graphics/PendingTextures.h"

namespace Framework
{
namespace
{
// ---- 1. The program's GL objects and shader sources -------------------------
static_assert(sizeof(ImDrawVert) == 20, "the vertex layout below is 20 bytes a vertex");
static_assert(sizeof(ImDrawIdx) == 2, "indices are drawn as 16-bit");

// One set for the program: there is one editor and one GL context.
GLuint sProgram = 0;
GLuint sVertexShader = 0;
GLuint sFragmentShader = 0;
GLint sTextureLocation = 0;
GLint sProjectionLocation = 0;
GLint sPositionLocation = 0;
GLint sUvLocation = 0;
GLint sColorLocation = 0;
GLuint sVertexBuffer = 0;
GLuint sElementBuffer = 0;
GLuint sVertexArray = 0;
GLuint sFontTexture = 0;
bool sLinked = false; // a program that did not link is never used

const char* const kVertexShader = "#version 330\n"
                                  "uniform mat4 ProjMtx;\n"
                                  "in vec2 Position;\n"
                                  "in vec2 UV;\n"
                                  "in vec4 Color;\n"
                                  "out vec2 Frag_UV;\n"
                                  "out vec4 Frag_Color;\n"
                                  "void main()\n"
                                  "{\n"
                                  "\tFrag_UV = UV;\n"
                                  "\tFrag_Color = Color;\n"
                                  "\tgl_Position = ProjMtx * vec4(Position.xy,0,1);\n"
                                  "}\n";

const char* const kFragmentShader = "#version 330\n"
                                    "uniform sampler2D Texture;\n"
                                    "in vec2 Frag_UV;\n"
                                    "in vec4 Frag_Color;\n"
                                    "out vec4 Out_Color;\n"
                                    "void main()\n"
                                    "{\n"
                                    "\tOut_Color = Frag_Color * texture( Texture, Frag_UV.st);\n"
                                    "}\n";

// ---- 2. Shader and link failures in the log ---------------------------------
// A shader that does not compile leaves the editor invisible: say why.
void LogShaderFailure(GLuint shader, const char* what)
{
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok == GL_TRUE)
        return;
    char text[1024] = {};
    glGetShaderInfoLog(shader, sizeof(text), nullptr, text);
    Log(std::string("Editor ") + what + " shader failed to compile: " + text);
}

bool LinkedOrLogged(GLuint program)
{
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok == GL_TRUE)
        return true;
    char text[1024] = {};
    glGetProgramInfoLog(program, sizeof(text), nullptr, text);
    Log(std::string("Editor shader program failed to link: ") + text);
    return false;
}

// ---- 3. Saving and restoring the engine's GL state --------------------------
void SetCapability(GLenum capability, GLboolean on)
{
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

// What the rest of the engine had bound and enabled before the editor draws.
struct SavedGlState
{
    GLint mActiveTexture = 0, mProgram = 0, mTexture = 0, mArrayBuffer = 0, mElementBuffer = 0, mVertexArray = 0;
    GLint mBlendSrcRgb = 0, mBlendDstRgb = 0, mBlendSrcAlpha = 0, mBlendDstAlpha = 0;
    GLint mBlendEquationRgb = 0, mBlendEquationAlpha = 0;
    GLboolean mBlend = GL_FALSE, mCullFace = GL_FALSE, mDepthTest = GL_FALSE, mScissorTest = GL_FALSE;
};

// Also makes texture unit 0 active: the editor's textures bind there.
SavedGlState SaveGlState()
{
    SavedGlState last;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &last.mActiveTexture);
    glGetIntegerv(GL_CURRENT_PROGRAM, &last.mProgram);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &last.mTexture);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &last.mArrayBuffer);
    glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &last.mElementBuffer);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &last.mVertexArray);
    glGetIntegerv(GL_BLEND_SRC_RGB, &last.mBlendSrcRgb);
    glGetIntegerv(GL_BLEND_DST_RGB, &last.mBlendDstRgb);
    glGetIntegerv(GL_BLEND_SRC_ALPHA, &last.mBlendSrcAlpha);
    glGetIntegerv(GL_BLEND_DST_ALPHA, &last.mBlendDstAlpha);
    glGetIntegerv(GL_BLEND_EQUATION_RGB, &last.mBlendEquationRgb);
    glGetIntegerv(GL_BLEND_EQUATION_ALPHA, &last.mBlendEquationAlpha);
    last.mBlend = glIsEnabled(GL_BLEND);
    last.mCullFace = glIsEnabled(GL_CULL_FACE);
    last.mDepthTest = glIsEnabled(GL_DEPTH_TEST);
    last.mScissorTest = glIsEnabled(GL_SCISSOR_TEST);
    return last;
}

void RestoreGlState(const SavedGlState& last)
{
    glUseProgram(static_cast<GLuint>(last.mProgram));
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(last.mTexture));
    glActiveTexture(static_cast<GLenum>(last.mActiveTexture));
    glBindVertexArray(static_cast<GLuint>(last.mVertexArray));
    glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(last.mArrayBuffer));
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLuint>(last.mElementBuffer));
    glBlendEquationSeparate(static_cast<GLenum>(last.mBlendEquationRgb), static_cast<GLenum>(last.mBlendEquationAlpha));
    glBlendFuncSeparate(static_cast<GLenum>(last.mBlendSrcRgb), static_cast<GLenum>(last.mBlendDstRgb),
                        static_cast<GLenum>(last.mBlendSrcAlpha), static_cast<GLenum>(last.mBlendDstAlpha));
    SetCapability(GL_BLEND, last.mBlend);
    SetCapability(GL_CULL_FACE, last.mCullFace);
    SetCapability(GL_DEPTH_TEST, last.mDepthTest);
    SetCapability(GL_SCISSOR_TEST, last.mScissorTest);
}

// ---- 4. The editor's draw state and one draw list ---------------------------
// Alpha blending, scissored, no culling or depth, and the editor's program
// with a projection of the display in pixels.
void UseEditorDrawState(const ImGuiIO& io, int fbWidth, int fbHeight)
{
    glEnable(GL_BLEND);
    glBlendEquation(GL_FUNC_ADD);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_SCISSOR_TEST);
    glViewport(0, 0, fbWidth, fbHeight);

    // Pixel (0, 0) is the top-left corner.
    const float w = io.DisplaySize.x, h = io.DisplaySize.y;
    const float projection[4][4] = {
        {2.0f / w, 0.0f, 0.0f, 0.0f},
        {0.0f, -2.0f / h, 0.0f, 0.0f},
        {0.0f, 0.0f, -1.0f, 0.0f},
        {-1.0f, 1.0f, 0.0f, 1.0f},
    };
    glUseProgram(sProgram);
    glUniform1i(sTextureLocation, 0);
    glUniformMatrix4fv(sProjectionLocation, 1, GL_FALSE, &projection[0][0]);
    glBindVertexArray(sVertexArray);
}

// One draw list: its vertices and indices uploaded, then each command drawn
// in its clip box or its callback run.
void DrawList(const ImDrawList* list, int fbHeight)
{
    glBindBuffer(GL_ARRAY_BUFFER, sVertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(list->VtxBuffer.Size) * sizeof(ImDrawVert),
                 list->VtxBuffer.Data, GL_STREAM_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, sElementBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(list->IdxBuffer.Size) * sizeof(ImDrawIdx),
                 list->IdxBuffer.Data, GL_STREAM_DRAW);
    size_t offset = 0;
    for (const ImDrawCmd& cmd : list->CmdBuffer)
    {
        if (cmd.UserCallback)
        {
            // The reset sentinel is a marker, not a function.
            if (cmd.UserCallback != ImDrawCallback_ResetRenderState)
                cmd.UserCallback(list, &cmd);
        }
        else
        {
            const ImVec4& clip = cmd.ClipRect;
            const int clipWidth = static_cast<int>(clip.z - clip.x);
            const int clipHeight = static_cast<int>(clip.w - clip.y);
            // An empty or inverted clip draws nothing (GL refuses a negative box).
            if (clipWidth > 0 && clipHeight > 0)
            {
                glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(reinterpret_cast<intptr_t>(cmd.TextureId)));
                glScissor(static_cast<int>(clip.x), fbHeight - static_cast<int>(clip.w), clipWidth, clipHeight);
                glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(cmd.ElemCount), GL_UNSIGNED_SHORT,
                               reinterpret_cast<const void*>(offset * sizeof(ImDrawIdx)));
            }
        }
        offset += cmd.ElemCount;
    }
}
// Sheets the panels show that no frame has drawn yet get their pixels first,
// all at once.
void UploadFirstShownSheets(const ImDrawData* drawData)
{
    if (!PendingTextures::Any())
        return;
    std::vector<uint32_t> first;
    for (int n = 0; n < drawData->CmdListsCount; ++n)
        for (const ImDrawCmd& cmd : drawData->CmdLists[n]->CmdBuffer)
        {
            const auto texture = static_cast<uint32_t>(reinterpret_cast<intptr_t>(cmd.TextureId));
            if (!cmd.UserCallback && PendingTextures::Contains(texture))
                first.push_back(texture);
        }
    if (!first.empty())
        PendingTextures::Upload(first.data(), first.size());
}
} // namespace

// ---- 5. RenderDrawLists -----------------------------------------------------
bool OurImGui::HasDeviceObjects() const { return sProgram != 0 && sVertexArray != 0 && sLinked; }

void OurImGui::RenderDrawLists(ImDrawData* drawData)
{
    if (!drawData || !HasDeviceObjects())
        return;
    ImGuiIO& io = *mIo;
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    const int fbWidth = static_cast<int>(io.DisplaySize.x * io.DisplayFramebufferScale.x);
    const int fbHeight = static_cast<int>(io.DisplaySize.y * io.DisplayFramebufferScale.y);
    if (fbWidth <= 0 || fbHeight <= 0)
        return; // minimised
    drawData->ScaleClipRects(io.DisplayFramebufferScale);

    const SavedGlState last = SaveGlState();
    UploadFirstShownSheets(drawData);
    UseEditorDrawState(io, fbWidth, fbHeight);
    for (int n = 0; n < drawData->CmdListsCount; ++n)
        DrawList(drawData->CmdLists[n], fbHeight);
    RestoreGlState(last);
}

// ---- 6. Device objects ------------------------------------------------------
bool OurImGui::CreateDeviceObjects()
{
    GLint lastTexture = 0, lastArrayBuffer = 0, lastVertexArray = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &lastTexture);
    glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &lastArrayBuffer);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &lastVertexArray);

    sProgram = glCreateProgram();
    sVertexShader = glCreateShader(GL_VERTEX_SHADER);
    sFragmentShader = glCreateShader(GL_FRAGMENT_SHADER);
    glShaderSource(sVertexShader, 1, &kVertexShader, nullptr);
    glShaderSource(sFragmentShader, 1, &kFragmentShader, nullptr);
    glCompileShader(sVertexShader);
    LogShaderFailure(sVertexShader, "vertex");
    glCompileShader(sFragmentShader);
    LogShaderFailure(sFragmentShader, "fragment");
    glAttachShader(sProgram, sVertexShader);
    glAttachShader(sProgram, sFragmentShader);
    glLinkProgram(sProgram);
    const bool linked = LinkedOrLogged(sProgram);
    sLinked = linked;

    sTextureLocation = glGetUniformLocation(sProgram, "Texture");
    sProjectionLocation = glGetUniformLocation(sProgram, "ProjMtx");
    sPositionLocation = glGetAttribLocation(sProgram, "Position");
    sUvLocation = glGetAttribLocation(sProgram, "UV");
    sColorLocation = glGetAttribLocation(sProgram, "Color");

    glGenBuffers(1, &sVertexBuffer);
    glGenBuffers(1, &sElementBuffer);
    glGenVertexArrays(1, &sVertexArray);
    glBindVertexArray(sVertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, sVertexBuffer);
    // A program that did not link has no attributes to feed.
    if (linked)
    {
        glEnableVertexAttribArray(static_cast<GLuint>(sPositionLocation));
        glEnableVertexAttribArray(static_cast<GLuint>(sUvLocation));
        glEnableVertexAttribArray(static_cast<GLuint>(sColorLocation));
        glVertexAttribPointer(static_cast<GLuint>(sPositionLocation), 2, GL_FLOAT, GL_FALSE, sizeof(ImDrawVert),
                              reinterpret_cast<const void*>(IM_OFFSETOF(ImDrawVert, pos)));
        glVertexAttribPointer(static_cast<GLuint>(sUvLocation), 2, GL_FLOAT, GL_FALSE, sizeof(ImDrawVert),
                              reinterpret_cast<const void*>(IM_OFFSETOF(ImDrawVert, uv)));
        glVertexAttribPointer(static_cast<GLuint>(sColorLocation), 4, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(ImDrawVert),
                              reinterpret_cast<const void*>(IM_OFFSETOF(ImDrawVert, col)));
    }

    CreateFontsTexture();

    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(lastTexture));
    glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(lastArrayBuffer));
    glBindVertexArray(static_cast<GLuint>(lastVertexArray));
    return linked;
}

void OurImGui::CreateFontsTexture()
{
    ImFontAtlas* atlas = mIo->Fonts;
    unsigned char* pixels = nullptr;
    int width = 0, height = 0;
    // Builds the atlas when it is not built yet; ImGui needs it built for a frame.
    atlas->GetTexDataAsRGBA32(&pixels, &width, &height);
    if (sProgram != 0)
    {
        glGenTextures(1, &sFontTexture);
        glBindTexture(GL_TEXTURE_2D, sFontTexture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
        atlas->SetTexID(reinterpret_cast<ImTextureID>(static_cast<intptr_t>(sFontTexture)));
    }
    // The pixel copies are on the GPU now. The font sources stay: this ImGui
    // keeps the software pointer's shapes among them, and drawing that pointer
    // without them stops the program.
    atlas->ClearTexData();
}

void OurImGui::InvalidateDeviceObjects()
{
    if (sVertexArray)
        glDeleteVertexArrays(1, &sVertexArray);
    if (sVertexBuffer)
        glDeleteBuffers(1, &sVertexBuffer);
    if (sElementBuffer)
        glDeleteBuffers(1, &sElementBuffer);
    sVertexArray = sVertexBuffer = sElementBuffer = 0;
    if (sProgram && sVertexShader)
        glDetachShader(sProgram, sVertexShader);
    if (sVertexShader)
        glDeleteShader(sVertexShader);
    sVertexShader = 0;
    if (sProgram && sFragmentShader)
        glDetachShader(sProgram, sFragmentShader);
    if (sFragmentShader)
        glDeleteShader(sFragmentShader);
    sFragmentShader = 0;
    if (sProgram)
        glDeleteProgram(sProgram);
    sProgram = 0;
    sLinked = false;
    if (sFontTexture)
    {
        glDeleteTextures(1, &sFontTexture);
        if (mIo)
            mIo->Fonts->SetTexID(nullptr);
        sFontTexture = 0;
    }
}
} // namespace Framework
