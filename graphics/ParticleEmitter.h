// One pooled emitter: its settings (saved by the ParticleComponent that holds
// it) and the particles it reserved from the shared pool, live or free.
#pragma once
#include <vector>
#include "core/math/MathTypes.h"
#include "graphics/Particle.h"

namespace Framework
{
// What a ParticleComponent saves and edits; copying it copies an effect
// without touching anyone's particles.
struct ParticleEmitterSettings
{
    bool mVaryPosition = false;
    bool mVaryScale = false;
    bool mLerpColour = false;
    bool mMiddleColour = false;
    bool mLerpScale = false;
    bool mMiddleScale = false;
    bool mLerpVelocity = false;
    bool mMiddleVelocity = false;
    bool mCircleEmission = false;
    bool mActivate = false;      // runs and draws only while set
    bool mFollowEmitter = false; // live particles move along with the emitter
    bool mGravityEnabled = false;
    bool mRotationEnabled = false; // particles take mAngle (not saved)

    Vec3 mPosition{0.0f};
    Vec3 mMinPos{0.0f};
    Vec3 mMaxPos{0.0f};
    Vec3 mMinDir{0.0f};
    Vec3 mMaxDir{0.0f};
    Vec3 mMinScale{0.2f, 0.2f, 0.0f};
    Vec3 mMaxScale{0.2f, 0.2f, 0.0f};
    Vec3 mStartScale{0.2f, 0.2f, 0.0f}; // saved only; the start scale is MinScale
    Vec3 mMidScale{0.5f, 0.5f, 0.0f};
    Vec3 mEndScale{1.0f, 1.0f, 0.0f};
    Vec3 mGravityDirection{0.0f};
    Color mStartColour{1.0f};
    Color mMidColour{1.0f};
    Color mEndColour{1.0f};

    float mDelay = 0.5f; // seconds between bursts
    float mMinLifeSpan = 5.0f;
    float mMaxLifeSpan = 5.0f;
    float mMidLifeSpan = 5.0f; // age at which the colour is MidColour
    float mMidScaleTime = 5.0f;
    float mMidSpdTime = 5.0f;
    float mStartSpeed = 0.0f;
    float mMidSpeed = 0.0f;
    float mEndSpeed = 0.0f;
    float mMinRadius = 0.0f;
    float mMaxRadius = 0.0f;
    float mAngle = 0.0f; // degrees (not saved)

    int mMaxParticle = 0;
    int mBurstAmount = 0;
    int mType = 0;                          // a ParticleType value
    Sprite mSprite = BlankParticleSprite(); // the frame Texture particles show
};

class ParticleEmitter : public ParticleEmitterSettings
{
public:
    ParticleEmitter();
    ParticleEmitter(const ParticleEmitter&) = delete;
    ParticleEmitter& operator=(const ParticleEmitter&) = delete;
    ParticleEmitter(ParticleEmitter&&) = default; // pool construction only

    // One frame: re-reserves when MaxParticle changed, steps, draws and
    // recycles the live particles, then tries a burst.
    void Update(float dt);
    // Takes MaxParticle unreserved particles from the pool (fewer when it runs out).
    void ReserveParticles();
    // Kills and unreserves every reserved particle and empties the lists.
    void Clear();
    // Spawns one burst when the delay has passed and the burst fits.
    void Emit();

    Vec3 RandomPositionOffset();
    Vec3 RandomScale();
    Vec3 RandomDirection();
    Vec3 CircleOffset();
    float RandomStartAge();

    size_t LiveCount() const { return mLive.size(); }
    size_t ReservedCount() const { return mReserved.size(); }
    size_t FreeCount() const { return mFree.size(); }
    const std::vector<Particle*>& Live() const { return mLive; }

    bool mInUse = false;                    // the pool slot belongs to a ParticleComponent
    Vec3 mPreviousPosition{0.0f};           // mPosition at the end of the last update
    float mSpawnTimer = 0.0f;               // seconds since the last burst
    unsigned mId = 0;                       // 0..49 in pool order; the inspector's ImGui ID
    std::vector<Particle>* mPool = nullptr; // the particle pool reserved from; not owned

private:
    // MaxParticle, bounded by the pool's size.
    size_t WantedCount() const;
    // Adds unreserved pool particles until WantedCount are reserved or the pool has none left.
    void TakeFromPool();

    std::vector<Particle*> mReserved;
    std::vector<Particle*> mLive; // spawn order, as changed by swap-removal
    std::vector<Particle*> mFree; // a stack: last pushed, first taken
    int mReservedFor = 0;         // the MaxParticle of the last reservation
};
} // namespace Framework
