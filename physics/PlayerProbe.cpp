// The player probe in use: the gameplay one once installed, else one that reads false.
#include "physics/PlayerProbe.h"

namespace Framework
{
namespace
{
PlayerProbe gDefaultProbe;
PlayerProbe* gInstalledProbe = nullptr;
} // namespace

PlayerProbe& GetPlayerProbe() { return gInstalledProbe ? *gInstalledProbe : gDefaultProbe; }
void SetPlayerProbe(PlayerProbe* probe) { gInstalledProbe = probe; }
} // namespace Framework
