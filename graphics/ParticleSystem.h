// Particle emitters and the shared particle pools: both are built once at
// start-up and never grow; ParticleComponents take emitters from the pool.
#pragma once
#include <vector>
#include "core/engine/System.h"
#include "graphics/Particle.h"
#include "graphics/ParticleEmitter.h"

namespace Framework
{
class ParticleSystem : public System
{
public:
    static constexpr int EmitterPoolSize = 50;
    static constexpr int ParticlePoolSize = 50000;

    ParticleSystem();
    ~ParticleSystem() override;
    // Steps every emitter that a component holds, in pool order.
    void Update(float dt) override;
    void Init() override;
    std::string GetName() override { return "Particle System"; }
    void SendMessage(Message*) override {}

    // The first emitter of the pool not in use, now marked in use; null when all 50 are taken.
    ParticleEmitter* AcquireEmitter();
    // Gives the emitter back: its particles return to the pool at once.
    void ReleaseEmitter(ParticleEmitter* emitter);

    std::vector<ParticleEmitter> mEmitters;
    std::vector<Particle> mParticles;
};

extern ParticleSystem* gParticles;
} // namespace Framework
