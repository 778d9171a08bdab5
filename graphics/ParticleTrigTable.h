// The particles' sine table: one full turn in 512 steps, read by ring emitters.
#pragma once

namespace Framework
{
constexpr int ParticleTrigTableSize = 512;
constexpr int ParticleQuarterTurn = 128; // cos(k) = sin(k + a quarter turn)

// Fills entry k with sin(k * pi / 256); run by ParticleSystem::Init.
void BuildParticleTrigTable();
float ParticleSin(int k);
float ParticleCos(int k);
} // namespace Framework
