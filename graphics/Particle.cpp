#include "graphics/Particle.h"
#include "graphics/GraphicsSystem.h"

namespace Framework
{
namespace
{
// Fraction of the way from key time `from` to key time `to` at age a; a key
// time of zero (a zero mid time at age 0) counts as reached, never as 0 / 0.
float Fraction(float a, float from, float to)
{
    const float span = to - from;
    return span != 0.0f ? (a - from) / span : 1.0f;
}

// The colour, scale and speed at age a of a particle living life seconds:
// start to mid to end, or start to end, as the particle was set up.
void LerpColour(Particle& p, float a, float life)
{
    if (p.mMiddleColour)
    {
        const float m = p.mMidColourTime;
        if (m >= a)
        {
            const float f = Fraction(a, 0.0f, m);
            p.mColour = p.mStartColour * (1.0f - f) + p.mMidColour * f;
        }
        else
        {
            const float f = Fraction(a, m, life);
            p.mColour = p.mMidColour * (1.0f - f) + p.mEndColour * f;
        }
    }
    else if (p.mLerpColour)
    {
        const float f = Fraction(a, 0.0f, life);
        p.mColour = p.mStartColour * (1.0f - f) + p.mEndColour * f;
    }
}

void LerpScale(Particle& p, float a, float life)
{
    if (p.mMiddleScale || p.mLerpScale)
    {
        float sx, sy, sz;
        if (p.mMiddleScale)
        {
            const float m = p.mMidScaleTime;
            if (m >= a)
            {
                const float f = Fraction(a, 0.0f, m);
                sx = p.mStartScale.x * (1.0f - f) + p.mMidScale.x * f;
                sy = p.mStartScale.y * (1.0f - f) + p.mMidScale.y * f;
                sz = p.mStartScale.z;
            }
            else
            {
                const float f = Fraction(a, m, life);
                sx = p.mMidScale.x * (1.0f - f) + p.mEndScale.x * f;
                sy = p.mMidScale.y * (1.0f - f) + p.mEndScale.y * f;
                sz = p.mMidScale.z;
            }
        }
        else
        {
            const float f = Fraction(a, 0.0f, life);
            sx = p.mStartScale.x * (1.0f - f) + p.mEndScale.x * f;
            sy = p.mStartScale.y * (1.0f - f) + p.mEndScale.y * f;
            sz = p.mStartScale.z;
        }
        p.mScale = Vec3(2.0f * sx, 2.0f * sy, sz);
    }
}

void LerpSpeed(Particle& p, float a, float life)
{
    if (p.mMiddleVelocity || p.mLerpVelocity)
    {
        float s;
        if (p.mMiddleVelocity)
        {
            const float m = p.mMidSpeedTime;
            if (m >= a)
            {
                const float f = Fraction(a, 0.0f, m);
                s = p.mStartSpeed * (1.0f - f) + p.mMidSpeed * f;
            }
            else
            {
                const float f = Fraction(a, m, life);
                s = p.mMidSpeed * (1.0f - f) + p.mEndSpeed * f;
            }
        }
        else
        {
            const float f = Fraction(a, 0.0f, life);
            s = p.mStartSpeed * (1.0f - f) + p.mEndSpeed * f;
        }
        p.mVelocity = Vec3(p.mDirection.x * s, p.mDirection.y * s, p.mDirection.z);
    }
}
} // namespace

Sprite BlankParticleSprite()
{
    const Vec2 corners[4] = {Vec2(0.0f), Vec2(0.0f), Vec2(0.0f), Vec2(0.0f)};
    return Sprite(0, 0, corners);
}

Particle::Particle() : mSprite(BlankParticleSprite())
{
    Reset();
    mStepsPerFrame = 0;
}

void Particle::Reset()
{
    mStartColour = mMidColour = mEndColour = mColour = Color(1.0f);
    mPosition = Vec3(0.0f);
    mRotation = 0.0f;
    mScale = Vec3(1.0f);
    mStartScale = mMidScale = mEndScale = Vec3(0.0f);
    mDirection = mVelocity = mGravity = Vec3(0.0f);
    mLifeSpan = mAge = 0.0f;
    mMidColourTime = mMidScaleTime = mMidSpeedTime = 0.0f;
    mStartSpeed = mMidSpeed = mEndSpeed = 0.0f;
    mAngle = 0.0f;
    mAlive = false;
    mGravityEnabled = mMiddleColour = mMiddleScale = mMiddleVelocity = false;
    mLerpColour = mLerpScale = mLerpVelocity = false;
    mStepsPerFrame = 2;
}

void Particle::Integrate(float dt)
{
    const float a = mAge;
    const float life = mLifeSpan;

    LerpColour(*this, a, life);
    LerpScale(*this, a, life);
    LerpSpeed(*this, a, life);

    mAge += dt;
    if (mAge >= life)
    {
        mAlive = false;
        return;
    }

    if (mGravityEnabled)
    {
        mVelocity.x += dt * mGravity.x;
        mVelocity.y += dt * mGravity.y;
    }
    mPosition.x += dt * mVelocity.x;
    mPosition.y += dt * mVelocity.y;
}

void Particle::Draw() const
{
    if (!gGraphicsSystem)
        return;
    const float centre[2] = {mPosition.x, mPosition.y};
    const float scale[2] = {mScale.x, mScale.y};
    const float radians = mAngle * 3.1415927f / 180.0f;
    switch (static_cast<ParticleType>(mType))
    {
    case ParticleType::Circle:
        gGraphicsSystem->DrawCircle(centre, mScale.x * 0.5f, mColour);
        break;
    case ParticleType::Box:
    {
        static const Sprite blank = BlankParticleSprite();
        gGraphicsSystem->DrawSprite(blank, mPosition, scale, radians, mColour, "Solid", false, false);
        break;
    }
    case ParticleType::Texture:
        gGraphicsSystem->DrawSprite(mSprite, mPosition, scale, radians, mColour, "Multiply", false, false);
        break;
    default:
        break; // None, or a value no shape has
    }
}
} // namespace Framework
