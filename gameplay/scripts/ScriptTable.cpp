#include "gameplay/scripts/ScriptTable.h"
#include "gameplay/ScriptId.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/BasicPlayerMovement.h"
#include "gameplay/scripts/FollowAppleScript.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/BackGround.h"
#include "gameplay/scripts/BackgroundPersonMovement.h"
#include "gameplay/scripts/MainMenu.h"
#include "gameplay/scripts/Quit.h"
#include "gameplay/scripts/SplashScreen.h"
#include "gameplay/scripts/StoryScript.h"
#include "gameplay/scripts/Van.h"

namespace Framework
{
ScriptMaker gScriptMaker = &MakeScript;

// Each script class adds its row here, e.g.
//   case ScriptId::Player: return new Player("Player");
// A number without a row keeps the shared default script.
ScriptBase* MakeScript(int32_t id)
{
    switch (id)
    {
    case ScriptId::Player: return new Player();
    case ScriptId::BasicPlayerMovement: return new BasicPlayerMovement();
    case ScriptId::FollowAppleScript: return new FollowAppleScript();
    case ScriptId::BackGround: return new BackGround();
    case ScriptId::SplashScreen: return new SplashScreen();
    case ScriptId::Quit: return new Quit();
    case ScriptId::StoryScript: return new StoryScript();
    case ScriptId::MainMenu: return new MainMenu();
    case ScriptId::Van: return new Van();
    case ScriptId::BackgroundPersonMovement: return new BackgroundPersonMovement();
    default:
        return nullptr;
    }
}
} // namespace Framework
