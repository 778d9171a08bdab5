// One pooled particle: its colour, scale and speed keys, its motion and age.
#pragma once
#include "core/math/MathTypes.h"
#include "graphics/Sprite.h"

namespace Framework
{
enum class ParticleType : int
{
    None = 0,
    Circle = 1,
    Box = 2,
    Texture = 3,
};

struct Particle
{
    Particle();

    // Back to a blank particle; the reserved flag belongs to the pool and stays.
    void Reset();
    // One step of dt: interpolates colour, scale and speed at the current age,
    // ages the particle (it dies when its age reaches its lifespan), then moves it.
    void Integrate(float dt);
    // Queues the particle for drawing by its shape.
    void Draw() const;

    Color mStartColour{1.0f};
    Color mMidColour{1.0f};
    Color mEndColour{1.0f};
    Color mColour{1.0f}; // current draw colour

    Vec3 mPosition{0.0f};   // world units; z is never changed
    float mRotation = 0.0f; // degrees; not used for drawing
    Vec3 mScale{1.0f};      // drawn scale: twice the interpolated scale in x and y

    Vec3 mStartScale{0.0f};
    Vec3 mMidScale{0.0f};
    Vec3 mEndScale{0.0f};
    Vec3 mDirection{0.0f}; // unit direction in x, y (zero when the range is a point)
    Vec3 mVelocity{0.0f};  // units per second
    Vec3 mGravity{0.0f};   // units per second squared

    float mLifeSpan = 0.0f; // seconds of age
    float mAge = 0.0f;
    float mMidColourTime = 0.0f; // age at which the colour is the mid colour
    float mMidScaleTime = 0.0f;
    float mMidSpeedTime = 0.0f;
    float mStartSpeed = 0.0f;
    float mMidSpeed = 0.0f;
    float mEndSpeed = 0.0f;
    float mAngle = 0.0f; // degrees, the draw rotation

    bool mAlive = false;
    bool mGravityEnabled = false;
    bool mMiddleColour = false;
    bool mMiddleScale = false;
    bool mMiddleVelocity = false;
    bool mLerpColour = false;
    bool mLerpScale = false;
    bool mLerpVelocity = false;
    bool mReserved = false; // belongs to some emitter's reserved list

    int mType = 0;          // a ParticleType value
    int mStepsPerFrame = 0; // Integrate calls per emitter update (2 after Reset)
    Sprite mSprite;         // the frame drawn by Texture particles
};

// "Sprite0" on texture 0 with zero texture coordinates: the blank frame.
Sprite BlankParticleSprite();
} // namespace Framework
