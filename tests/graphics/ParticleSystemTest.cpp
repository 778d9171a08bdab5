// The particle system: its pools, emission and bursts, a particle's ageing,
// colour, scale and motion, following and freezing emitters, and releasing them.
//
// Contents:
//   1. The fixture: a seeded system and active emitters from its pool
//   2. Pools and the sine table
//   3. Bursts and spawning
//   4. Life spans and start ages
//   5. Colour, middle keys, speed and gravity
//   6. Circle and varied positions
//   7. Stepping, following and freezing
//   8. Reserving, exhausting and releasing the pool
//   9. The random sequence
#include <gtest/gtest.h>
#include <cmath>
#include <memory>
#include "graphics/ParticleRandom.h"
#include "graphics/ParticleSystem.h"
#include "graphics/ParticleTrigTable.h"

using namespace Framework;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
class ParticleSystemTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ParticleRandom::Get().Seed(1234);
        mSystem = std::make_unique<ParticleSystem>();
        mSystem->Init();
    }

    // An active emitter from the pool with long-lived particles that stay put.
    ParticleEmitter& Emitter(int maxParticle, int burst, float delay)
    {
        ParticleEmitter* emitter = mSystem->AcquireEmitter();
        emitter->mActivate = true;
        emitter->mMaxParticle = maxParticle;
        emitter->mBurstAmount = burst;
        emitter->mDelay = delay;
        emitter->mMinLifeSpan = emitter->mMaxLifeSpan = 100.0f;
        return *emitter;
    }

    int ReservedInPool() const
    {
        int count = 0;
        for (const Particle& particle : mSystem->mParticles)
            count += particle.mReserved ? 1 : 0;
        return count;
    }

    std::unique_ptr<ParticleSystem> mSystem;
};
} // namespace

// ---- 2. Pools and the sine table --------------------------------------------
TEST_F(ParticleSystemTest, PoolsHoldFiftyEmittersAndFiftyThousandParticles)
{
    EXPECT_EQ(mSystem->mEmitters.size(), 50u);
    EXPECT_EQ(mSystem->mParticles.capacity(), 50000u); // made as emitters first take them
    EXPECT_EQ(gParticles, mSystem.get());
    EXPECT_EQ(mSystem->GetName(), "Particle System");
    for (unsigned i = 0; i < 50; ++i)
        EXPECT_EQ(mSystem->mEmitters[i].mId, i);
}

TEST_F(ParticleSystemTest, SineTableMakesOneTurnInFiveHundredTwelveSteps)
{
    EXPECT_FLOAT_EQ(ParticleSin(128), 1.0f);
    EXPECT_FLOAT_EQ(ParticleCos(0), 1.0f);
    EXPECT_NEAR(ParticleSin(256), 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(ParticleSin(512 + 128), 1.0f); // read modulo 512
    EXPECT_FLOAT_EQ(ParticleCos(384), ParticleSin(0));
}

// ---- 3. Bursts and spawning -------------------------------------------------
TEST_F(ParticleSystemTest, BurstsComeAtTheDelayAndWaitWhileTheyWouldOverflow)
{
    ParticleEmitter& emitter = Emitter(10, 4, 0.5f);
    emitter.Update(0.25f);
    EXPECT_EQ(emitter.LiveCount(), 0u) << "the first burst waits for the delay";
    emitter.Update(0.25f);
    EXPECT_EQ(emitter.LiveCount(), 4u);
    EXPECT_EQ(emitter.ReservedCount(), 10u);
    emitter.Update(0.5f);
    EXPECT_EQ(emitter.LiveCount(), 8u);
    emitter.Update(0.5f);
    EXPECT_EQ(emitter.LiveCount(), 8u) << "8 live > 10 - 4: the burst is skipped";
    EXPECT_FLOAT_EQ(emitter.mSpawnTimer, 0.5f) << "a skipped burst keeps the timer running";

    // Two particles die: the next frame spawns at once.
    emitter.Live()[0]->mAlive = false;
    emitter.Live()[1]->mAlive = false;
    emitter.Update(0.01f);
    EXPECT_EQ(emitter.LiveCount(), 10u);
    EXPECT_FLOAT_EQ(emitter.mSpawnTimer, 0.0f);
}

TEST_F(ParticleSystemTest, NoMaximumOrNoBurstNeverSpawns)
{
    ParticleEmitter& none = Emitter(0, 4, 0.0f);
    ParticleEmitter& empty = Emitter(10, 0, 0.0f);
    for (int frame = 0; frame < 5; ++frame)
        mSystem->Update(0.5f);
    EXPECT_EQ(none.LiveCount(), 0u);
    EXPECT_EQ(empty.LiveCount(), 0u);
    EXPECT_EQ(empty.ReservedCount(), 10u);
}

// ---- 4. Life spans and start ages -------------------------------------------
TEST_F(ParticleSystemTest, AParticleAgesTwiceItsFrameTime)
{
    ParticleEmitter& emitter = Emitter(1, 1, 0.0f);
    emitter.mMinLifeSpan = emitter.mMaxLifeSpan = 2.0f;
    emitter.Update(0.125f); // spawns
    Particle* particle = emitter.Live()[0];
    for (int frame = 0; frame < 7; ++frame)
        emitter.Update(0.125f);
    EXPECT_TRUE(particle->mAlive);
    EXPECT_FLOAT_EQ(particle->mAge, 1.75f);
    emitter.Update(0.125f);
    EXPECT_FALSE(particle->mAlive) << "2 s of age is 1 s of frames";
}

TEST_F(ParticleSystemTest, ZeroMinimumLifeSpanDiesAtItsFirstStep)
{
    ParticleEmitter& emitter = Emitter(1, 1, 0.0f);
    emitter.mMinLifeSpan = 0.0f;
    emitter.mMaxLifeSpan = 3.0f;
    emitter.Update(0.01f);
    Particle* particle = emitter.Live()[0];
    EXPECT_FLOAT_EQ(particle->mAge, 3.0f);
    particle->Integrate(0.001f);
    EXPECT_FALSE(particle->mAlive);
}

TEST_F(ParticleSystemTest, RandomStartAgeIsNeverNegative)
{
    ParticleEmitter& emitter = Emitter(1, 1, 0.0f);
    emitter.mMinLifeSpan = 20.0f;
    emitter.mMaxLifeSpan = 30.0f;
    for (int i = 0; i < 200; ++i)
    {
        const float age = emitter.RandomStartAge();
        EXPECT_GE(age, 0.0f);
        EXPECT_LE(age, 10.0f);
    }
}

// ---- 5. Colour, middle keys, speed and gravity ------------------------------
TEST_F(ParticleSystemTest, ColourRunsFromStartToEndOverTheLifeSpan)
{
    Particle particle;
    particle.Reset();
    particle.mAlive = true;
    particle.mLerpColour = true;
    particle.mStartColour = Color(1, 0, 0, 1);
    particle.mEndColour = Color(0, 0, 1, 1);
    particle.mLifeSpan = 4.0f;
    particle.mAge = 2.0f;
    particle.Integrate(0.0f);
    EXPECT_FLOAT_EQ(particle.mColour.r, 0.5f);
    EXPECT_FLOAT_EQ(particle.mColour.g, 0.0f);
    EXPECT_FLOAT_EQ(particle.mColour.b, 0.5f);
    EXPECT_FLOAT_EQ(particle.mColour.a, 1.0f);
}

TEST_F(ParticleSystemTest, MiddleKeysSplitTheLifeInTwo)
{
    Particle particle;
    particle.Reset();
    particle.mAlive = true;
    particle.mMiddleColour = true;
    particle.mStartColour = Color(1, 0, 0, 1);
    particle.mMidColour = Color(0, 1, 0, 1);
    particle.mEndColour = Color(0, 0, 1, 0);
    particle.mMidColourTime = 1.0f;
    particle.mMiddleScale = true;
    particle.mStartScale = Vec3(1, 1, 0);
    particle.mMidScale = Vec3(3, 3, 0);
    particle.mEndScale = Vec3(5, 5, 0);
    particle.mMidScaleTime = 1.0f;
    particle.mLifeSpan = 3.0f;

    particle.mAge = 0.5f;
    particle.Integrate(0.0f);
    EXPECT_FLOAT_EQ(particle.mColour.r, 0.5f);
    EXPECT_FLOAT_EQ(particle.mColour.g, 0.5f);
    EXPECT_FLOAT_EQ(particle.mScale.x, 4.0f) << "the drawn scale is twice the key scale";

    particle.mAge = 2.0f;
    particle.Integrate(0.0f);
    EXPECT_FLOAT_EQ(particle.mColour.g, 0.5f);
    EXPECT_FLOAT_EQ(particle.mColour.b, 0.5f);
    EXPECT_FLOAT_EQ(particle.mColour.a, 0.5f);
    EXPECT_FLOAT_EQ(particle.mScale.y, 8.0f);
}

TEST_F(ParticleSystemTest, ZeroMiddleTimeGivesNoNaN)
{
    Particle particle;
    particle.Reset();
    particle.mMiddleColour = true;
    particle.mMidColour = Color(0, 1, 0, 1);
    particle.mLifeSpan = 1.0f;
    particle.Integrate(0.1f);
    EXPECT_FALSE(std::isnan(particle.mColour.r));
    EXPECT_FLOAT_EQ(particle.mColour.g, 1.0f);
}

TEST_F(ParticleSystemTest, SpeedAndGravityMoveTheParticle)
{
    ParticleEmitter& emitter = Emitter(1, 1, 0.0f);
    emitter.mMinDir = emitter.mMaxDir = Vec3(3, 4, 0);
    emitter.mStartSpeed = 10.0f;
    emitter.mGravityEnabled = true;
    emitter.mGravityDirection = Vec3(0, -1, 0);
    emitter.mPosition = Vec3(1, 1, 7);
    emitter.Update(0.5f);
    Particle* particle = emitter.Live()[0];
    EXPECT_FLOAT_EQ(particle->mDirection.x, 0.6f);
    EXPECT_FLOAT_EQ(particle->mVelocity.y, 8.0f);
    particle->Integrate(0.5f);
    EXPECT_FLOAT_EQ(particle->mPosition.x, 1.0f + 0.5f * 6.0f);
    EXPECT_FLOAT_EQ(particle->mPosition.y, 1.0f + 0.5f * 7.5f);
    EXPECT_FLOAT_EQ(particle->mPosition.z, 7.0f);
}

TEST_F(ParticleSystemTest, AZeroDirectionRangeStaysUnnormalised)
{
    ParticleEmitter& emitter = Emitter(1, 1, 0.0f);
    const Vec3 direction = emitter.RandomDirection();
    EXPECT_EQ(direction.x, 0.0f);
    EXPECT_EQ(direction.y, 0.0f);
}

// ---- 6. Circle and varied positions -----------------------------------------
TEST_F(ParticleSystemTest, CircleEmissionSpawnsOnTheRing)
{
    ParticleEmitter& emitter = Emitter(50, 50, 0.0f);
    emitter.mCircleEmission = true;
    emitter.mMinRadius = emitter.mMaxRadius = 2.0f;
    emitter.mPosition = Vec3(5, -3, 0);
    emitter.Update(0.1f);
    ASSERT_EQ(emitter.LiveCount(), 50u);
    for (const Particle* particle : emitter.Live())
    {
        const float dx = particle->mPosition.x - 5.0f;
        const float dy = particle->mPosition.y + 3.0f;
        EXPECT_NEAR(std::sqrt(dx * dx + dy * dy), 2.0f, 1e-5f);
    }
}

TEST_F(ParticleSystemTest, VariedPositionsStayInTheRangePlusOnePercent)
{
    ParticleEmitter& emitter = Emitter(100, 100, 0.0f);
    emitter.mVaryPosition = true;
    emitter.mMinPos = Vec3(0, 0, 0);
    emitter.mMaxPos = Vec3(10, 20, 0);
    emitter.Update(0.1f);
    for (const Particle* particle : emitter.Live())
    {
        EXPECT_GE(particle->mPosition.x, 0.0f);
        EXPECT_LT(particle->mPosition.x, 10.1f);
        EXPECT_LT(particle->mPosition.y, 20.2f);
    }
}

// ---- 7. Stepping, following and freezing ------------------------------------
TEST_F(ParticleSystemTest, SwapRemovalStillStepsTheParticleMovedIntoTheGap)
{
    ParticleEmitter& emitter = Emitter(3, 3, 0.0f);
    emitter.mDelay = 100.0f;
    emitter.mSpawnTimer = 100.0f;
    emitter.Update(0.0f);
    ASSERT_EQ(emitter.LiveCount(), 3u);
    Particle* dead = emitter.Live()[0];
    Particle* last = emitter.Live()[2];
    dead->mAlive = false;

    emitter.Update(0.25f);
    ASSERT_EQ(emitter.LiveCount(), 2u);
    EXPECT_EQ(emitter.Live()[0], last);
    EXPECT_FLOAT_EQ(last->mAge, 0.5f);
    EXPECT_FLOAT_EQ(emitter.Live()[1]->mAge, 0.5f);
    EXPECT_EQ(emitter.FreeCount(), 1u);
}

TEST_F(ParticleSystemTest, FollowEmitterMovesLiveParticlesInTheSameFrame)
{
    ParticleEmitter& emitter = Emitter(2, 2, 0.0f);
    emitter.mFollowEmitter = true;
    emitter.Update(0.1f);
    emitter.mPosition = Vec3(1, 2, 0);
    emitter.mDelay = 100.0f;
    emitter.Update(0.1f);
    for (const Particle* particle : emitter.Live())
    {
        EXPECT_FLOAT_EQ(particle->mPosition.x, 1.0f);
        EXPECT_FLOAT_EQ(particle->mPosition.y, 2.0f);
    }
}

TEST_F(ParticleSystemTest, AnInactiveEmitterFreezesItsParticles)
{
    ParticleEmitter& emitter = Emitter(2, 2, 0.0f);
    emitter.Update(0.1f);
    emitter.mActivate = false;
    emitter.Update(0.1f);
    EXPECT_FLOAT_EQ(emitter.Live()[0]->mAge, 0.0f);
    emitter.mActivate = true;
    emitter.Update(0.1f);
    EXPECT_FLOAT_EQ(emitter.Live()[0]->mAge, 0.2f);
}

// ---- 8. Reserving, exhausting and releasing the pool ------------------------
TEST_F(ParticleSystemTest, AChangedMaximumReReservesOnTheNextUpdate)
{
    ParticleEmitter& emitter = Emitter(10, 1, 0.0f);
    emitter.Update(0.1f);
    EXPECT_EQ(emitter.ReservedCount(), 10u);
    emitter.mMaxParticle = 12;
    emitter.Update(0.1f);
    EXPECT_EQ(emitter.ReservedCount(), 12u);
    EXPECT_EQ(ReservedInPool(), 12);
}

TEST_F(ParticleSystemTest, AnExhaustedPoolGivesWhatIsLeftAndKeepsTheBurst)
{
    ParticleEmitter& big = Emitter(49990, 0, 0.0f);
    big.Update(0.1f);
    ParticleEmitter& small = Emitter(20, 20, 0.0f);
    small.Update(0.1f);
    EXPECT_EQ(small.ReservedCount(), 10u);
    EXPECT_EQ(small.LiveCount(), 10u) << "spawns what its free stack holds";
    small.mDelay = 0.05f;
    small.Update(0.1f);
    EXPECT_EQ(small.LiveCount(), 10u) << "a short reservation is not cleared every frame";
    EXPECT_FLOAT_EQ(small.Live()[0]->mAge, 0.2f);
    EXPECT_EQ(ReservedInPool(), 50000);
}

TEST_F(ParticleSystemTest, ReleasingAnEmitterReturnsItsParticlesAtOnce)
{
    ParticleEmitter& emitter = Emitter(10, 5, 0.0f);
    emitter.Update(0.1f);
    ASSERT_EQ(ReservedInPool(), 10);
    mSystem->ReleaseEmitter(&emitter);
    EXPECT_FALSE(emitter.mInUse);
    EXPECT_EQ(ReservedInPool(), 0);
    EXPECT_EQ(emitter.LiveCount(), 0u);
    EXPECT_EQ(emitter.ReservedCount(), 0u);

    // The next owner takes the same slot, with its settings, and starts at zero.
    ParticleEmitter* next = mSystem->AcquireEmitter();
    EXPECT_EQ(next, &emitter);
    EXPECT_EQ(next->mMaxParticle, 10);
    next->Update(0.1f);
    EXPECT_EQ(next->ReservedCount(), 10u);
}

TEST_F(ParticleSystemTest, TheFiftyFirstEmitterIsRefused)
{
    for (int i = 0; i < 50; ++i)
        ASSERT_NE(mSystem->AcquireEmitter(), nullptr);
    EXPECT_EQ(mSystem->AcquireEmitter(), nullptr);
    mSystem->ReleaseEmitter(nullptr); // harmless
}

TEST_F(ParticleSystemTest, OnlyEmittersInUseAreStepped)
{
    ParticleEmitter& loose = mSystem->mEmitters[49];
    loose.mActivate = true;
    loose.mMaxParticle = 5;
    loose.mBurstAmount = 5;
    loose.mDelay = 0.0f;
    mSystem->Update(0.1f);
    EXPECT_EQ(loose.LiveCount(), 0u);
}

// ---- 9. The random sequence -------------------------------------------------
TEST(ParticleRandomTest, ASeedReplaysTheSameSequence)
{
    ParticleRandom& random = ParticleRandom::Get();
    random.Seed(99);
    const float a = random.Uniform(0.0f, 1.0f);
    const float b = random.Uniform(0.0f, 101.0f);
    random.Seed(99);
    EXPECT_EQ(random.Uniform(0.0f, 1.0f), a);
    EXPECT_EQ(random.Uniform(0.0f, 101.0f), b);
    EXPECT_EQ(random.Uniform(3.0f, 3.0f), 3.0f);
}
