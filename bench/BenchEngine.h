// The program's systems, started as the program starts them, in a temporary
// copy of the content with a temporary home (the session log included), so a
// benchmark measures the real engine and writes nothing into the repository.
#pragma once
#include <string>

namespace Bench
{
class BenchEngine
{
public:
    // Copies Resources/ from the source tree and starts every system; the
    // window opens on the display SDL finds (run under Xvfb).
    BenchEngine();
    // Stops the systems as the program does and removes the temporary folder.
    ~BenchEngine();
    BenchEngine(const BenchEngine&) = delete;
    BenchEngine& operator=(const BenchEngine&) = delete;

    // Writes the generated level of this many objects into the content copy and
    // returns its level path (as the engine names levels, without extension).
    std::string MakeLevel(int objects, int tileSide = 200);
    // The level file on disk: for the raw parse the load is compared with.
    std::string LevelFile(const std::string& levelPath, const char* extension) const;
    // Loads a level on this thread as the loader thread would, in the level state.
    void LoadLevel(const std::string& levelPath);
    // Switches to the level as the game loop does: in the level state the UI
    // level (the HUD) comes first, unless the level carries its own; the menu
    // and credits states pick their level themselves.
    void PlayLevel(const std::string& levelPath, unsigned gameState);
    // Flushes the level as a level switch does.
    void FlushLevel();

private:
    std::string mFolder;    // the temporary folder: content copy and home
    std::string mSourceCwd; // where the benchmark was started
};
} // namespace Bench
