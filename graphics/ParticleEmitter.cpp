#include "graphics/ParticleEmitter.h"
#include <algorithm>
#include <cmath>
#include <cstdint>
#include "graphics/ParticleRandom.h"
#include "graphics/ParticleTrigTable.h"

namespace Framework
{
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
    return std::min(static_cast<size_t>(mMaxParticle), mPool->size());
}

void ParticleEmitter::TakeFromPool()
{
    // One pass over the pool; a short pool gives what it has.
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

        p->mPosition = mPosition;
        if (mCircleEmission)
        {
            const Vec3 offset = CircleOffset();
            p->mPosition.x += offset.x;
            p->mPosition.y += offset.y;
        }
        else if (mVaryPosition)
        {
            const Vec3 offset = RandomPositionOffset();
            p->mPosition.x += offset.x;
            p->mPosition.y += offset.y;
        }

        if (mRotationEnabled)
            p->mAngle = mAngle;

        const Vec3 scale = mVaryScale ? RandomScale() : mMinScale;
        p->mStartScale = scale;
        if (mLerpScale)
        {
            p->mEndScale = mEndScale;
            p->mLerpScale = true;
        }
        else
        {
            p->mEndScale = scale;
        }
        p->mScale = Vec3(2.0f * scale.x, 2.0f * scale.y, scale.z);
        if (mMiddleScale)
        {
            p->mMidScale = mMidScale;
            p->mMidScaleTime = mMidScaleTime;
            p->mMiddleScale = true;
        }

        p->mStartColour = p->mColour = mStartColour;
        p->mEndColour = mLerpColour ? mEndColour : mStartColour;
        p->mLerpColour = mLerpColour;
        if (mMiddleColour)
        {
            p->mMidColour = mMidColour;
            p->mMidColourTime = mMidLifeSpan;
            p->mMiddleColour = true;
        }

        p->mDirection = RandomDirection();
        p->mStartSpeed = mStartSpeed;
        p->mEndSpeed = mLerpVelocity ? mEndSpeed : mStartSpeed;
        p->mLerpVelocity = mLerpVelocity;
        p->mVelocity = Vec3(mStartSpeed * p->mDirection.x, mStartSpeed * p->mDirection.y, p->mDirection.z);
        if (mMiddleVelocity)
        {
            p->mMidSpeedTime = mMidSpdTime;
            p->mMidSpeed = mMidSpeed;
            p->mMiddleVelocity = true;
        }

        if (mGravityEnabled)
        {
            p->mGravity = mGravityDirection;
            p->mGravityEnabled = true;
        }

        p->mLifeSpan = mMaxLifeSpan;
        if (mMinLifeSpan == mMaxLifeSpan)
            p->mAge = 0.0f;
        else if (mMinLifeSpan == 0.0f)
            p->mAge = mMaxLifeSpan; // dies at its first step
        else
            p->mAge = RandomStartAge();

        if (mType == static_cast<int>(ParticleType::Texture))
            p->mSprite = mSprite;
        p->mType = mType;
        mLive.push_back(p);
    }
}

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
