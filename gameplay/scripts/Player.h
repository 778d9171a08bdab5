// The apple, the player character ("Player", script 1). It rolls on its own
// in the direction it faces; the player starts it (Space), reverses it
// (Right), makes it jump (Up); the level's objects act on it through
// OnCollision (PlayerCollision.cpp), and the Level11 ending is played here
// too (PlayerEnding.cpp).
//
// What the content must give it:
// - The object is named "Player" and tagged Player, with a Body and a Circle
//   shape, a Renderer on the apple sheet, an Animator and an AudioComponent.
//   Without a Body nothing moves; without an AudioComponent it is silent.
// - One sheet holds the rolling frames 0/22/44/66 (health 3/2/1/0) and the
//   animations "Apple100", "Apple75", "Apple50" (rest), "Apple100Pop",
//   "Apple75Pop", "Apple50Pop" (jump) and "AppleDyingAni" (death).
// - Sounds: "Button_Sound", "AppleBounce", "AppleLand", "AppleHit",
//   "AppleFly", "Checkpoint"; music "Game_Background_Music" (in the menu
//   "MainMenu_Background_Music"), "WinScreenBG", "LoseScreenBG".
// - Level10 and Level11 read "BlackScreen"; Level11 also "MainCamera",
//   "Worm", "TopWorm1", "TopWorm2" and "TopAppleFront".
// Other scripts read the fields of the first block below; keep their names.
#pragma once
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Animator;
class Body;
class Camera;
class Composition;
class Renderer;

// Seconds since the apple last turned by itself at a tile wall or a
// rotating object; a new turn needs more than TurnInterval.
extern float gPlayerTurnTimer;

class Player : public ScriptBase
{
public:
    static constexpr float TurnInterval = 0.5f;  // between two automatic turns
    static constexpr float BlinkDuration = 3.0f; // a hit's invulnerability

    Player() : ScriptBase("Player") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;

    // Loses mPlayerDamage health unless a hit's blink still runs.
    void TakeHit();
    // The blink after a hit: alpha pulses between 0.5 and 1 for at least 3 s.
    void HitBlink(float dt);
    // Lose music is the caller's; this plays the dying animation and stops gravity.
    void PlayDyingAnimation();
    // Back to where the level started, waiting (the goal's reaction).
    void ReturnToSavedPosition();
    // Reverses the facing and reports the turn to the turn effect.
    void Turn();
    // Lets go of the body the mouse holds (hazards knock it out of the hand).
    void DropHoveredObject();
    // Puts the apple upright at point, waiting for Space; the camera glides back.
    void Respawn(const Vec3& point);

    // ---- Read and set by other scripts and by the physics rules ------------
    bool mLosePending = true;    // the lose music and dying animation are still to come
    int mPlayerHealth = 3;       // 0 to 3
    bool mPlayerRight = true;    // facing: true = right
    bool mPlayerMoving = false;  // the apple rolls
    bool mImmune = false;        // G key: roaches, rats and icicles do no harm
    bool mBounceRequest = false; // set from outside; the next Update bounces
    bool mLiftFromBelow = false; // air stream: the apple entered from below
    bool mInStream = false;      // air stream: inside a fan's column this step
    bool mLiftOn = false;        // set by an air conditioner that is on
    bool mLanded = false;        // the landing effect is due
    bool mTurned = false;        // set on every turn; the turn effect reads it
    float mPlayerSpeed = 15.0f;  // rolling force on the ground

    // ---- The apple's own state ----------------------------------------------
    Vec3 mLaunchVelocity{12.0f, 35.0f, 0.0f}; // given in the first frame
    float mJumpPadSpeed = 15.0f;              // velocity y a jump trigger sets
    bool mHealthShown = false;                // the resting animation for the health is running
    float mBounceSpeed = 35.0f;               // velocity y of a mushroom bounce or a bounce request
    bool mContactCooldown = false;            // true: a clicked obstacle may turn the apple
    float mContactTimer = -0.1f;              // counts down to the cooldown turning true
    bool mBounceCooldown = false;             // true: a rotating object's bounce turn was just used
    float mBounceTimer = -0.1f;               // counts down to the bounce cooldown ending
    float mWallTurnTime = 0.0f;               // seconds since the last start-wall turn
    int mPlayerDamage = 1;                    // health lost per hit
    float mBeltBoost = 3.0f;                  // added to mPlayerSpeed on a belt running the apple's way
    Vec3 mRestPosition{0.0f};                 // respawn point: first rest, then the last checkpoint
    Vec3 mStartPosition{0.0f};                // the Transform position at Init; the goal sends it back here
    Composition* mLastCheckpoint = nullptr;   // compared only, never followed
    Composition* mLastContact = nullptr;      // compared only, never followed
    bool mFirstFrame = true;                  // the launch is still to be given
    bool mSettling = true;                    // launched and not yet come to rest
    bool mBounced = false;                    // bounced off an object, not grounded since
    bool mTimerArmed = false;                 // the level stopwatch runs while the apple rolls
    bool mJumping = false;                    // a jump is in the air
    bool mHit = false;                        // a hit's blink runs
    float mBlinkTimer = BlinkDuration;
    bool mBlinkRising = false;      // the blink's alpha is on its way back up
    float mSlopeSpeed = 3.5f;       // velocity x forced on slopes
    float mLiftVelocity = 0.0f;     // velocity y the air stream gives
    float mLiftAcceleration = 0.0f; // the fan's "AirConSpeed"
    float mFadeTimer = 0.0f;        // seconds since delivery into the winning crate
    bool mEndingStarted = false;    // Level11: the worm scene runs
    float mEndingTimer = 0.0f;      // Level11: seconds of the top scene
    bool mTopSceneStarted = false;  // Level11: the top view's worm plays
    bool mGoalReached = false;      // the win music has played
    bool mInPlay = true;            // cleared on delivery into "CrateWin"
    bool mLiftStart = false;        // the next lift frame picks its start velocity
    bool mPopPending = false;       // the jump animation is still to start
    float mCanBounceSpeed = 17.0f;  // velocity y of a bounce on a can
    bool mFlySoundPlayed = false;   // "AppleFly" has played for this lift
    bool mResumeFacingSet = false;  // a checkpoint chose the facing for the next start
    bool mResumeRight = true;       // that facing

private:
    // Plays key through the object's AudioComponent; in the menu the apple's
    // own sounds are heard only from the menu's home view.
    void PlaySound(const std::string& key) const;
    // The Level11 ending (PlayerEnding.cpp).
    void UpdateEnding(Body* body, Renderer* renderer, float dt);
    void PlayHillScene(Body* body, Renderer* renderer, Camera& camera, Renderer* black, float dt);
    void PlayTopScene(Renderer* black, float dt);
    // The steps of Update, in their order.
    void Launch(Body* body, bool endingLevel);
    // The first grounded, upright frame after the launch stops the apple
    // there (its rest and respawn point); true when it did.
    bool SettleAfterLaunch(Body* body, bool grounded, bool endingLevel);
    // The scrolling and ending levels open from black.
    void FadeInFromBlack(float dt);
    // Brings the apple to a standstill facing as told, its rest animation due.
    void StopRolling(Body& body, bool faceRight);
    void FollowTiles(Body* body, uint32_t tiles, float dt);
    void UpdateAirStream(Body* body, float dt);
    // Delivered into the winning crate: the apple stops and vanishes after a moment.
    void UpdateDelivered(Body* body, Renderer* renderer, float dt);
    // A bounce asked for by another script, and the K key's hit.
    void AnswerRequests(Body* body);
    void UpdateAtRest(Body* body, Animator* animator);
    void UpdateRolling(Body* body, Renderer* renderer, Animator* animator, bool grounded);
    void UpdateCooldowns(float dt);
    // OnCollision by the family of the other object's tag (PlayerCollision.cpp).
    // OnBouncer is false when the collision ends there (no last contact).
    bool OnBouncer(Composition* other, uint32_t tag, Body* body, Body* otherBody);
    void OnSteerer(Composition* other, uint32_t tag, Body* body, Body* otherBody);
    void OnHazard(Composition* other, uint32_t tag, Body* body, Body* otherBody);
    void OnLevelMarker(Composition* other, uint32_t tag, Body* body, Body* otherBody);
    // Rotating-object rules (PlayerCollision.cpp).
    void OnRotatingObject(Body* body, Body* other);
    // Turning away from a clicked can or mushroom; see PlayerCollision.cpp.
    void TurnAtClickedObstacle(Composition* other, uint32_t tag);

    Composition* mOwner = nullptr; // the apple object; set by Init and every call
};
} // namespace Framework
