// The game's state machine: game states, the level of each state, the
// unlocked levels, and what the frame keeps between frames. The frame itself
// (keys, the mouse, loading and flushing levels, pausing) drives the systems
// and the scripts above this layer: it lives in game/ and reaches this class
// through the hooks below, which it sets when it is installed.
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
    // Applies the current state's settings and loads its level on the loader
    // thread, drawing loading frames until it is done (through sSwitchLevel).
    void SwitchLevel()
    {
        if (sSwitchLevel)
            sSwitchLevel(*this);
    }

    // Set by the game's frame; null: a switch changes nothing.
    using SwitchHook = void (*)(LevelState& state);
    static SwitchHook sSwitchLevel;
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
    // The game's frame (sFrame), when one is installed.
    void Update(float dt) override
    {
        if (sFrame)
            sFrame(*this, dt);
    }
    // Registers the Transform creator.
    void Init() override;
    std::string GetName() override { return "GameLogic"; }
    // Handed to the game's frame (sMessage): losing the window's focus in a
    // level pauses the loop, physics and sound.
    void SendMessage(Message* message) override
    {
        if (sMessage)
            sMessage(*this, message);
    }

    // Set by the game's frame when it is installed; null: the state only.
    using FrameHook = void (*)(GameLogic& logic, float dt);
    using MessageHook = void (*)(GameLogic& logic, Message* message);
    static FrameHook sFrame;
    static MessageHook sMessage;

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
