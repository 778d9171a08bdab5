// The game's state machine: game states, the level of each state, level loading.
#pragma once
#include <atomic>
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

    void SetNextLevel(const std::string& path) { mNextLevelPath = path; }
    const std::string& GetCurrentLevel() const { return mLoadedLevelPath; }
    // Applies the current state's settings and loads its level on the loader
    // thread, drawing loading frames until it is done.
    void SwitchLevel();
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
struct InputState;

class GameLogic : public System
{
public:
    GameLogic();
    ~GameLogic() override;
    void Update(float dt) override;
    // Registers the Transform creator.
    void Init() override;
    std::string GetName() override { return "GameLogic"; }
    // Losing the window's focus in a level pauses the loop, physics and sound.
    void SendMessage(Message* message) override;

    // Loads a level pair: path.dat into the tile grid, then path.xml's objects,
    // each initialised in file order. Any thread; touches no GameLogic member.
    static void LoadLevel(const std::string& path);
    // The loader thread's body: LoadLevel, the progress lines, then the done flag.
    static void LoadLevelThread(std::string path, std::atomic<bool>* done);
    // Empties the running level: the physics pick and player body, every
    // object, the render lists, every tile with its body, the scripts. The
    // engine's loop calls it between states, the editor before loading a level.
    static void FlushLevel();
    // Pausing stops physics and pauses the sound; the engine's SetPause calls it.
    static void PauseSystems(bool paused);

    // The game settings file: read by the constructor, written by the destructor.
    void LoadSettings();
    void SaveSettings();
    // Marks the loaded level as won (true) or not in the level map.
    void SetLevelUnlocked(bool unlocked);
    // Outside the editor: fast mode, picking and dragging with the mouse.
    void UpdateMouse(const InputState& input);
    void DragHeldObject(const Vec3& mouse);
    void DrawCursor(const InputState& input);

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
