#include "graphics/ParticleTrigTable.h"
#include <cmath>

namespace Framework
{
namespace
{
float gTrigTable[ParticleTrigTableSize] = {};

int Wrap(int k)
{
    int index = k % ParticleTrigTableSize;
    return index < 0 ? index + ParticleTrigTableSize : index;
}
} // namespace

void BuildParticleTrigTable()
{
    // Double precision from the single-precision value of pi, stored as float.
    const double pi = static_cast<double>(3.1415927f);
    for (int k = 0; k < ParticleTrigTableSize; ++k)
        gTrigTable[k] = static_cast<float>(std::sin(k * pi / 256.0));
}

float ParticleSin(int k) { return gTrigTable[Wrap(k)]; }
float ParticleCos(int k) { return gTrigTable[Wrap(k + ParticleQuarterTurn)]; }
} // namespace Framework
