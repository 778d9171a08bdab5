#include "gameplay/scripts/ScriptTable.h"
#include "gameplay/ScriptId.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/CameraScript.h"
#include "gameplay/scripts/FollowCamera.h"
#include "gameplay/scripts/HowToPlay.h"
#include "gameplay/scripts/HumanWin.h"
#include "gameplay/scripts/QuitButton.h"
#include "gameplay/scripts/UIscript.h"

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
    case ScriptId::FollowCamera: return new FollowCamera();
    case ScriptId::HowToPlay: return new HowToPlay();
    case ScriptId::QuitButton: return new QuitButton();
    case ScriptId::UIScript: return new UIscript();
    case ScriptId::HumanWin: return new HumanWin();
    case ScriptId::CameraScript: return new CameraScript();
    default:
        return nullptr;
    }
}
} // namespace Framework
