// The now-and-then sound of the walking enemies (roaches "RoachWalk", rats
// "MiceSound"), and the random source that decides when it plays. Tests seed
// the source to make a run repeatable.
#pragma once
#include <cstdint>
#include <random>
#include <string>

namespace Framework
{
class Composition;

// Chance per frame of the walking sound: one in this many.
constexpr uint32_t WalkerSoundOdds = 500;

// The shared source of the walkers' random choices.
std::mt19937& WalkerRandom();
void SeedWalkerRandom(uint32_t seed);

// Once a frame per walker: with a chance of one in WalkerSoundOdds, plays key
// on the object's AudioComponent when the interface level is loaded (an object
// "Star1" exists), the component is not already playing, and the level is
// neither won nor lost. Returns whether it started the sound.
bool MaybePlayWalkerSound(Composition* object, const std::string& key);
} // namespace Framework
