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

    if (mMiddleColour)
    {
        const float m = mMidColourTime;
        if (m >= a)
        {
            const float f = Fraction(a, 0.0f, m);
            mColour = mStartColour * (1.0f - f) + mMidColour * f;
        }
        else
        {
            const float f = Fraction(a, m, life);
            mColour = mMidColour * (1.0f - f) + mEndColour * f;
        }
    }
    else if (mLerpColour)
    {
        const float f = Fraction(a, 0.0f, life);
        mColour = mStartColour * (1.0f - f) + mEndColour * f;
    }

    if (mMiddleScale || mLerpScale)
    {
        float sx, sy, sz;
        if (mMiddleScale)
        {
            const float m = mMidScaleTime;
            if (m >= a)
            {
                const float f = Fraction(a, 0.0f, m);
                sx = mStartScale.x * (1.0f - f) + mMidScale.x * f;
                sy = mStartScale.y * (1.0f - f) + mMidScale.y * f;
                sz = mStartScale.z;
            }
            else
            {
                const float f = Fraction(a, m, life);
                sx = mMidScale.x * (1.0f - f) + mEndScale.x * f;
                sy = mMidScale.y * (1.0f - f) + mEndScale.y * f;
                sz = mMidScale.z;
            }
        }
        else
        {
            const float f = Fraction(a, 0.0f, life);
            sx = mStartScale.x * (1.0f - f) + mEndScale.x * f;
            sy = mStartScale.y * (1.0f - f) + mEndScale.y * f;
            sz = mStartScale.z;
        }
        mScale = Vec3(2.0f * sx, 2.0f * sy, sz);
    }

    if (mMiddleVelocity || mLerpVelocity)
    {
        float s;
        if (mMiddleVelocity)
        {
            const float m = mMidSpeedTime;
            if (m >= a)
            {
                const float f = Fraction(a, 0.0f, m);
                s = mStartSpeed * (1.0f - f) + mMidSpeed * f;
            }
            else
            {
                const float f = Fraction(a, m, life);
                s = mMidSpeed * (1.0f - f) + mEndSpeed * f;
            }
        }
        else
        {
            const float f = Fraction(a, 0.0f, life);
            s = mStartSpeed * (1.0f - f) + mEndSpeed * f;
        }
        mVelocity = Vec3(mDirection.x * s, mDirection.y * s, mDirection.z);
    }

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
