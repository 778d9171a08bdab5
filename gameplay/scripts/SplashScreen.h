// The start-up splash ("Resources\LevelData\SplashScreen"): three logos fade
// in and out one after another, the logo sound plays under the second, and
// the game goes on to the main menu after 14 s, or on Escape once the first
// logo is over (from 6 s).
//
// What the splash level must hold: one object with this script and an
// AudioComponent (it plays "LogoSound"); "VELMARLOGO" and "TEAMLOGO" (the
// last object of each name counts) and "OrlintideLogo" (the first), each with
// a Renderer whose alpha the script fades. The music is
// "MainMenu_Background_Music".
#pragma once
#include <cstdint>
#include "core/objects/ObjectHandle.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Composition;

class SplashScreen : public ScriptBase
{
public:
    static constexpr float FadeRate = 0.5f;        // alpha per second: each fade takes 2 s
    static constexpr float FirstLogoStart = 2.0f;  // seconds into the splash
    static constexpr float SecondLogoStart = 6.0f; // also when Escape starts to skip
    static constexpr float ThirdLogoStart = 10.0f;
    static constexpr float End = 14.0f;
    static constexpr float HalfLogo = 2.0f; // each logo fades in, then out, for this long
    static constexpr int EscapeKey = 27;

    SplashScreen() = default;
    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    float mTime = 0.0f;   // seconds since Init
    float mUnused = 0.0f; // kept for the script's layout; nothing reads it

    // The logo objects (null until found) and the one fade value they
    // share: only one logo shows at a time.
    static ObjectHandle sFirstLogo;  // "VELMARLOGO"
    static ObjectHandle sSecondLogo; // "TEAMLOGO"
    static ObjectHandle sThirdLogo;  // "OrlintideLogo"
    static float sLogoAlpha;

private:
    // Fades the shared value in or out by one step and shows it on the logo.
    static void FadeLogo(ObjectHandle logo, bool fadeIn, float dt);
};
} // namespace Framework
