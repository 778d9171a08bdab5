#include "gameplay/scripts/ScriptTable.h"
#include "gameplay/ScriptId.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/AirConScript.h"
#include "gameplay/scripts/BackGround.h"
#include "gameplay/scripts/BackgroundPersonMovement.h"
#include "gameplay/scripts/BasicPlayerMovement.h"
#include "gameplay/scripts/CameraScript.h"
#include "gameplay/scripts/CanScript.h"
#include "gameplay/scripts/Conveyer.h"
#include "gameplay/scripts/FollowAppleScript.h"
#include "gameplay/scripts/FollowCamera.h"
#include "gameplay/scripts/HowToPlay.h"
#include "gameplay/scripts/HumanWin.h"
#include "gameplay/scripts/IcicleScript.h"
#include "gameplay/scripts/MainMenu.h"
#include "gameplay/scripts/MouseEmitter.h"
#include "gameplay/scripts/MoveableRect.h"
#include "gameplay/scripts/MultiStateAnimation.h"
#include "gameplay/scripts/Mushroom.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/Quit.h"
#include "gameplay/scripts/QuitButton.h"
#include "gameplay/scripts/RatScript.h"
#include "gameplay/scripts/Roach.h"
#include "gameplay/scripts/RoachTop.h"
#include "gameplay/scripts/RotatingScript.h"
#include "gameplay/scripts/SmokeEffect.h"
#include "gameplay/scripts/SplashScreen.h"
#include "gameplay/scripts/StoryScript.h"
#include "gameplay/scripts/SwitchScript.h"
#include "gameplay/scripts/UIscript.h"
#include "gameplay/scripts/Van.h"

namespace Framework
{
ScriptMaker gScriptMaker = &MakeScript;

// One row per script class, by script number. A number without a row keeps
// the shared default script.
ScriptBase* MakeScript(int32_t id)
{
    switch (id)
    {
    case ScriptId::Player:
        return new Player();
    case ScriptId::Mushroom:
        return new Mushroom();
    case ScriptId::BackGround:
        return new BackGround();
    case ScriptId::Conveyer:
        return new Conveyer();
    case ScriptId::MoveableRect:
        return new MoveableRect();
    case ScriptId::SmokeEffect:
        return new SmokeEffect();
    case ScriptId::RoachScript:
        return new Roach();
    case ScriptId::CanScript:
        return new CanScript();
    case ScriptId::MultiStateAnimation:
        return new MultiStateAnimation();
    case ScriptId::SplashScreen:
        return new SplashScreen();
    case ScriptId::FollowCamera:
        return new FollowCamera();
    case ScriptId::RoachTop:
        return new RoachTop();
    case ScriptId::HowToPlay:
        return new HowToPlay();
    case ScriptId::Quit:
        return new Quit();
    case ScriptId::QuitButton:
        return new QuitButton();
    case ScriptId::StoryScript:
        return new StoryScript();
    case ScriptId::MainMenu:
        return new MainMenu();
    case ScriptId::UIScript:
        return new UIscript();
    case ScriptId::HumanWin:
        return new HumanWin();
    case ScriptId::BasicPlayerMovement:
        return new BasicPlayerMovement();
    case ScriptId::CameraScript:
        return new CameraScript();
    case ScriptId::RotatingScript:
        return new RotatingScript();
    case ScriptId::MouseEmitter:
        return new MouseEmitter();
    case ScriptId::RatScript:
        return new RatScript();
    case ScriptId::IcicleScript:
        return new IcicleScript();
    case ScriptId::SwitchScript:
        return new SwitchScript();
    case ScriptId::AirConScript:
        return new AirConScript();
    case ScriptId::FollowAppleScript:
        return new FollowAppleScript();
    case ScriptId::Van:
        return new Van();
    case ScriptId::BackgroundPersonMovement:
        return new BackgroundPersonMovement();
    default:
        return nullptr;
    }
}
} // namespace Framework
