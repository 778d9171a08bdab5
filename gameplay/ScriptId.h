// The script numbers stored as "ScriptID" in level and archetype files. The
// numbering is part of the file format: never reorder.
#pragma once
#include <cstdint>

namespace Framework
{
namespace ScriptId
{
enum : int32_t
{
    None = 0, // the shared default script
    Player = 1,
    Mushroom = 2,
    BackGround = 3,
    Conveyer = 4,
    MoveableRect = 5,
    SmokeEffect = 6,
    EditorCameraScript = 7, // makes no script
    RoachScript = 8,
    CanScript = 9,
    MultiStateAnimation = 10,
    SplashScreen = 11,
    FollowCamera = 12,
    RoachTop = 13,
    HowToPlay = 14,
    Quit = 15,
    QuitButton = 16,
    StoryScript = 17,
    MainMenu = 18,
    UIScript = 19,
    HumanWin = 20,
    BasicPlayerMovement = 21,
    CameraScript = 22,
    RotatingScript = 23,
    MouseEmitter = 24,
    RatScript = 25,
    IcicleScript = 26,
    SwitchScript = 27,
    AirConScript = 28,
    FollowAppleScript = 29,
    Van = 30,
    BackgroundPersonMovement = 31,
    Count = 32,
};
}

// The inspector's combo names, indexed by script number.
extern const char* const gScriptNames[ScriptId::Count];
} // namespace Framework
