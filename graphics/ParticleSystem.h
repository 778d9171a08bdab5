// Particle emitters and the shared particle pools.
#pragma once
#include "core/System.h"

namespace Framework
{
class ParticleSystem : public System
{
public:
    ParticleSystem();
    ~ParticleSystem() override;
    void Update(float dt) override;
    std::string GetName() override { return "Particle System"; }
    void SendMessage(Message*) override {}
};

extern ParticleSystem* gParticles;
} // namespace Framework
