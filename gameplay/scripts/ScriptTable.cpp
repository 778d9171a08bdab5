#include "gameplay/scripts/ScriptTable.h"
#include "gameplay/ScriptId.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/BasicPlayerMovement.h"
#include "gameplay/scripts/FollowAppleScript.h"
#include "gameplay/scripts/Player.h"

namespace Framework
{
ScriptMaker gScriptMaker = &MakeScript;

// Each script class adds its row here, e.g.
//   case ScriptId::Player: return new Player("Player");
// A number without a row keeps the shared default script.
ScriptBase* MakeScript(int32_t id)
{
    switch (id)
    {
    case ScriptId::Player: return new Player();
    case ScriptId::BasicPlayerMovement: return new BasicPlayerMovement();
    case ScriptId::FollowAppleScript: return new FollowAppleScript();
    default:
        return nullptr;
    }
}
} // namespace Framework
