// ParticleEmitter: the update, the particles reserved from the pool, and emission.
//
// Contents:
//   1. Construction and Update
//   2. Reserving particles from the pool: ReserveParticles, WantedCount, TakeFromPool, Clear
//   3. Emitting: setting up an emitted particle, Emit
//   4. Random draws: positions, scales, directions, the circle and start ages
#include "graphics/ParticleEmitter.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include "graphics/ParticleRandom.h"
#include "graphics/ParticleTrigTable.h"

namespace Framework
{
// ---- 1. Construction and Update ---------------------------------------------
ParticleEmitter::ParticleEmitter() {}

void ParticleEmitter::Update(float dt)
{
    if (!mActivate)
        return;
    mSpawnTimer += dt;

    // Only a changed MaxParticle re-reserves: re-reserving after a short pool
    // would clear the last burst before it is ever drawn.
    if (mMaxParticle != mReservedFor)
        ReserveParticles();
    // Left short by a busy pool: take what others have released since, once
    // a burst is due (so the pool is not scanned every frame in vain).
    else if (mReserved.size() < WantedCount() && mSpawnTimer >= mDelay)
        TakeFromPool();

    if (mLive.empty())
    {
        Emit();
        mPreviousPosition = mPosition;
        return;
    }

    const float moveX = mPosition.x - mPreviousPosition.x;
    const float moveY = mPosition.y - mPreviousPosition.y;
    const bool follow = mFollowEmitter && (moveX != 0.0f || moveY != 0.0f);

    size_t i = 0;
    while (i < mLive.size())
    {
        Particle* particle = mLive[i];
        if (particle->mAlive)
        {
            for (int step = 0; step < particle->mStepsPerFrame; ++step)
                particle->Integrate(dt);
            if (particle->mAlive)
            {
                particle->Draw();
                if (follow)
                {
                    particle->mPosition.x += moveX;
                    particle->mPosition.y += moveY;
                }
            }
            ++i;
        }
        else
        {
            // Swap-removal: the particle moved into slot i is examined next.
            mLive[i] = mLive.back();
            mLive.pop_back();
            mFree.push_back(particle);
        }
    }

    Emit();
    mPreviousPosition = mPosition;
}

// ---- 2. Reserving particles from the pool -----------------------------------
void ParticleEmitter::ReserveParticles()
{
    Clear();
    mReservedFor = mMaxParticle;
    if (mMaxParticle < 1 || !mPool)
    {
        mPreviousPosition = mPosition;
        return;
    }

    // No more than the pool holds: a huge MaxParticle must not reserve memory for it.
    const size_t wanted = WantedCount();
    mReserved.reserve(wanted);
    mLive.reserve(wanted);
    mFree.reserve(wanted);
    TakeFromPool();
    mPreviousPosition = mPosition;
}

size_t ParticleEmitter::WantedCount() const
{
    if (mMaxParticle < 1 || !mPool)
        return 0;
    return std::min(static_cast<size_t>(mMaxParticle), mPool->capacity());
}

void ParticleEmitter::TakeFromPool()
{
    // One pass over the particles made so far, then new ones up to the
    // pool's room; a short pool gives what it has.
    const size_t wanted = WantedCount();
    if (mReserved.size() >= wanted)
        return;
    for (Particle& particle : *mPool)
    {
        if (mReserved.size() == wanted)
            break;
        if (particle.mReserved)
            continue;
        particle.mReserved = true;
        mReserved.push_back(&particle);
        mFree.push_back(&particle);
    }
    // Never past the pool's room: a reallocation would move every particle.
    while (mReserved.size() < wanted && mPool->size() < mPool->capacity())
    {
        Particle& particle = mPool->emplace_back();
        particle.mReserved = true;
        mReserved.push_back(&particle);
        mFree.push_back(&particle);
    }
}

void ParticleEmitter::Clear()
{
    for (Particle* particle : mReserved)
    {
        particle->mAlive = false;
        particle->mReserved = false;
    }
    mReserved.clear();
    mLive.clear();
    mFree.clear();
    mReservedFor = 0;
}

// ---- 3. Emitting ------------------------------------------------------------
namespace
{
// The steps of setting up one emitted particle, in the order Emit takes
// them (the random draws must keep that order).
void PlaceParticle(ParticleEmitter& e, Particle& p)
{
    p.mPosition = e.mPosition;
    if (e.mCircleEmission)
    {
        const Vec3 offset = e.CircleOffset();
        p.mPosition.x += offset.x;
        p.mPosition.y += offset.y;
    }
    else if (e.mVaryPosition)
    {
        const Vec3 offset = e.RandomPositionOffset();
        p.mPosition.x += offset.x;
        p.mPosition.y += offset.y;
    }
}

void ScaleParticle(ParticleEmitter& e, Particle& p)
{
    const Vec3 scale = e.mVaryScale ? e.RandomScale() : e.mMinScale;
    p.mStartScale = scale;
    if (e.mLerpScale)
    {
        p.mEndScale = e.mEndScale;
        p.mLerpScale = true;
    }
    else
    {
        p.mEndScale = scale;
    }
    p.mScale = Vec3(2.0f * scale.x, 2.0f * scale.y, scale.z);
    if (e.mMiddleScale)
    {
        p.mMidScale = e.mMidScale;
        p.mMidScaleTime = e.mMidScaleTime;
        p.mMiddleScale = true;
    }
}

void ColourParticle(const ParticleEmitter& e, Particle& p)
{
    p.mStartColour = p.mColour = e.mStartColour;
    p.mEndColour = e.mLerpColour ? e.mEndColour : e.mStartColour;
    p.mLerpColour = e.mLerpColour;
    if (e.mMiddleColour)
    {
        p.mMidColour = e.mMidColour;
        p.mMidColourTime = e.mMidLifeSpan;
        p.mMiddleColour = true;
    }
}

void AimParticle(ParticleEmitter& e, Particle& p)
{
    p.mDirection = e.RandomDirection();
    p.mStartSpeed = e.mStartSpeed;
    p.mEndSpeed = e.mLerpVelocity ? e.mEndSpeed : e.mStartSpeed;
    p.mLerpVelocity = e.mLerpVelocity;
    p.mVelocity = Vec3(e.mStartSpeed * p.mDirection.x, e.mStartSpeed * p.mDirection.y, p.mDirection.z);
    if (e.mMiddleVelocity)
    {
        p.mMidSpeedTime = e.mMidSpdTime;
        p.mMidSpeed = e.mMidSpeed;
        p.mMiddleVelocity = true;
    }

    if (e.mGravityEnabled)
    {
        p.mGravity = e.mGravityDirection;
        p.mGravityEnabled = true;
    }
}

void AgeParticle(ParticleEmitter& e, Particle& p)
{
    p.mLifeSpan = e.mMaxLifeSpan;
    if (e.mMinLifeSpan == e.mMaxLifeSpan)
        p.mAge = 0.0f;
    else if (e.mMinLifeSpan == 0.0f)
        p.mAge = e.mMaxLifeSpan; // dies at its first step
    else
        p.mAge = e.RandomStartAge();
}
} // namespace

void ParticleEmitter::Emit()
{
    if (mDelay > mSpawnTimer)
        return;
    // A burst that would pass MaxParticle waits; the timer keeps running.
    if (static_cast<int64_t>(mLive.size()) > static_cast<int64_t>(mMaxParticle) - mBurstAmount)
        return;
    mSpawnTimer = 0.0f;
    if (mBurstAmount < 1)
        return;

    for (int n = 0; n < mBurstAmount && !mFree.empty(); ++n)
    {
        Particle* p = mFree.back();
        mFree.pop_back();
        p->Reset();
        p->mAlive = true;

        PlaceParticle(*this, *p);
        if (mRotationEnabled)
            p->mAngle = mAngle;
        ScaleParticle(*this, *p);
        ColourParticle(*this, *p);
        AimParticle(*this, *p);
        AgeParticle(*this, *p);
        if (mType == static_cast<int>(ParticleType::Texture))
            p->mSprite = mSprite;
        p->mType = mType;
        mLive.push_back(p);
    }
}

// ---- 4. Random draws --------------------------------------------------------
Vec3 ParticleEmitter::RandomPositionOffset()
{
    ParticleRandom& random = ParticleRandom::Get();
    // u in [0, 101): the range reaches up to 1 % beyond MaxPos.
    const float x = mMinPos.x + random.Uniform(0.0f, 101.0f) * (mMaxPos.x - mMinPos.x) / 100.0f;
    const float y = mMinPos.y + random.Uniform(0.0f, 101.0f) * (mMaxPos.y - mMinPos.y) / 100.0f;
    return Vec3(x, y, mMinPos.z);
}

Vec3 ParticleEmitter::RandomScale()
{
    ParticleRandom& random = ParticleRandom::Get();
    const float x = mMinScale.x + random.Uniform(0.0f, 101.0f) * (mMaxScale.x - mMinScale.x) / 100.0f;
    const float y = mMinScale.y + random.Uniform(0.0f, 101.0f) * (mMaxScale.y - mMinScale.y) / 100.0f;
    return Vec3(x, y, mMinScale.z);
}

Vec3 ParticleEmitter::RandomDirection()
{
    ParticleRandom& random = ParticleRandom::Get();
    float x = mMinDir.x + random.Uniform(0.0f, 1001.0f) * (mMaxDir.x - mMinDir.x) / 1000.0f;
    float y = mMinDir.y + random.Uniform(0.0f, 1001.0f) * (mMaxDir.y - mMinDir.y) / 1000.0f;
    const float length = std::sqrt(x * x + y * y);
    if (length > 1e-11f)
    {
        x /= length;
        y /= length;
    }
    return Vec3(x, y, mMinDir.z);
}

Vec3 ParticleEmitter::CircleOffset()
{
    ParticleRandom& random = ParticleRandom::Get();
    // u in [0, 91) taken as radians, wrapped into the 512-step table.
    const int k = static_cast<int>(random.Uniform(0.0f, 91.0f) * 256.0f / 3.1415927f);
    const float r = random.Uniform(0.0f, 1.0f) * (mMaxRadius - mMinRadius);
    const float radius = mMinRadius + r;
    return Vec3(radius * ParticleCos(k), radius * ParticleSin(k), 0.0f);
}

float ParticleEmitter::RandomStartAge()
{
    const float u = ParticleRandom::Get().Uniform(0.0f, mMinLifeSpan + 1.0f);
    const float range = mMaxLifeSpan - mMinLifeSpan;
    // Negative for a MinLifeSpan above 9, which would extrapolate the colour
    // and scale keys; such particles start new instead.
    return std::max(0.0f, range - u * range / 10.0f);
}
} // namespace Framework
