// The binding's GL half on a real context (Xvfb and Mesa): the state it
// leaves behind and the pixels it draws.
#include <gtest/gtest.h>
#include <GL/glew.h>
#include <cstdlib>
#include <memory>
#include "graphics/GraphicsSystem.h"
#include "platform/Platform.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::EditorHarness;

namespace
{
// The harness's window size (it sizes the one window of the program).
constexpr int Width = EditorHarness::Width;
constexpr int Height = EditorHarness::Height;

class EditorGl : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char* display = std::getenv("DISPLAY");
        if (!display || !*display)
            GTEST_SKIP() << "no display";
        static bool windowMade = false;
        if (!windowMade)
        {
            ASSERT_TRUE(Platform::CreateMainWindow("editor test", Width, Height));
            Platform::ShowMainWindow();
            windowMade = true;
        }
        // The graphics system makes the context in Init; the editor then makes its GL objects.
        mEditor = std::make_unique<EditorHarness>(true);
        ASSERT_TRUE(mEditor->mWorld->mGraphics->mContextReady);
        ASSERT_TRUE(mEditor->mEditor->HasDeviceObjects());
        mEditor->mEditor->Update(EditorHarness::Dt); // windows appear from their first frame on
    }

    std::unique_ptr<EditorHarness> mEditor;
};

struct GlState
{
    GLint program, texture, arrayBuffer, elementBuffer, vertexArray, activeTexture;
    GLint blendSrcRgb, blendDstRgb, blendSrcAlpha, blendDstAlpha, blendEquationRgb, blendEquationAlpha;
    GLboolean blend, cullFace, depthTest, scissorTest;

    static GlState Read()
    {
        GlState s{};
        glGetIntegerv(GL_CURRENT_PROGRAM, &s.program);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &s.texture);
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &s.arrayBuffer);
        glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &s.elementBuffer);
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &s.vertexArray);
        glGetIntegerv(GL_ACTIVE_TEXTURE, &s.activeTexture);
        glGetIntegerv(GL_BLEND_SRC_RGB, &s.blendSrcRgb);
        glGetIntegerv(GL_BLEND_DST_RGB, &s.blendDstRgb);
        glGetIntegerv(GL_BLEND_SRC_ALPHA, &s.blendSrcAlpha);
        glGetIntegerv(GL_BLEND_DST_ALPHA, &s.blendDstAlpha);
        glGetIntegerv(GL_BLEND_EQUATION_RGB, &s.blendEquationRgb);
        glGetIntegerv(GL_BLEND_EQUATION_ALPHA, &s.blendEquationAlpha);
        s.blend = glIsEnabled(GL_BLEND);
        s.cullFace = glIsEnabled(GL_CULL_FACE);
        s.depthTest = glIsEnabled(GL_DEPTH_TEST);
        s.scissorTest = glIsEnabled(GL_SCISSOR_TEST);
        return s;
    }
};

void ExpectSame(const GlState& a, const GlState& b)
{
    EXPECT_EQ(a.program, b.program);
    EXPECT_EQ(a.texture, b.texture);
    EXPECT_EQ(a.arrayBuffer, b.arrayBuffer);
    EXPECT_EQ(a.elementBuffer, b.elementBuffer);
    EXPECT_EQ(a.vertexArray, b.vertexArray);
    EXPECT_EQ(a.activeTexture, b.activeTexture);
    EXPECT_EQ(a.blendSrcRgb, b.blendSrcRgb);
    EXPECT_EQ(a.blendDstRgb, b.blendDstRgb);
    EXPECT_EQ(a.blendSrcAlpha, b.blendSrcAlpha);
    EXPECT_EQ(a.blendDstAlpha, b.blendDstAlpha);
    EXPECT_EQ(a.blendEquationRgb, b.blendEquationRgb);
    EXPECT_EQ(a.blendEquationAlpha, b.blendEquationAlpha);
    EXPECT_EQ(a.blend, b.blend);
    EXPECT_EQ(a.cullFace, b.cullFace);
    EXPECT_EQ(a.depthTest, b.depthTest);
    EXPECT_EQ(a.scissorTest, b.scissorTest);
}
} // namespace

TEST_F(EditorGl, DrawingLeavesTheGlStateAsItFoundItButThePolygonMode)
{
    // A state unlike the binding's own in every point it touches.
    GLuint texture = 0, buffers[2] = {}, vertexArray = 0;
    glGenTextures(1, &texture);
    glGenBuffers(2, buffers);
    glGenVertexArrays(1, &vertexArray);
    glBindVertexArray(vertexArray);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffers[1]);
    glBindBuffer(GL_ARRAY_BUFFER, buffers[0]);
    glActiveTexture(GL_TEXTURE3);
    glBindTexture(GL_TEXTURE_2D, texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glActiveTexture(GL_TEXTURE3);
    glUseProgram(0);
    glBlendEquationSeparate(GL_FUNC_SUBTRACT, GL_MAX);
    glBlendFuncSeparate(GL_ONE, GL_ZERO, GL_DST_COLOR, GL_SRC_ALPHA);
    glDisable(GL_BLEND);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_SCISSOR_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    const GlState before = GlState::Read();

    mEditor->mEditor->Update(EditorHarness::Dt);
    ASSERT_GT(mEditor->mEditor->mLastDrawListCount, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    ExpectSame(GlState::Read(), before);
    GLint polygonMode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, polygonMode);
    EXPECT_EQ(polygonMode[0], GL_FILL);

    glBindVertexArray(0);
    glDeleteVertexArrays(1, &vertexArray);
    glDeleteBuffers(2, buffers);
    glDeleteTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
}

TEST_F(EditorGl, AWindowBackgroundIsBlendedWithItsAlpha)
{
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, Width, Height);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    mEditor->mEditor->Update(EditorHarness::Dt);

    // Inside "Level Serializables" (from y = 0.7 x 768 + 22, 325 wide), right
    // of its fields and left of its scroll bar: the bare window background,
    // black at 0.7 alpha over the red.
    unsigned char rgba[4] = {};
    glReadBuffer(GL_BACK);
    const int x = 295, y = 610;
    glReadPixels(x, Height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    EXPECT_NEAR(rgba[0], 255 * 0.3, 2.0);
    EXPECT_EQ(rgba[1], 0);
    EXPECT_EQ(rgba[2], 0);

    // Far from every editor window the clear colour stays.
    glReadPixels(1000, Height - 1 - 300, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    EXPECT_EQ(rgba[0], 255);
}
