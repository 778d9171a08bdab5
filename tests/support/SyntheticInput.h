// Plays the real program the way a person would, from outside: keys and
// clicks sent to the X display with xdotool, and what the screen shows read
// back with ImageMagick's import. Both tools act on the display in DISPLAY.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace TestSupport
{
// Whether a command is found on PATH.
bool HaveCommand(const std::string& name);
// Runs a shell command and returns its standard output ("" when it fails).
std::string CommandOutput(const std::string& command);

// The program's window on the display, found by its title, and the input
// that xdotool sends to it.
class SyntheticInput
{
public:
    // Waits up to seconds for exactly one window titled title; false when none shows.
    bool FindWindow(const std::string& title, int seconds);
    // The window's place on the screen and its size, in pixels.
    int X() const { return mX; }
    int Y() const { return mY; }
    int Width() const { return mWidth; }
    int Height() const { return mHeight; }

    // Gives the window the keyboard (the display may run no window manager).
    void Focus();
    // Holds a key (an X key name: "space", "Up", "Right", "Escape") for holdSeconds:
    // the program sees a key only when it is down across a frame.
    void Tap(const std::string& key, double holdSeconds = 0.08);
    // A left click at (x, y) of the window. The X test extension's pointer
    // motion reaches the program's pointer query only with the next button
    // event, so a click of the side button 8 (which the program ignores) comes
    // first to bring the pointer there; the left click then lands where it should.
    void Click(int x, int y);

private:
    bool Run(const std::string& arguments);
    std::string mWindow; // X window id in decimal
    int mX = 0;
    int mY = 0;
    int mWidth = 0;
    int mHeight = 0;
};

// The whole screen as 8-bit RGB, read with "import -window root".
struct ScreenImage
{
    bool Grab();
    // r, g, b at (x, y); black outside the image.
    void Pixel(int x, int y, int& r, int& g, int& b) const;
    std::string Describe(int x, int y) const; // "(x, y) = r g b", for failure messages

    int mWidth = 0;
    int mHeight = 0;
    std::vector<uint8_t> mRgb;
};
} // namespace TestSupport
