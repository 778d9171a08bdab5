#include "core/GameLogic.h"
#include "core/ComponentCreator.h"
#include "core/Factory.h"
#include "core/Transform.h"

namespace Framework
{
GameLogic* gLogic = nullptr;

const char* const gGameStateNames[GameState::Count] = {
    "NONE", "EDITOR", "SPLASH_SCREEN", "RESTART", "LEVEL", "QUIT",
    "MAIN_MENU", "PLAY_STORY", "LEVEL2", "LEVEL3", "WinLevel", "CREDITS",
};

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

void GameLogic::Init()
{
    if (gFactory)
        gFactory->AddComponentCreator("Transform", new ComponentCreatorType<Transform>(ComponentType::Transform));
    // TODO(controller): register ComponentCreatorType<Controller> under "Controller" once it exists.
}

void GameLogic::Update(float) {}
} // namespace Framework
