// The level's interface, loaded beside Level1 to Level9: every object of the
// "UI" level carries this script and acts by its name.
// - HUD: "UIApple", "Heart", "Heart1", "Heart2" (alpha by the apple's
//   health), "TimerBG", "TimeText" (TextRenderer: "Time Spent: 12.50"),
//   "SpeedIndicator" (Button: fast mode; base frame 2 while on, else 0).
// - Pause page: "PauseBG", "PauseTitle" (sheets "PauseScreenBG",
//   "UIAppleConfirmation", "UIAppleControls"), "HTPContent"; Buttons
//   "ResumeButton", "RestartButton", "HTPButton", "QuitButton", "YesButton",
//   "NoButton", "HTPBackBtn".
// - Win and lose page: "WinScreenBG" (sheets "WinScreenBG"/"LoseScreenBG"),
//   "AppleWinAni", "AppleLoseAni", "Star1".."Star3" (frame 0 empty, 1 filled;
//   "Star1" needs an AudioComponent), "Star1Emmitter".."Star3Emmitter"
//   (ParticleComponent); Buttons "LevelSelButton", "NextLvlButton",
//   "RestartLvlButton". Music "WinScreenBGM"/"LoseScreenBGM", one-shots
//   "WinStar0", "WinStar1", "WinStar2", "WinScreenStar".
// - Fades: "TransitionIn" (opens the level), "TransitionOut" (closes it).
// - "SurroundingAudio" (AudioComponent): "AirCon" in Level7 to Level9.
// Every Button here needs a Body with a box shape (to be clicked in a level),
// an AudioComponent and TargetState 0. Pages are laid out in screen offsets
// (X, Y): world position = camera + (X, Y) x 50 / zoom; pages other than the
// HUD lie 30 offset units away and are shifted into view.
#pragma once
#include <string>
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/ScriptQueries.h"

namespace Framework
{
class Composition;
class Renderer;

class UIscript : public ScriptBase
{
public:
    static constexpr float WinScreenTime = 10.0f; // the win timer's start; the stars appear below it
    static constexpr float ReferenceZoom = 35.0f; // at this zoom an object shows at twice its file scale
    static constexpr float PageShift = 30.0f;     // offset units between the pages
    static constexpr float FadeTime = 2.0f;       // seconds of each transition fade

    struct FadeOut
    {
        float mValue = 0.0f;    // current alpha, falling
        float mDuration = 0.0f; // seconds from 1 to 0
        bool mRunning = true;
    };
    struct FadeIn
    {
        float mValue = 0.0f;    // current alpha, rising
        float mDuration = 0.0f; // seconds from 0 to 1
    };

    UIscript() : ScriptBase("UIScript") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    void BeginFadeOut(Composition& self);
    void BeginFadeIn(Composition& self);
    void FadeOutStep(Renderer* renderer, float dt);
    // Raises the alpha; at full opacity sets flag when result is "win" or "lose".
    void FadeInStep(Renderer* renderer, float dt, const std::string& result, bool& flag);
    void FadeInToResult(Renderer* renderer, float dt, const std::string& result, bool& flag);

    Vec2 mScreenOffset{0.0f};         // (X, Y) of the name table
    ObjectHandle mPlayer;             // the last live object tagged Player
    float mDepth = 0.0f;              // z given to the object every frame
    bool mStarLanded = false;         // this star (or star emitter) reached its full size
    bool mScreenMusicStarted = false; // this instance started the win or lose music
    Vec3 mShapeOffset{0.0f};          // the collision shape's Offset at Init
    Vec3 mBaseScale{1.0f};            // the Transform scale at Init
    float mWinTimer = 0.0f;           // counts down from 10 while the win screen shows
    FadeOut mFadeOut;
    FadeIn mFadeIn;
    float mTransitionDelay = 2.0f; // seconds from the end of play to the closing fade; -1 skips

    static bool sWon;              // the level is won; the win screen shows
    static bool sLost;             // the level is lost; the lose screen shows
    static bool sQuitConfirm;      // the pause page shows the quit confirmation
    static bool sShowControls;     // the pause page shows the controls
    static bool sClosing;          // the closing fade has begun
    static bool sLevelTextsHidden; // the level's own texts are hidden behind a page

    // A page covers the level: the win or lose screen, the pause pages or the closing fade.
    static bool PageShown();

private:
    // Update's steps (UIscript.cpp).
    float FollowZoom(Composition& self);
    void FollowClickBox(Composition& self, float k);
    void CheckLevelEnd(Composition& self, float dt);
    void RunHud(Composition& self);
    void RunPause(Composition& self);
    void RunEndScreens(Composition& self, float dt);
    void RunStar(Composition& self, float threshold, float dt);
    // Places the object at its screen offset plus shift, with the current camera.
    void Place(Composition& self, float shiftX, float shiftY);
    // Counts the closing delay down, then fades to the result (the TransitionOut object only).
    void CloseLevel(Composition& self, float dt, const std::string& result, bool& flag);
    // Hides or shows every text of the level itself (the interface's own and the
    // follow-camera pause menu's keep showing): text is drawn after every sprite,
    // so a page could not cover it.
    static void HideLevelTexts(bool hide);

    // Found by name when empty (finding them every frame in every instance costs a walk each).
    ObjectHandle mHumanWin; // "HumanWin"
    ObjectHandle mMist;     // "MistParticle"
    // The camera read at the start of each Update.
    Vec2 mCameraPosition{0.0f};
    Vec2 mZoom{ReferenceZoom, ReferenceZoom};
};
} // namespace Framework
