// The main menu ("Resources\LevelData\NewMenu"): one large scene whose pages
// stand at different places; clicking a menu object moves the active camera
// to its page. The same script sits on every clickable menu object and on
// each settings text, and acts by its object's name.
//
// What the menu level must hold (names are exact):
// - Page buttons (Button + Renderer, TargetState 0): "BackCol" and
//   "ConfirmExit" (main page at once; "BackCol" also starts the emitter),
//   "LevelSelectionCol" (the intro the first time), "HTP_Col", "Setting_Col",
//   "Exit_Col" (moved to 0.8 s after the click), "AppleCredits" (credits 0.8 s
//   after the click). Any other clickable name moves the camera to (0, 0).
//   While the intro runs, up to its arrival on the level page, the other page
//   buttons do nothing (the intro's move would take their page away again);
//   "AppleCredits" still leaves for the credits.
// - Settings buttons: "BGMup" (made invisible on its first click: author it as
//   a hit area), "BGMdown", "SEup", "SEdown", "ScrollUp", "ScrollDown",
//   "FullScreenTick" (shown only while fullscreen), "HTP_Bell" (with an
//   AudioComponent; rings "CounterBell").
// - Settings texts (TextRenderer): "BGMText", "SEText", "ScrollText".
// - Settings bars (Renderer): "BGMBar", "SEBar", "ScrollBar" show frame 0 to
//   3, as many filled steps as their setting has (mute, low, medium, high).
// - Shared props: "Emmiter" (ParticleComponent), "FallingApple", and
//   "TheTruck" (Renderer and an AudioComponent for "IntroTruck").
// Script-driven buttons want a Renderer and no Animator: a Button with an
// Animator keeps Click set while its press animation plays.
#pragma once
#include <cstdint>
#include "core/math/MathTypes.h"
#include "core/objects/ObjectHandle.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Composition;
class ParticleComponent;

// The camera's mouse-wheel zoom setting, chosen in the settings page and read
// by the camera script when a level starts. Kept for the whole run.
extern uint32_t gCameraScrollLevel; // 0 low, 1 medium, 2 high
extern float gCameraScrollSpeed;    // zoom speed of that level

class MainMenu : public ScriptBase
{
public:
    // Camera pages: where each page button sends the camera.
    static constexpr float MainPageX = 31.0f, MainPageY = 15.0f;
    static constexpr float LevelPageX = 47.5f, LevelPageY = 15.1f;
    static constexpr float HowToPlayPageX = 31.0f, HowToPlayPageY = 25.0f;
    static constexpr float SettingsPageX = 14.5f, SettingsPageY = 14.9f;
    static constexpr float ExitPageX = 31.0f, ExitPageY = 5.0f;

    static constexpr float MoveDelay = 0.8f;      // seconds from a page click to the move
    static constexpr float IntroMoveDelay = 1.5f; // from the end of the intro to the level page
    static constexpr float VolumeStep = 0.35f;
    static constexpr float MusicCap = 1.05f; // the music may go a little above full
    static constexpr float EffectsCap = 1.0f;
    // The three scroll levels' zoom speeds.
    static constexpr float ScrollSpeeds[3] = {25.0f, 33.0f, 50.0f};

    static constexpr float AppleFallSpeed = 7.0f; // units per second
    static constexpr float AppleFallTime = 1.4f;  // seconds before the truck drives off
    static constexpr float TruckDriveTime = 3.0f; // seconds from start to end of the path
    static constexpr float TruckStartScale = 10.0f;
    static constexpr float TruckEndScale = 0.4f;
    static constexpr float TruckDepth = 1.0f;

    MainMenu() : ScriptBase("MainMenu") {}
    ~MainMenu() override;
    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    // The apple falls; after 1.4 s the truck arrives and its sound loops.
    void PlayIntro(float dt);
    // The truck drives from the start of the path to its end over 3 s, shrinking.
    void AnimateIntroObject(float dt);

    // The music volume after a click on "BGMup" / "BGMdown", and the effect
    // volume after "SEup" / "SEdown": one step, kept within [0, cap].
    static float MusicUp(float volume);
    static float MusicDown(float volume);
    static float EffectsUp(float volume);
    static float EffectsDown(float volume);
    // "HIGH", "MEDIUM", "LOW" or "MUTE" for a volume.
    static const char* VolumeText(float volume);
    // "LOW", "MEDIUM" or "HIGH" for a scroll level.
    static const char* ScrollText(uint32_t level);
    // The filled steps of a settings bar: 0 (mute) to 3 (high).
    static int32_t VolumeSteps(float volume);
    static int32_t ScrollSteps(uint32_t level);

    Vec3 mCameraTarget{0.0f};   // where a click sends the camera (z unused)
    bool mMovePending = true;   // a delayed move is counting down
    float mMoveDelay = 0.0f;    // seconds left of the delayed move
    bool mIntroStarted = false; // the apple falls
    bool mTruckArrived = false; // the truck drives off
    bool mIntroFinished = false;
    bool mIntroDone = false; // later clicks on the level page move after the plain delay

    // Shared by every instance, found by name during Update and forgotten by
    // every Init. Kept as handles so a destroyed object is never followed.
    static ObjectHandle sEmitterObject; // "Emmiter"
    static ObjectHandle sFallingApple;  // "FallingApple"
    static ObjectHandle sTruck;         // "TheTruck"
    static float sFallTimer;            // seconds the apple has fallen
    static float sTruckTimer;           // seconds the truck has driven
    static bool sIntroRunning;          // from the intro's click until its move lands: other pages are ignored

    static const Vec3 IntroStart; // the truck's path
    static const Vec3 IntroEnd;

private:
    // The menu emitter, or null while "Emmiter" or its component is missing.
    static ParticleComponent* Emitter();
    void UpdateSharedObjects();
    void UpdateDelayedMove(Composition* object, float dt);
    void HandleClick(Composition* object);
    void UpdateTexts(Composition* object);
    void UpdateBars(Composition* object);
    void MoveCameraToTarget() const;
};
} // namespace Framework
