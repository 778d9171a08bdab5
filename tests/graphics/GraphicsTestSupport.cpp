#include "GraphicsTestSupport.h"
#include <GL/glew.h>
#include <cmath>
#include <cstdlib>
#include "platform/Platform.h"

namespace GraphicsTest
{
namespace
{
Pixel Read(GLenum buffer, int x, int y, int height)
{
    unsigned char rgba[4] = {};
    glReadBuffer(buffer);
    glReadPixels(x, height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2], rgba[3]};
}
} // namespace

void ResourceFolderTest::SetUp()
{
    TestSupport::CopyResources(mFolder.Path());
    mWorkingDirectory = std::make_unique<TestSupport::WorkingDirectory>(mFolder.Path());
}

void ResourceFolderTest::TearDown() { mWorkingDirectory.reset(); }

void PixelTest::SetUp()
{
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        GTEST_SKIP() << "no display";
    ResourceFolderTest::SetUp();
    static bool windowMade = false;
    if (!windowMade)
    {
        ASSERT_TRUE(Framework::Platform::CreateMainWindow("graphics test", Width, Height));
        Framework::Platform::ShowMainWindow();
        windowMade = true;
    }
    mGraphics = std::make_unique<Framework::GraphicsSystem>();
    mGraphics->Init();
    ASSERT_TRUE(mGraphics->mContextReady);
}

void PixelTest::TearDown()
{
    mGraphics.reset();
    ResourceFolderTest::TearDown();
}

Pixel PixelTest::ReadPixel(int x, int y) { return Read(GL_BACK, x, y, Height); }

Pixel PixelTest::ReadWorld(float x, float y) const
{
    const Framework::Camera* camera = mGraphics->GetActiveCamera();
    const float px = Width / 2.0f + (x - camera->Position.x) * camera->CamSize.x;
    const float py = Height / 2.0f - (y - camera->Position.y) * camera->CamSize.y;
    return ReadPixel(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py)));
}

std::string ShortSixteenBitPpm(int width, int height)
{
    return "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n65535\n" + std::string(6, '\x7f');
}

::testing::AssertionResult Near(const Pixel& actual, const Pixel& expected)
{
    auto close = [](int a, int b) { return std::abs(a - b) <= 2; };
    if (close(actual.r, expected.r) && close(actual.g, expected.g) && close(actual.b, expected.b))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << actual.r << ", " << actual.g << ", " << actual.b
                                         << ") expected (" << expected.r << ", " << expected.g << ", " << expected.b
                                         << ")";
}
} // namespace GraphicsTest
