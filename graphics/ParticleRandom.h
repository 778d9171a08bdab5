// The one random source of the particle effects: a Mersenne Twister seeded
// from the platform's random device; tests reseed it to replay a sequence.
#pragma once
#include <random>

namespace Framework
{
class ParticleRandom
{
public:
    static ParticleRandom& Get();

    void Seed(unsigned seed) { mEngine.seed(seed); }
    // Uniform in [low, high); low when the range is empty or reversed.
    float Uniform(float low, float high);

private:
    ParticleRandom();
    std::mt19937 mEngine;
};
} // namespace Framework
