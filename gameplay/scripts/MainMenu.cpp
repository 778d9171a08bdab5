// Main menu: pages, sound and scroll settings, fullscreen tick, intro truck.
//
// Contents
//   1. Shared state and helpers
//   2. Settings steps and texts
//   3. Init and Update
//   4. The intro
#include "gameplay/scripts/MainMenu.h"
#include <algorithm>
#include <initializer_list>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/engine/CoreEngine.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "core/window/WindowSystem.h"
#include "gameplay/Behaviour.h"
#include "gameplay/Button.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleComponent.h"
#include "graphics/Renderer.h"
#include "graphics/TextRenderer.h"

namespace Framework
{
// ---- 1. Shared state and helpers -------------------------------------------

uint32_t gCameraScrollLevel = 0;
float gCameraScrollSpeed = MainMenu::ScrollSpeeds[0];

ObjectHandle MainMenu::sEmitterObject;
ObjectHandle MainMenu::sFallingApple;
ObjectHandle MainMenu::sTruck;
float MainMenu::sFallTimer = 0.0f;
float MainMenu::sTruckTimer = 0.0f;
bool MainMenu::sIntroRunning = false;
const Vec3 MainMenu::IntroStart{31.0f, 9.0f, 1.0f};
const Vec3 MainMenu::IntroEnd{31.0f, 15.2f, 1.0f};

namespace
{
constexpr int MusicType = 0;
constexpr int EffectsType = 1;

// The object remembered in handle, looked up by name while it is not known.
Composition* Resolve(const std::string& name, ObjectHandle& handle)
{
    if (Composition* object = handle.Get())
        return object;
    Composition* object = gFactory ? gFactory->FindObject(name) : nullptr;
    handle.Set(object);
    return object;
}

Camera* ActiveCamera() { return gGraphicsSystem ? gGraphicsSystem->GetActiveCamera() : nullptr; }

bool IsFullscreen() { return gWindowSystem && gWindowSystem->mFullscreen; }

// Sets the music or effects level on its group and on the channel the audio
// manager started itself, so the sound playing now changes too.
void SetVolume(int type, float volume)
{
    if (!gAudio)
        return;
    gAudio->SetGroupVolume(type, volume);
    gAudio->SetChannelVolume(type, volume);
}

// The settings page's controls: they change a setting, not the page shown.
bool IsSettingControl(const std::string& name)
{
    for (const char* control :
         {"BGMup", "BGMdown", "SEup", "SEdown", "ScrollUp", "ScrollDown", "FullScreenTick", "HTP_Bell"})
        if (name == control)
            return true;
    return false;
}

float MusicVolume() { return gAudio ? gAudio->GetVolume(MusicType) : 0.0f; }
float EffectsVolume() { return gAudio ? gAudio->GetGroupVolume(EffectsType) : 0.0f; }
} // namespace

MainMenu::~MainMenu()
{
    // The level that held the shared objects is going; the next menu finds its own.
    sEmitterObject = sFallingApple = sTruck = ObjectHandle();
    sIntroRunning = false;
}

ParticleComponent* MainMenu::Emitter()
{
    Composition* object = sEmitterObject.Get();
    return object ? object->GetComponent<ParticleComponent>() : nullptr;
}

// ---- 2. Settings steps and texts -------------------------------------------

float MainMenu::MusicUp(float volume) { return volume < 1.0f ? std::min(volume + VolumeStep, MusicCap) : MusicCap; }
float MainMenu::MusicDown(float volume) { return std::max(volume - VolumeStep, 0.0f); }
float MainMenu::EffectsUp(float volume)
{
    return volume < 1.0f ? std::min(volume + VolumeStep, EffectsCap) : EffectsCap;
}
float MainMenu::EffectsDown(float volume) { return std::max(volume - VolumeStep, 0.0f); }

const char* MainMenu::VolumeText(float volume)
{
    if (volume > 0.7f)
        return "HIGH";
    if (volume > 0.35f)
        return "MEDIUM";
    if (volume > 0.0f)
        return "LOW";
    return "MUTE";
}

const char* MainMenu::ScrollText(uint32_t level)
{
    static const char* const texts[3] = {"LOW", "MEDIUM", "HIGH"};
    return texts[std::min<uint32_t>(level, 2)];
}

int32_t MainMenu::VolumeSteps(float volume)
{
    if (volume > 0.7f)
        return 3;
    if (volume > 0.35f)
        return 2;
    return volume > 0.0f ? 1 : 0;
}

int32_t MainMenu::ScrollSteps(uint32_t level) { return static_cast<int32_t>(std::min<uint32_t>(level, 2)) + 1; }

// ---- 3. Init and Update ----------------------------------------------------

void MainMenu::Init(Behaviour* owner)
{
    // The menu is never paused: coming back from a paused level resumes everything.
    if (gCore)
        gCore->SetPause(false);

    Composition* object = owner ? owner->GetOwner() : nullptr;
    const std::string name = object ? object->mName : std::string();
    if (name == "BackCol" || name == "ConfirmExit")
        mCameraTarget = Vec3(MainPageX, MainPageY, 0.0f);
    else if (name == "LevelSelectionCol")
        mCameraTarget = Vec3(LevelPageX, LevelPageY, 0.0f);
    else if (name == "HTP_Col")
        mCameraTarget = Vec3(HowToPlayPageX, HowToPlayPageY, 0.0f);
    else if (name == "Setting_Col")
        mCameraTarget = Vec3(SettingsPageX, SettingsPageY, 0.0f);
    else if (name == "Exit_Col")
        mCameraTarget = Vec3(ExitPageX, ExitPageY, 0.0f);
    else
        mCameraTarget = Vec3(0.0f);

    mMovePending = false;
    mMoveDelay = MoveDelay;
    sEmitterObject = sFallingApple = sTruck = ObjectHandle();
    sFallTimer = sTruckTimer = 0.0f;
    sIntroRunning = false;

    if (AudioComponent* audio = object ? object->GetComponent<AudioComponent>() : nullptr)
        audio->SetKey("CounterBell");
}

void MainMenu::Update(Behaviour* owner, float dt)
{
    Composition* object = owner ? owner->GetOwner() : nullptr;
    if (!object)
        return;
    UpdateSharedObjects();
    UpdateDelayedMove(object, dt);
    HandleClick(object);
    UpdateTexts(object);
    UpdateBars(object);

    if (object->mName == "FullScreenTick")
        if (Renderer* renderer = object->GetComponent<Renderer>())
            renderer->mInvisible = !IsFullscreen();

    if (mIntroDone)
        return;
    if (mIntroFinished)
    {
        mIntroDone = true;
        mMovePending = true;
        return;
    }
    if (mIntroStarted)
        PlayIntro(dt);
    if (mTruckArrived)
        AnimateIntroObject(dt);
}

void MainMenu::UpdateSharedObjects()
{
    Resolve("Emmiter", sEmitterObject);
    if (ParticleComponent* emitter = Emitter())
    {
        emitter->Settings().mBurstAmount = 1;
        emitter->Settings().mMaxParticle = 1000;
    }
    Resolve("FallingApple", sFallingApple);
    const bool truckKnown = sTruck.Get() != nullptr;
    if (Composition* truck = Resolve("TheTruck", sTruck); truck && !truckKnown)
        if (AudioComponent* audio = truck->GetComponent<AudioComponent>())
            audio->SetKey("IntroTruck");
}

void MainMenu::UpdateDelayedMove(Composition* object, float dt)
{
    if (!mMovePending)
        return;
    mMoveDelay -= dt;
    if (mMoveDelay >= 0.0f)
        return;
    mMovePending = false;
    mMoveDelay = MoveDelay;
    if (mIntroDone)
        sIntroRunning = false; // the intro's move lands on the level page
    if (object->mName == "AppleCredits" && gLogic)
        gLogic->mState.mNext = GameState::CREDITS;
    MoveCameraToTarget();
    if (ParticleComponent* emitter = Emitter())
        emitter->Settings().mActivate = false;
}

void MainMenu::HandleClick(Composition* object)
{
    const Button* button = object->GetComponent<Button>();
    if (!button || !button->Click)
        return;
    const std::string& name = object->mName;
    // CREDITS leaves the menu before the intro's move could land, so it is no
    // page to fight over.
    if (sIntroRunning && name != "LevelSelectionCol" && name != "AppleCredits" && !IsSettingControl(name))
        return;
    if (name == "BGMup")
    {
        if (Renderer* renderer = object->GetComponent<Renderer>())
            renderer->mAlpha = 0.0f;
        SetVolume(MusicType, MusicUp(MusicVolume()));
    }
    else if (name == "BGMdown")
        SetVolume(MusicType, MusicDown(MusicVolume()));
    else if (name == "SEup")
        SetVolume(EffectsType, EffectsUp(EffectsVolume()));
    else if (name == "SEdown")
        SetVolume(EffectsType, EffectsDown(EffectsVolume()));
    else if (name == "ScrollUp")
    {
        gCameraScrollLevel = gCameraScrollLevel == 0 ? 1 : 2;
        gCameraScrollSpeed = ScrollSpeeds[gCameraScrollLevel];
    }
    else if (name == "ScrollDown")
    {
        gCameraScrollLevel = gCameraScrollLevel <= 1 ? 0 : 1;
        gCameraScrollSpeed = ScrollSpeeds[gCameraScrollLevel];
    }
    else if (name == "FullScreenTick")
    {
        if (gWindowSystem)
            gWindowSystem->ToggleFullScreen();
    }
    else if (name == "HTP_Bell")
    {
        if (AudioComponent* audio = object->GetComponent<AudioComponent>())
            audio->PlaySound("CounterBell");
    }
    else if (name == "LevelSelectionCol")
    {
        if (!mIntroDone)
        {
            mIntroStarted = true;
            mMoveDelay = IntroMoveDelay;
            sIntroRunning = true;
        }
        else
            mMovePending = true;
    }
    else if (name == "HTP_Col" || name == "Setting_Col" || name == "Exit_Col" || name == "AppleCredits")
        mMovePending = true;
    else
        MoveCameraToTarget();

    if (name == "BackCol")
        if (ParticleComponent* emitter = Emitter())
            emitter->Settings().mActivate = true;
}

void MainMenu::UpdateTexts(Composition* object)
{
    TextRenderer* text = object->GetComponent<TextRenderer>();
    if (!text)
        return;
    const std::string& name = object->mName;
    if (name == "BGMText")
        text->TextString = VolumeText(MusicVolume());
    else if (name == "SEText")
        text->TextString = VolumeText(EffectsVolume());
    else if (name == "ScrollText")
        text->TextString = ScrollText(gCameraScrollLevel);
}

void MainMenu::UpdateBars(Composition* object)
{
    Renderer* renderer = object->GetComponent<Renderer>();
    if (!renderer)
        return;
    const std::string& name = object->mName;
    if (name == "BGMBar")
        renderer->mIndex = VolumeSteps(MusicVolume());
    else if (name == "SEBar")
        renderer->mIndex = VolumeSteps(EffectsVolume());
    else if (name == "ScrollBar")
        renderer->mIndex = ScrollSteps(gCameraScrollLevel);
}

void MainMenu::MoveCameraToTarget() const
{
    if (Camera* camera = ActiveCamera())
    {
        camera->Position.x = mCameraTarget.x;
        camera->Position.y = mCameraTarget.y;
    }
}

// ---- 4. The intro ----------------------------------------------------------

void MainMenu::PlayIntro(float dt)
{
    if (Composition* apple = sFallingApple.Get())
        if (Transform* transform = apple->GetComponent<Transform>())
            transform->mPosition.y -= AppleFallSpeed * dt;
    sFallTimer += dt;
    if (sFallTimer <= AppleFallTime)
        return;
    mTruckArrived = true;
    // The truck's engine keeps sounding while the intro runs.
    Composition* truck = sTruck.Get();
    if (AudioComponent* audio = truck ? truck->GetComponent<AudioComponent>() : nullptr)
        if (!audio->IsPlaying())
            audio->PlaySound("IntroTruck");
}

void MainMenu::AnimateIntroObject(float dt)
{
    // The timer runs without a truck too, so a menu without one still reaches its level page.
    Composition* truck = sTruck.Get();
    if (sTruckTimer < TruckDriveTime)
    {
        if (Transform* transform = truck ? truck->GetComponent<Transform>() : nullptr)
        {
            const float u = sTruckTimer / TruckDriveTime;
            transform->mPosition.x = IntroStart.x * (1.0f - u) + IntroEnd.x * u;
            transform->mPosition.y = IntroStart.y * (1.0f - u) + IntroEnd.y * u;
            transform->mPosition.z = TruckDepth;
            const float scale = TruckStartScale * (1.0f - u) + TruckEndScale * u;
            transform->mScale = Vec3(scale, scale, 1.0f);
        }
        sTruckTimer += dt;
        return;
    }
    if (Renderer* renderer = truck ? truck->GetComponent<Renderer>() : nullptr)
        renderer->mInvisible = true;
    mIntroFinished = true;
}
} // namespace Framework
