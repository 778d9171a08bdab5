// Contents:
//   1. Layout tables: screen offsets, depths, shape shifts, star thresholds
//   2. Init: layout, fades, ambient sound
//   3. Update: shortcut, camera, scale, texts, shapes, end-of-level watches
//   4. HUD and pause page
//   5. Win and lose screens: stars, unlocks, level buttons
//   6. Fades and placement
#include "gameplay/scripts/UIscript.h"
#include <cctype>
#include <cstdio>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/Button.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/FollowCamera.h"
#include "gameplay/scripts/HumanWin.h"
#include "gameplay/scripts/Player.h"
#include "graphics/Camera.h"
#include "graphics/ParticleComponent.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"
#include "graphics/TextRenderer.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"
#include "physics/Physics.h"

namespace Framework
{
bool UIscript::sWon = false;
bool UIscript::sLost = false;
bool UIscript::sQuitConfirm = false;
bool UIscript::sShowControls = false;
bool UIscript::sClosing = false;
bool UIscript::sLevelTextsHidden = false;

namespace
{
// ---- 1. Layout tables --------------------------------------------------------
constexpr int KeyQ = 'Q'; // letters are their own virtual keys
constexpr int KeyEscape = VK_ESCAPE;
constexpr float ScreenUnit = 50.0f;   // world units per offset unit at zoom 1
constexpr float SkipDelay = -1.0f;    // Escape while the walker walks: fade at once
constexpr float StarBurstStop = 0.2f; // seconds of sparkle after a star lands
constexpr int StarBurst = 20;         // particles of a landing star's burst

struct LayoutRow
{
    const char* mName;
    float mX, mY, mZ;
};
constexpr LayoutRow Layout[] = {
    {"UIApple", -12.0f, 6.0f, -4.0f},
    {"Heart", -10.0f, 6.0f, -4.0f},
    {"Heart1", -8.5f, 6.0f, -4.0f},
    {"Heart2", -7.0f, 6.0f, -4.0f},
    {"SpeedIndicator", 10.0f, 6.2f, -4.0f},
    {"TimeText", -3.8f, 5.8f, -2.0f}, // the clock stands in front of the fades' black screen (-3)
    {"TimerBG", 0.8f, 6.2f, -2.0f},
    {"WinScreenBG", 30.0f, 0.0f, -4.0f},
    {"AppleLoseAni", 28.0f, 2.8f, -3.0f},
    {"AppleWinAni", 30.0f, -0.8f, -3.0f},
    // The three buttons stand centred under the stars and the apple.
    {"LevelSelButton", 22.5f, -2.5f, -3.0f},
    {"NextLvlButton", 30.0f, -2.5f, -3.0f},
    {"RestartLvlButton", 37.5f, -2.5f, -3.0f},
    {"Star1", 25.0f, 2.5f, -3.0f},
    {"Star1Emmitter", 25.0f, 2.5f, -3.0f},
    {"Star2", 30.0f, 2.5f, -3.0f},
    {"Star2Emmitter", 30.0f, 2.5f, -3.0f},
    {"Star3", 35.0f, 2.5f, -3.0f},
    {"Star3Emmitter", 35.0f, 2.5f, -3.0f},
    {"PauseBG", 0.0f, 30.0f, -3.0f},
    {"PauseTitle", -2.0f, 30.0f, -2.0f},
    {"ResumeButton", 5.0f, 33.5f, -2.0f},
    {"RestartButton", 1.5f, 30.8f, -2.0f},
    {"HTPButton", 5.0f, 28.0f, -2.0f},
    {"QuitButton", 9.0f, 30.8f, -2.0f},
    {"NoButton", 38.6f, 32.5f, -2.0f},
    {"YesButton", 31.0f, 32.5f, -2.0f},
    {"HTPBackBtn", -40.5f, 35.2f, -2.0f},
    {"HTPContent", -31.5f, 30.0f, -2.0f},
};

// The buttons' click boxes sit this far from their pictures, in offset units.
constexpr const char* ShiftedBoxButtons[] = {"LevelSelButton", "NextLvlButton", "RestartLvlButton",
                                             "QuitButton",     "NoButton",      "YesButton",
                                             "HTPButton",      "RestartButton", "ResumeButton"};
constexpr Vec2 ButtonBoxShift{-1.0f, -2.5f};
constexpr Vec2 BackButtonBoxShift{-1.0f, 0.5f};

// Star n (1 to 3) and its emitter: the win timer value at which it appears.
constexpr float StarThresholds[] = {9.5f, 9.0f, 8.5f};

// 1 to 3 for "Star<n>" (emitter false) or "Star<n>Emmitter" (emitter true), else 0.
int StarNumber(const std::string& name, bool& emitter)
{
    if (name.size() < 5 || name.compare(0, 4, "Star") != 0 || name[4] < '1' || name[4] > '3')
        return 0;
    const std::string rest = name.substr(5);
    if (rest.empty())
        emitter = false;
    else if (rest == "Emmitter")
        emitter = true;
    else
        return 0;
    return name[4] - '0';
}

ParticleEmitter* EmitterOf(const Composition* object)
{
    const ParticleComponent* particles = object ? object->GetComponent<ParticleComponent>() : nullptr;
    return particles ? particles->mEmitter : nullptr;
}

BasicShape* ShapeOf(const Composition& self)
{
    const Body* body = self.GetComponent<Body>();
    return body ? body->mShape : nullptr;
}

bool Clicked(const Composition& self)
{
    const Button* button = self.GetComponent<Button>();
    return button && button->Click;
}

void SetVisible(Renderer* renderer, bool visible)
{
    if (renderer)
        renderer->mInvisible = !visible;
}

// The level number at the end of a path ("...Level3" is 3), or -1.
int TrailingLevelNumber(const std::string& path)
{
    if (path.empty() || !std::isdigit(static_cast<unsigned char>(path.back())))
        return -1;
    return path.back() - '0';
}

uint32_t StarRating() { return gPhysics ? gPhysics->mLevelTimer.GetStarRating() : 0; }
} // namespace

// ---- 2. Init -----------------------------------------------------------------
void UIscript::Init(Behaviour* owner)
{
    Composition* self = owner ? owner->GetOwner() : nullptr;
    Transform* transform = self ? self->GetComponent<Transform>() : nullptr;
    if (transform)
        mBaseScale = transform->mScale;
    mStarLanded = false;
    mScreenMusicStarted = false;
    mWinTimer = WinScreenTime;
    sWon = false;
    sLost = false;
    if (gAudio)
        gAudio->StopEffect();
    if (!self)
        return;

    const std::string& name = self->mName;
    for (const LayoutRow& row : Layout)
        if (name == row.mName)
        {
            mScreenOffset = Vec2(row.mX, row.mY);
            mDepth = row.mZ;
            break;
        }
    bool emitter = false;
    if (StarNumber(name, emitter) != 0)
    {
        // Stars grow from nothing when the win screen reaches them.
        if (transform)
            transform->mScale = Vec3(0.0f);
        if (ParticleEmitter* particles = emitter ? EmitterOf(self) : nullptr)
            particles->mBurstAmount = 0;
    }

    if (name == "TransitionIn")
        BeginFadeOut(*self);
    else if (name == "TransitionOut")
    {
        BeginFadeIn(*self);
        mTransitionDelay = 3.5f;
    }
    else if (name == "SurroundingAudio")
        if (AudioComponent* audio = self->GetComponent<AudioComponent>())
        {
            audio->SetKey("AirCon");
            const std::string level = CurrentLevelPath();
            if (level == LevelPath(7) || level == LevelPath(8) || level == LevelPath(9))
            {
                audio->Stop();
                audio->SetKey("AirCon");
                audio->Play();
            }
        }

    sQuitConfirm = false;
    sShowControls = false;
    sClosing = false;
    sLevelTextsHidden = false; // the level's texts are made after the interface, shown
    if (const BasicShape* shape = ShapeOf(*self))
        mShapeOffset = shape->Offset;
}

// ---- 3. Update ---------------------------------------------------------------
void UIscript::Update(Behaviour* owner, float dt)
{
    Composition* self = owner ? owner->GetOwner() : nullptr;
    if (!self)
        return;
    const std::string& name = self->mName;

    // Cheat: win at once, with the time on the clock.
    if (KeyTriggered(KeyQ))
    {
        sWon = true;
        if (gPhysics && gPhysics->mLevelTimer.mFinalTime == 0.0f)
            gPhysics->mLevelTimer.mFinalTime = gPhysics->mLevelTimer.mRunningTime;
    }
    if (mPlayer.Empty())
        mPlayer.Set(LastObjectTagged(ObjectTag::Player));

    const float k = FollowZoom(*self);

    if (name == "TimeText")
        if (TextRenderer* text = self->GetComponent<TextRenderer>())
        {
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "Time Spent: %.2f",
                          gPhysics ? gPhysics->mLevelTimer.mRunningTime : 0.0f);
            text->TextString = buffer;
        }

    FollowClickBox(*self, k);
    CheckLevelEnd(*self, dt);

    if (!sWon && !sLost)
    {
        if (GamePaused())
            RunPause(*self);
        else
            RunHud(*self);
    }
    else
        RunEndScreens(*self, dt);

    if (mFadeOut.mRunning && name == "TransitionIn")
        FadeOutStep(self->GetComponent<Renderer>(), dt);

    if (PageShown() != sLevelTextsHidden)
        HideLevelTexts(PageShown());
}

// The camera's place and zoom (the last usable zoom), the picture scaled
// against it, and a star's particles kept on it; the zoom factor k.
float UIscript::FollowZoom(Composition& self)
{
    const Camera* camera = ActiveCamera();
    if (camera)
    {
        mCameraPosition = Vec2(camera->Position.x, camera->Position.y);
        // A camera without zoom would put everything at infinity: keep the last good one.
        if (camera->CamSize.x != 0.0f && camera->CamSize.y != 0.0f)
            mZoom = Vec2(camera->CamSize.x, camera->CamSize.y);
    }
    const float k = mZoom.x / ReferenceZoom;
    const std::string& name = self.mName;

    bool emitter = false;
    const int star = StarNumber(name, emitter);
    Transform* transform = self.GetComponent<Transform>();
    // Both axes follow the x zoom.
    if (transform && !(star != 0 && !emitter && !mStarLanded))
        transform->mScale = Vec3(2.0f * mBaseScale.x / k, 2.0f * mBaseScale.y / k, mBaseScale.z);
    if (emitter && transform)
        if (ParticleEmitter* particles = EmitterOf(&self))
            particles->mPosition = transform->mPosition;

    return k;
}

// The click box follows the picture through zoom changes.
void UIscript::FollowClickBox(Composition& self, float k)
{
    const std::string& name = self.mName;
    if (BasicShape* shape = ShapeOf(self))
    {
        shape->UpdateWorldSize();
        Vec2 shift(0.0f);
        for (const char* button : ShiftedBoxButtons)
            if (name == button)
                shift = ButtonBoxShift;
        if (name == "HTPBackBtn")
            shift = BackButtonBoxShift;
        shape->Offset.x = (mShapeOffset.x + shift.x) / k;
        shape->Offset.y = (mShapeOffset.y + shift.y) / (mZoom.y / ReferenceZoom);
    }
}

// The walker reaching the basket ends the level as won, the apple's death as lost.
void UIscript::CheckLevelEnd(Composition& self, float dt)
{
    if (mHumanWin.Empty() && gFactory)
        mHumanWin.Set(gFactory->FindObject("HumanWin"));
    if (const HumanWin* walker = ScriptOf<HumanWin>(mHumanWin.Get()))
    {
        if (!sWon)
            sWon = walker->mFinished;
        if (walker->mWalking)
        {
            if (KeyTriggered(KeyEscape))
                mTransitionDelay = SkipDelay;
            CloseLevel(self, dt, "win", sWon);
            if (GamePaused())
                ResumeGame();
        }
    }
    // The apple's death ends it as lost.
    if (const Player* apple = ScriptOf<Player>(mPlayer.Get()); apple && !apple->mLosePending)
    {
        CloseLevel(self, dt, "lose", sLost);
        if (GamePaused())
            ResumeGame();
    }
}

bool UIscript::PageShown() { return sWon || sLost || sClosing || GamePaused(); }

void UIscript::HideLevelTexts(bool hide)
{
    sLevelTextsHidden = hide;
    if (!gRenderingManager)
        return;
    for (const RenderingManager::TextRendererEntry& entry : gRenderingManager->mTextRenderers)
        if (TextRenderer* text = entry.mTextRenderer)
        {
            // The old pause menu's texts are the page itself, not the level under it.
            const Composition* owner = text->GetOwner();
            const bool pauseText = ScriptOf<FollowCamera>(owner) && FollowCamera::IsPauseText(owner->mName);
            if (!ScriptOf<UIscript>(owner) && !pauseText)
                text->mHidden = hide;
        }
}

void UIscript::CloseLevel(Composition& self, float dt, const std::string& result, bool& flag)
{
    if (self.mName != "TransitionOut")
        return;
    if (mTransitionDelay > 0.0f)
        mTransitionDelay -= dt;
    else
    {
        sClosing = true;
        FadeInToResult(self.GetComponent<Renderer>(), dt, result, flag);
    }
}

// ---- 4. HUD and pause page ---------------------------------------------------
void UIscript::RunHud(Composition& self)
{
    const std::string& name = self.mName;
    if (!mPlayer.Empty())
    {
        if (const Player* apple = ScriptOf<Player>(mPlayer.Get()))
        {
            const int health = apple->mPlayerHealth;
            const int needed = name == "Heart" ? 1 : name == "Heart1" ? 2 : name == "Heart2" ? 3 : 0;
            if (needed != 0)
                if (Renderer* renderer = self.GetComponent<Renderer>())
                    renderer->mAlpha = health >= needed ? 1.0f : 0.0f;
        }
        if (name == "SpeedIndicator" && gPhysics)
            if (Button* button = self.GetComponent<Button>())
            {
                if (button->Click)
                    gPhysics->mFastMode = !gPhysics->mFastMode;
                button->mFrame = gPhysics->mFastMode ? 2 : 0;
            }
    }
    Place(self, 0.0f, 0.0f);
}

void UIscript::RunPause(Composition& self)
{
    const std::string& name = self.mName;
    if (KeyTriggered(KeyEscape))
        sShowControls = sQuitConfirm = false;

    float shiftX = 0.0f;
    if (name == "PauseTitle")
        if (Renderer* renderer = self.GetComponent<Renderer>())
            renderer->SetSpriteSheet(sQuitConfirm    ? "UIAppleConfirmation"
                                     : sShowControls ? "UIAppleControls"
                                                     : "PauseScreenBG");
    if (name == "HTPContent" && sShowControls)
        shiftX = PageShift;

    if (self.GetComponent<Button>())
    {
        const bool clicked = Clicked(self);
        if (sQuitConfirm)
        {
            shiftX = -PageShift;
            if (name == "NoButton" && clicked)
            {
                shiftX = 0.0f;
                sQuitConfirm = false;
            }
            else if (name == "YesButton" && clicked)
            {
                sQuitConfirm = false;
                RequestGameState(GameState::QUIT);
                if (gAudio)
                    gAudio->StopEffects();
            }
        }
        else if (sShowControls)
        {
            shiftX = PageShift;
            if (name == "HTPBackBtn" && clicked)
            {
                shiftX = 0.0f;
                sShowControls = false;
            }
        }
        else if (name == "HTPButton" && clicked)
            sShowControls = true;
        else if (name == "QuitButton" && clicked)
            sQuitConfirm = true;
        else if (name == "ResumeButton" && clicked)
            ResumeGame();
        else if (name == "RestartButton" && clicked)
        {
            ResumeGame();
            RequestGameState(GameState::RESTART);
        }
    }
    Place(self, shiftX, -PageShift);
}

// ---- 5. Win and lose screens -------------------------------------------------
void UIscript::RunEndScreens(Composition& self, float dt)
{
    const std::string& name = self.mName;
    if (mMist.Empty() && gFactory)
        mMist.Set(gFactory->FindObject("MistParticle"));
    if (ParticleEmitter* mist = EmitterOf(mMist.Get()))
        mist->mActivate = false;

    Renderer* renderer = self.GetComponent<Renderer>();
    bool emitter = false;
    const int star = StarNumber(name, emitter);
    if (sLost)
    {
        if (name == "AppleLoseAni")
            SetVisible(renderer, true);
        else if (name == "AppleWinAni" || (star != 0 && !emitter))
            SetVisible(renderer, false);
        else if (name == "WinScreenBG")
        {
            if (renderer)
                renderer->SetSpriteSheet("LoseScreenBG");
            if (!mScreenMusicStarted && gAudio)
                gAudio->PlayMusic("LoseScreenBGM");
            mScreenMusicStarted = true;
        }
    }
    // After the lose rules, so a win shows when both flags are set.
    if (sWon)
    {
        if (mWinTimer > 0.0f)
            mWinTimer -= dt;
        if (name == "AppleLoseAni")
            SetVisible(renderer, false);
        else if (name == "AppleWinAni")
            SetVisible(renderer, true);
        else if (name == "WinScreenBG")
        {
            if (renderer)
                renderer->SetSpriteSheet("WinScreenBG");
            if (!mScreenMusicStarted && gAudio)
                gAudio->PlayMusic("WinScreenBGM");
            mScreenMusicStarted = true;
        }
        if (star != 0)
        {
            if (!emitter && renderer)
            {
                renderer->mInvisible = false;
                renderer->mIndex = star <= static_cast<int>(StarRating()) ? 1 : 0;
            }
            RunStar(self, StarThresholds[star - 1], dt);
        }
    }

    if (Clicked(self))
    {
        if (name == "LevelSelButton")
            RequestGameState(GameState::MAIN_MENU);
        else if (name == "RestartLvlButton")
            RequestGameState(GameState::RESTART);
        else if (name == "NextLvlButton")
        {
            const std::string level = CurrentLevelPath();
            for (int n = 1; n <= PlayLevelCount; ++n)
                if (level == LevelPath(n))
                {
                    if (gLogic)
                        gLogic->mState.SetNextLevel(LevelPath(n + 1));
                    break;
                }
            // Restart loads the level set (the current one when none was).
            RequestGameState(GameState::RESTART);
        }
    }
    Place(self, -PageShift, 0.0f);
}

void UIscript::RunStar(Composition& self, float threshold, float dt)
{
    if (mWinTimer > threshold)
        return;
    Transform* transform = self.GetComponent<Transform>();
    if (!transform)
        return;
    bool emitter = false;
    const int star = StarNumber(self.mName, emitter);
    const int rating = static_cast<int>(StarRating());
    ParticleEmitter* particles = emitter ? EmitterOf(&self) : nullptr;

    const float target = 2.0f * mBaseScale.x / (mZoom.x / ReferenceZoom);
    Vec3& scale = transform->mScale;
    if (scale.x < target)
    {
        scale.x = (scale.x + dt) * 2.0f;
        scale.y = (scale.y + dt) * 2.0f;
    }
    if (scale.x >= target && !mStarLanded)
    {
        mStarLanded = true;
        Composition* first = gFactory ? gFactory->FindObject("Star1") : nullptr;
        AudioComponent* chime = first ? first->GetComponent<AudioComponent>() : nullptr;
        if (chime && !chime->IsPlaying() && gAudio)
        {
            static const char* const Chimes[] = {"WinStar0", "WinStar1", "WinStar2", "WinScreenStar"};
            gAudio->PlayOneShot(Chimes[rating < 0 || rating > 3 ? 0 : rating]);
        }
        if (gLogic)
        {
            // A win without stars leaves a level uncompleted, but never takes
            // away a completion won before (the settings keep it at exit).
            const auto saved = gLogic->mUnlockedLevels.find(CurrentLevelPath());
            const bool completed = saved != gLogic->mUnlockedLevels.end() && saved->second;
            gLogic->SetLevelUnlocked(rating != 0 || completed);
            const int level = TrailingLevelNumber(CurrentLevelPath());
            if (level >= 0 && gLogic->mUnlockedCount == static_cast<uint32_t>(level) &&
                gLogic->mUnlockedCount < PlayLevelCount)
                ++gLogic->mUnlockedCount;
        }
        if (particles && star <= rating)
            particles->mBurstAmount = StarBurst;
    }
    if (mStarLanded && particles && mWinTimer <= threshold - StarBurstStop)
        particles->mBurstAmount = 0;
}

// ---- 6. Fades and placement --------------------------------------------------
void UIscript::BeginFadeOut(Composition& self)
{
    mScreenOffset = Vec2(0.0f);
    mDepth = -3.0f;
    SetVisible(self.GetComponent<Renderer>(), true);
    mFadeOut = FadeOut{1.0f, FadeTime, true};
}

void UIscript::BeginFadeIn(Composition& self)
{
    mScreenOffset = Vec2(0.0f);
    mDepth = -3.0f;
    SetVisible(self.GetComponent<Renderer>(), false);
    mFadeIn = FadeIn{0.0f, FadeTime};
}

void UIscript::FadeOutStep(Renderer* renderer, float dt)
{
    if (!renderer)
        return;
    if (mFadeOut.mValue > 0.0f)
    {
        mFadeOut.mValue = mFadeOut.mDuration > 0.0f ? mFadeOut.mValue - dt / mFadeOut.mDuration : 0.0f;
        renderer->SetAlpha(mFadeOut.mValue);
    }
    else
    {
        renderer->mInvisible = true;
        mFadeOut.mRunning = false;
    }
}

void UIscript::FadeInStep(Renderer* renderer, float dt, const std::string& result, bool& flag)
{
    if (!renderer)
        return;
    renderer->mInvisible = false;
    if (mFadeIn.mValue < 1.0f)
    {
        mFadeIn.mValue = mFadeIn.mDuration > 0.0f ? mFadeIn.mValue + dt / mFadeIn.mDuration : 1.0f;
        renderer->SetAlpha(mFadeIn.mValue);
    }
    else
    {
        if (result == "win" || result == "lose")
            flag = true;
        mFadeOut.mRunning = false;
    }
}

void UIscript::FadeInToResult(Renderer* renderer, float dt, const std::string& result, bool& flag)
{
    const std::string word = result;
    FadeInStep(renderer, dt, word, flag);
}

void UIscript::Place(Composition& self, float shiftX, float shiftY)
{
    const Vec3 position(mCameraPosition.x + (mScreenOffset.x + shiftX) * ScreenUnit / mZoom.x,
                        mCameraPosition.y + (mScreenOffset.y + shiftY) * ScreenUnit / mZoom.y, mDepth);
    PlaceObject(&self, position);
}
} // namespace Framework
