// The game's state machine: game states, the level of each state, level loading.
#pragma once
#include <string>
#include "core/System.h"

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
    std::string GetCurrentLevel() const { return mLoadedLevelPath; }
    // Applies the current state's settings and loads its level.
    void SwitchLevel();
};

class GameLogic : public System
{
public:
    GameLogic();
    ~GameLogic() override;
    void Update(float dt) override;
    void Init() override;
    std::string GetName() override { return "GameLogic"; }
    void SendMessage(Message*) override {}

    LevelState mState;
};

extern GameLogic* gLogic;
} // namespace Framework
