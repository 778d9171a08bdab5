#include "gameplay/scripts/PlayerProbeScript.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/BasicPlayerMovement.h"
#include "gameplay/scripts/Player.h"
#include "physics/PlayerProbe.h"

namespace Framework
{
namespace
{
// Content may tag an object Player and give it either apple script, or
// another script, or none: each question goes through a checked downcast.
class ScriptPlayerProbe : public PlayerProbe
{
public:
    bool HasPlayerScript(Composition* object) const override
    {
        return ScriptOf<Player>(object) || ScriptOf<BasicPlayerMovement>(object);
    }
    bool IsFacingRight(Composition* object) const override
    {
        if (const Player* player = ScriptOf<Player>(object))
            return player->mPlayerRight;
        const BasicPlayerMovement* menu = ScriptOf<BasicPlayerMovement>(object);
        return menu && menu->mPlayerRight;
    }
    bool IsMoving(Composition* object) const override
    {
        if (const Player* player = ScriptOf<Player>(object))
            return player->mPlayerMoving;
        const BasicPlayerMovement* menu = ScriptOf<BasicPlayerMovement>(object);
        return menu && menu->mPlayerMoving;
    }
    bool IsImmune(Composition* object) const override
    {
        const Player* player = ScriptOf<Player>(object);
        return player && player->mImmune;
    }
    void ClearLiftFlags(Composition* object) override
    {
        if (Player* player = ScriptOf<Player>(object))
        {
            player->mLiftFromBelow = false;
            player->mInStream = false;
        }
    }
};

ScriptPlayerProbe gScriptProbe;
} // namespace

void InstallPlayerProbe() { SetPlayerProbe(&gScriptProbe); }
} // namespace Framework
