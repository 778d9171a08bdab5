#include "graphics/ParticleSystem.h"
#include "core/objects/ComponentCreator.h"
#include "core/objects/Factory.h"
#include "graphics/ParticleComponent.h"
#include "graphics/ParticleTrigTable.h"

namespace Framework
{
ParticleSystem* gParticles = nullptr;

ParticleSystem::ParticleSystem() : mEmitters(EmitterPoolSize)
{
    gParticles = this;
    // The whole pool's room is taken now, so particles never move; they are
    // made as emitters first ask for them (most levels use a few hundred).
    mParticles.reserve(ParticlePoolSize);
    for (int i = 0; i < EmitterPoolSize; ++i)
    {
        mEmitters[i].mId = static_cast<unsigned>(i);
        mEmitters[i].mPool = &mParticles;
    }
}

ParticleSystem::~ParticleSystem()
{
    if (gParticles == this)
        gParticles = nullptr;
}

void ParticleSystem::Init()
{
    if (gFactory)
        gFactory->AddComponentCreator("ParticleComponent",
                                      new ComponentCreatorType<ParticleComponent>(ComponentType::ParticleComponent));
    BuildParticleTrigTable();
}

void ParticleSystem::Update(float dt)
{
    for (ParticleEmitter& emitter : mEmitters)
    {
        if (emitter.mInUse)
            emitter.Update(dt);
    }
}

ParticleEmitter* ParticleSystem::AcquireEmitter()
{
    for (ParticleEmitter& emitter : mEmitters)
    {
        if (!emitter.mInUse)
        {
            emitter.mInUse = true;
            return &emitter;
        }
    }
    return nullptr;
}

void ParticleSystem::ReleaseEmitter(ParticleEmitter* emitter)
{
    if (!emitter)
        return;
    emitter->mInUse = false;
    emitter->Clear();
}
} // namespace Framework
