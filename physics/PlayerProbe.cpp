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
