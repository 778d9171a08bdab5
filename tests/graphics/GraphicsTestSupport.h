// Fixtures of the graphics tests: a copy of Resources/ to run in, and a real
// GL window (created once per test program) for pixel read-back.
#pragma once
#include <gtest/gtest.h>
#include <memory>
#include "graphics/GraphicsSystem.h"
#include "support/TestSupport.h"

namespace GraphicsTest
{
struct Pixel
{
    int r, g, b, a;
};

// Runs each test in a temporary copy of Resources/.
class ResourceFolderTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;
    std::string ArtFile(const std::string& name) const { return mFolder.File("Resources/Art/" + name); }

    TestSupport::TempFolder mFolder;
    std::unique_ptr<TestSupport::WorkingDirectory> mWorkingDirectory;
};

// A graphics system initialised on the shared window, in a copy of Resources/.
// Skips when there is no display.
class PixelTest : public ResourceFolderTest
{
protected:
    static constexpr int Width = 320;
    static constexpr int Height = 240;

    void SetUp() override;
    void TearDown() override;
    // Reads one pixel of the back buffer; (x, y) from the window's top-left.
    // (Mesa's software swap copies, so the back buffer still holds a swapped frame.)
    static Pixel ReadPixel(int x, int y);
    // Window pixel of a world point seen by the editor camera.
    Pixel ReadWorld(float x, float y) const;

    std::unique_ptr<Framework::GraphicsSystem> mGraphics;
};

// A 16-bit binary PPM header of width x height with its pixel data cut short:
// what stb_image would decode through its 16-to-8-bit conversion.
std::string ShortSixteenBitPpm(int width, int height);

// True when the value is within 2 of the expected one (rounding of blending).
::testing::AssertionResult Near(const Pixel& actual, const Pixel& expected);
} // namespace GraphicsTest
