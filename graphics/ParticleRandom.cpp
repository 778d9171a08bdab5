#include "graphics/ParticleRandom.h"

namespace Framework
{
ParticleRandom::ParticleRandom()
{
    std::random_device device;
    mEngine.seed(device());
}

ParticleRandom& ParticleRandom::Get()
{
    static ParticleRandom instance;
    return instance;
}

float ParticleRandom::Uniform(float low, float high)
{
    // uniform_real_distribution needs low < high; an empty range has one value.
    if (!(low < high))
        return low;
    std::uniform_real_distribution<float> distribution(low, high);
    return distribution(mEngine);
}
} // namespace Framework
