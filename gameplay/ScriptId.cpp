#include "gameplay/ScriptId.h"

namespace Framework
{
const char* const gScriptNames[ScriptId::Count] = {
    "None",
    "Player",
    "Mushroom",
    "BackGround",
    "Conveyer",
    "MoveableRect",
    "SmokeEffect",
    "EditorCameraScript",
    "RoachScript",
    "CanScript",
    "MultiStateAnimation",
    "SplashScreen",
    "FollowCamera",
    "RoachTop",
    "HowToPlay",
    "Quit",
    "QuitButton",
    "StoryScript",
    "MainMenu",
    "UIScript",
    "HumanWin",
    "BasicPlayerMovement",
    "CameraScript",
    "RotatingScript",
    "MouseEmitter",
    "RatScript",
    "IcicleScript",
    "SwitchScript",
    "AirConScript",
    "FollowAppleScript",
    "Van",
    "BackgroundPersonMovement",
};
} // namespace Framework
