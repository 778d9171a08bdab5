// Splash screen timeline: logos at 2, 6 and 10 s, the menu at 14 s.
#include "gameplay/scripts/SplashScreen.h"
#include <algorithm>
#include <string>
#include <vector>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "gameplay/Behaviour.h"
#include "graphics/Renderer.h"

namespace Framework
{
ObjectHandle SplashScreen::sFirstLogo;
ObjectHandle SplashScreen::sSecondLogo;
ObjectHandle SplashScreen::sThirdLogo;
float SplashScreen::sLogoAlpha = 0.0f;

namespace
{
// Remembers the first (or last) live object of name while none is known.
void FindLogo(const std::string& name, bool last, ObjectHandle& logo)
{
    if (!logo.Empty() || !gFactory)
        return;
    const std::vector<Composition*>& objects = gFactory->ObjectsNamed(name);
    logo.Set(objects.empty() ? nullptr : (last ? objects.back() : objects.front()));
}
} // namespace

void SplashScreen::Init(Behaviour* owner)
{
    mTime = 0.0f;
    mUnused = 0.0f;
    sFirstLogo = sSecondLogo = sThirdLogo = ObjectHandle();
    sLogoAlpha = 0.0f;
    // An archetype's copy is set up at program start, not shown: it must not start the music.
    const Composition* object = owner ? owner->GetOwner() : nullptr;
    if (gAudio && !(object && object->mKind == ObjectKind::Archetype))
        gAudio->PlayMusic("MainMenu_Background_Music");
}

void SplashScreen::FadeLogo(ObjectHandle logo, bool fadeIn, float dt)
{
    if (fadeIn)
    {
        if (sLogoAlpha < 1.0f)
            sLogoAlpha = std::min(sLogoAlpha + dt * FadeRate, 1.0f);
    }
    else
        sLogoAlpha = std::max(sLogoAlpha - dt * FadeRate, 0.0f);

    Composition* object = logo.Get();
    if (Renderer* renderer = object ? object->GetComponent<Renderer>() : nullptr)
        renderer->mAlpha = sLogoAlpha;
}

void SplashScreen::Update(Behaviour* owner, float dt)
{
    FindLogo("VELMARLOGO", true, sFirstLogo);
    FindLogo("TEAMLOGO", true, sSecondLogo);
    FindLogo("OrlintideLogo", false, sThirdLogo);

    mTime += dt;
    const float t = mTime;
    if (t >= FirstLogoStart && t < SecondLogoStart)
        FadeLogo(sFirstLogo, t < FirstLogoStart + HalfLogo, dt);
    if (t >= SecondLogoStart && t <= ThirdLogoStart)
    {
        const bool fadeIn = t < SecondLogoStart + HalfLogo;
        FadeLogo(sSecondLogo, fadeIn, dt);
        // The logo sound starts with the fade-out and starts again if it ends early.
        Composition* object = owner ? owner->GetOwner() : nullptr;
        AudioComponent* audio = object ? object->GetComponent<AudioComponent>() : nullptr;
        if (!fadeIn && audio && !audio->IsPlaying())
            audio->PlaySound("LogoSound");
    }
    if (t >= ThirdLogoStart && t <= End)
        FadeLogo(sThirdLogo, t < ThirdLogoStart + HalfLogo, dt);

    if (t < SecondLogoStart || !gLogic)
        return;
    if (t >= End || (gInput && gInput->mState.IsTriggered(EscapeKey)))
        gLogic->mState.mNext = GameState::MAIN_MENU;
}
} // namespace Framework
