#include "physics/PlayerProbe.h"
#include "physics/RendererAlpha.h"

namespace Framework
{
RendererAlphaAccess gRendererAlpha;

namespace
{
PlayerProbe gDefaultProbe;
PlayerProbe* gInstalledProbe = nullptr;
} // namespace

PlayerProbe& GetPlayerProbe() { return gInstalledProbe ? *gInstalledProbe : gDefaultProbe; }
void SetPlayerProbe(PlayerProbe* probe) { gInstalledProbe = probe; }
} // namespace Framework
