#include "core/GameLogic.h"

namespace Framework
{
GameLogic* gLogic = nullptr;

const char* const gGameStateNames[GameState::Count] = {
    "NONE", "EDITOR", "SPLASH_SCREEN", "RESTART", "LEVEL", "QUIT",
    "MAIN_MENU", "PLAY_STORY", "LEVEL2", "LEVEL3", "WinLevel", "CREDITS",
};

void LevelState::SwitchLevel()
{
    switch (mCurrent)
    {
    case GameState::SPLASH_SCREEN: mNextLevelPath = "Resources\\LevelData\\SplashScreen"; break;
    case GameState::MAIN_MENU: mNextLevelPath = "Resources\\LevelData\\NewMenu"; break;
    case GameState::PLAY_STORY: mNextLevelPath = "Resources\\LevelData\\Story"; break;
    case GameState::CREDITS: mNextLevelPath = "Resources\\LevelData\\Credits"; break;
    default: break;
    }
    mLoadedLevelPath = mNextLevelPath;
}

GameLogic::GameLogic()
{
    if (!gLogic)
        gLogic = this;
}

GameLogic::~GameLogic()
{
    if (gLogic == this)
        gLogic = nullptr;
}

void GameLogic::Init() {}

void GameLogic::Update(float) {}
} // namespace Framework
