#include "gameplay/scripts/WalkerSound.h"
#include "audio/AudioComponent.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "gameplay/scripts/UIscript.h"

namespace Framework
{
std::mt19937& WalkerRandom()
{
    static std::mt19937 engine(std::random_device{}());
    return engine;
}

void SeedWalkerRandom(uint32_t seed) { WalkerRandom().seed(seed); }

bool MaybePlayWalkerSound(Composition* object, const std::string& key)
{
    // Drawn every frame whatever follows, so a seeded run repeats exactly.
    if (WalkerRandom()() % WalkerSoundOdds != 0)
        return false;
    AudioComponent* audio = object ? object->GetComponent<AudioComponent>() : nullptr;
    if (!audio || !gFactory || !gFactory->FindObject("Star1"))
        return false;
    if (audio->IsPlaying() || UIscript::sWon || UIscript::sLost)
        return false;
    audio->PlaySound(key);
    return true;
}
} // namespace Framework
