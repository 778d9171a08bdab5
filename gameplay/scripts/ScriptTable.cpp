#include "gameplay/scripts/ScriptTable.h"
#include "gameplay/ScriptId.h"
#include "gameplay/ScriptBase.h"

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
    default:
        return nullptr;
    }
}
} // namespace Framework
