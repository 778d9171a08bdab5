// The camera of a level ("MainCamera", with a Camera component and a clamp
// rectangle). The player looks around with the mouse (wheel zoom, right-button
// drag) or, after V, with W A S D; the view stays inside the clamp rectangle.
// When the level is won the camera glides to "END" while "HumanWin" walks;
// after a respawn (the apple sets mRespawn) it glides back to "Player" for at
// most 3 seconds. In "Resources\LevelData\Level10" it scrolls right on its own
// once the apple has passed its centre.
// Content: "Player" must come before the camera object in the level file (it
// is looked up when the camera starts); "HumanWin" and "END" may come later.
#pragma once
#include <cstdint>
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/ScriptQueries.h"

namespace Framework
{
class Camera;
class Transform;

class CameraScript : public ScriptBase
{
public:
    static constexpr float ReturnTime = 3.0f;      // seconds the respawn glide may take
    static constexpr float ArriveDistance = 0.5f;  // a glide stops this close to its target
    static constexpr float AutoScrollSpeed = 2.0f; // units per second in Level10

    CameraScript() : ScriptBase("CameraScript") {}
    // A camera leaving in key mode hands the A key back to the game logic.
    ~CameraScript() override;

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    // Mouse control (0) and key control (1) swap; any other value stays.
    void ToggleState();
    void MoveWithKeys(Camera& camera, float dt);
    void Zoom(Camera& camera, float dt);
    // One zoom step towards the max zoom, unless already within 0.5 of it.
    void ZoomToTarget(Camera& camera, float dt);

    Vec3 mDragStart{0.0f};     // camera Position when the right button went down
    float mMoveSpeed = 30.0f;  // world units per second for keys and glides
    float mKeyRamp = 1.0f;     // acceleration of the key movement, 0 to a little over 1
    float mSpeedFactor = 1.0f; // extra factor of the key movement
    float mZoomSpeed = 25.0f;  // CamSize units per second
    float mReturnTimer = 0.0f; // seconds left of the respawn glide
    float mMinZoom = 0.1f;     // wheel bounds of CamSize; 27 once started on a Camera,
    float mMaxZoom = 25.0f;    // so min may exceed max (the wheel then only jumps between them)
    ObjectHandle mHumanWin;    // "HumanWin"
    ObjectHandle mGoal;        // "END"
    ObjectHandle mPlayer;      // "Player"
    Vec3 mDirection{0.0f};     // last unit direction towards a glide target
    int32_t mCameraState = 0;  // 0 mouse control, 1 key control
    bool mAutoScroll = false;  // the Level10 scroll has started
    bool mRespawn = false;     // glide back to the apple; set by the apple

private:
    // Points mDirection at target (a unit vector unless the target is all but
    // reached, with the target's z) and returns the distance to it.
    float AimAt(const Camera& camera, const Vec3& target);
    // While the walker takes the basket: towards "END", zooming to the max zoom.
    void GlideToWinGoal(Camera* camera, float dt);
    // Back to the apple until close enough or out of time; then the glide ends.
    void GlideBackAfterRespawn(Camera* camera, const Transform* player, float dt);
};
} // namespace Framework
