#include "support/SyntheticInput.h"
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace TestSupport
{
bool HaveCommand(const std::string& name)
{
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

std::string CommandOutput(const std::string& command)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, read);
    return pclose(pipe) == 0 ? output : std::string();
}

bool SyntheticInput::FindWindow(const std::string& title, int seconds)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end)
    {
        // Titles are matched as patterns: anchor the whole title.
        std::istringstream ids(CommandOutput("xdotool search --name '^" + title + "$' 2>/dev/null"));
        std::vector<std::string> found;
        for (std::string id; ids >> id;)
            found.push_back(id);
        if (found.size() == 1)
        {
            mWindow = found.front();
            // Shell-style lines: "X=0", "Y=0", "WIDTH=1366", "HEIGHT=768", ...
            std::istringstream geometry(CommandOutput("xdotool getwindowgeometry --shell " + mWindow));
            for (std::string line; std::getline(geometry, line);)
            {
                const size_t equals = line.find('=');
                if (equals == std::string::npos)
                    continue;
                const std::string name = line.substr(0, equals);
                const int value = std::atoi(line.c_str() + equals + 1);
                if (name == "X")
                    mX = value;
                else if (name == "Y")
                    mY = value;
                else if (name == "WIDTH")
                    mWidth = value;
                else if (name == "HEIGHT")
                    mHeight = value;
            }
            if (mWidth > 0 && mHeight > 0)
                return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return false;
}

bool SyntheticInput::Run(const std::string& arguments)
{
    return std::system(("xdotool " + arguments + " >/dev/null 2>&1").c_str()) == 0;
}

void SyntheticInput::Focus() { Run("windowfocus --sync " + mWindow); }

void SyntheticInput::Tap(const std::string& key, double holdSeconds)
{
    Run("keydown " + key + " sleep " + std::to_string(holdSeconds) + " keyup " + key);
}

void SyntheticInput::Click(int x, int y)
{
    Run("mousemove --window " + mWindow + " --sync " + std::to_string(x) + " " + std::to_string(y) +
        " sleep 0.2 click 8 sleep 0.3 mousedown 1 sleep 0.15 mouseup 1");
}

bool ScreenImage::Grab()
{
    const std::string ppm = CommandOutput("import -silent -window root -depth 8 ppm:- 2>/dev/null");
    // "P6", width, height, maximum value, one whitespace, then the pixels.
    std::istringstream header(ppm);
    std::string magic;
    int maximum = 0;
    header >> magic >> mWidth >> mHeight >> maximum;
    if (magic != "P6" || mWidth <= 0 || mHeight <= 0 || maximum != 255)
        return false;
    const std::streamoff start = static_cast<std::streamoff>(header.tellg()) + 1;
    const size_t size = static_cast<size_t>(mWidth) * static_cast<size_t>(mHeight) * 3;
    if (start <= 0 || ppm.size() < static_cast<size_t>(start) + size)
        return false;
    mRgb.assign(ppm.begin() + start, ppm.begin() + start + static_cast<std::streamoff>(size));
    return true;
}

void ScreenImage::Pixel(int x, int y, int& r, int& g, int& b) const
{
    r = g = b = 0;
    if (x < 0 || y < 0 || x >= mWidth || y >= mHeight)
        return;
    const size_t at = (static_cast<size_t>(y) * static_cast<size_t>(mWidth) + static_cast<size_t>(x)) * 3;
    r = mRgb[at];
    g = mRgb[at + 1];
    b = mRgb[at + 2];
}

std::string ScreenImage::Describe(int x, int y) const
{
    int r = 0, g = 0, b = 0;
    Pixel(x, y, r, g, b);
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ") = " + std::to_string(r) + " " + std::to_string(g) +
           " " + std::to_string(b);
}
} // namespace TestSupport
