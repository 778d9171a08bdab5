// The game's state machine: game states, the level of each state, the
// unlocked levels, and what the frame keeps between frames. The frame itself
// (keys, the mouse, loading and flushing levels, pausing) drives the systems
// and the scripts above this layer: it lives in game/ as GameFrame, which
// derives from this class and overrides its frame, message, switch, flush and
// pause. This class alone keeps the state and does nothing in a frame.
#pragma once
#include <map>
#include <string>
#include <vector>
#include "core/math/MathTypes.h"
#include "core/engine/System.h"

namespace Framework
{
namespace GameState
{
enum : uint32_t
{
    NONE = 0,
    EDITOR = 1,
    SPLASH_SCREEN = 2,
    RESTART = 3,
    LEVEL = 4,
    QUIT = 5,
    MAIN_MENU = 6,
    PLAY_STORY = 7,
    LEVEL2 = 8,
    LEVEL3 = 9,
    WinLevel = 10,
    CREDITS = 11,
    Count = 12,
};
}
extern const char* const gGameStateNames[GameState::Count];

// The state block the game loop drives.
struct LevelState
{
    uint32_t mPrevious = GameState::NONE;
    uint32_t mCurrent = GameState::NONE;
    uint32_t mNext = GameState::NONE;
    std::string mNextLevelPath;   // without extension
    std::string mLoadedLevelPath; // the level last loaded by SwitchLevel
    std::string mFirstLevelPath;  // where the story screen leads
    // A quit was asked for (the window closed, SIGTERM): it wins over any
    // switch asked for later, in the same frame or after it.
    bool mQuitRequested = false;

    void SetNextLevel(const std::string& path) { mNextLevelPath = path; }
    void RequestQuit()
    {
        mQuitRequested = true;
        mNext = GameState::QUIT;
    }
    const std::string& GetCurrentLevel() const { return mLoadedLevelPath; }
};

// Display and physics settings a level switch applies; they carry over to
// states that set none of their own.
struct LevelSettings
{
    unsigned mCameraMode = 2; // 1 editor camera controls on, 2 off
    bool mCursorShown = true;
    bool mPhysicsOn = true;
};
extern LevelSettings gLevelSettings;

class Controller;

class GameLogic : public System
{
public:
    GameLogic();
    ~GameLogic() override;
    // The game's frame overrides these; here the state only changes.
    void Update(float) override {}
    // Registers the Transform creator.
    void Init() override;
    std::string GetName() override { return "GameLogic"; }
    void SendMessage(Message*) override {}
    // Applies the current state's settings and loads its level, drawing
    // loading frames until it is done (the engine's loop, at each new state).
    virtual void SwitchLevel() {}
    // Empties the running level (the engine's loop, between two states).
    virtual void FlushLevel() {}
    // What a pause does to the systems (the engine's SetPause, the one way
    // to pause or resume, sets its own flag and calls this).
    virtual void PauseSystems(bool /*paused*/) {}

    // The game settings file: read by the constructor, written by the destructor.
    void LoadSettings();
    void SaveSettings();
    // Marks the loaded level as won (true) or not in the level map.
    void SetLevelUnlocked(bool unlocked);

    LevelState mState;
    std::vector<Controller*> mControllers;       // stepped every frame; not owned
    uint32_t mCursorKind = 0;                    // frame of "MouseCursor" drawn this frame
    uint32_t mUnlockedCount = 0;                 // highest unlocked level, 0 to 9
    std::map<std::string, bool> mUnlockedLevels; // level path -> won
    // The level's camera moves with W A S D (its key mode, set by the camera
    // script): A is then a move, not the unlock of every level.
    bool mCameraOnKeys = false;
};

extern GameLogic* gLogic;
} // namespace Framework
