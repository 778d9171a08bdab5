#include "graphics/ParticleSystem.h"

namespace Framework
{
ParticleSystem* gParticles = nullptr;

ParticleSystem::ParticleSystem() {}
ParticleSystem::~ParticleSystem()
{
    if (gParticles == this)
        gParticles = nullptr;
}
void ParticleSystem::Update(float) {}
} // namespace Framework
