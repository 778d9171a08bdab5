// The shader table: every shipped program links; a missing file still leaves an entry.
#include <GL/glew.h>
#include <cstdio>
#include "GraphicsTestSupport.h"
#include "graphics/Shader.h"

using namespace Framework;

namespace
{
bool Linked(uint32_t program)
{
    GLint status = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    return status == GL_TRUE;
}

class ShaderTableTest : public GraphicsTest::PixelTest
{
};

TEST_F(ShaderTableTest, EveryShippedProgramLinks)
{
    for (const char* name : {"Default", "Debug", "Font", "Test", "Multiply", "Solid"})
    {
        ASSERT_EQ(mGraphics->mShaders.count(name), 1u) << name;
        const uint32_t program = mGraphics->GetShader(name); // built on first use
        EXPECT_NE(program, 0u) << name;
        EXPECT_TRUE(Linked(program)) << name;
    }
    EXPECT_TRUE(Linked(mGraphics->mFlatColourProgram));
}

TEST_F(ShaderTableTest, MissingFileStillGivesAProgramThatFailedToLink)
{
    std::remove(mFolder.File("Resources/Shaders/solid.frag").c_str());
    const Shader shader("solid.vert", "solid.frag");
    EXPECT_NE(shader.mProgram, 0u);
    EXPECT_FALSE(Linked(shader.mProgram));
    glDeleteProgram(shader.mProgram);
}
} // namespace
