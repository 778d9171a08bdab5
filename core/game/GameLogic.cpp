#include "core/game/GameLogic.h"
#include "core/objects/ComponentCreator.h"
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"

namespace Framework
{
GameLogic* gLogic = nullptr;
LevelSettings gLevelSettings;

const char* const gGameStateNames[GameState::Count] = {
    "NONE",      "EDITOR",     "SPLASH_SCREEN", "RESTART", "LEVEL",    "QUIT",
    "MAIN_MENU", "PLAY_STORY", "LEVEL2",        "LEVEL3",  "WinLevel", "CREDITS",
};

GameLogic::GameLogic()
{
    if (!gLogic)
        gLogic = this;
    LoadSettings();
}

GameLogic::~GameLogic()
{
    SaveSettings();
    if (gLogic == this)
        gLogic = nullptr;
}

void GameLogic::Init()
{
    if (!gFactory)
        return;
    gFactory->AddComponentCreator("Transform", new ComponentCreatorType<Transform>(ComponentType::Transform));
}
} // namespace Framework
