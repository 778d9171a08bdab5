// A script that records what the host calls on it, and a script table that
// makes one for every number.
#pragma once
#include <string>
#include <vector>
#include "core/objects/Composition.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/ScriptTable.h"

namespace TestSupport
{
// Every call of every recording script, in order: "<object>:<call>".
inline std::vector<std::string>& ScriptJournal()
{
    static std::vector<std::string> journal;
    return journal;
}

class RecordingScript : public Framework::ScriptBase
{
public:
    explicit RecordingScript(int32_t id) : ScriptBase("Recording"), mId(id) {}
    void Init(Framework::Behaviour* owner) override { Record(owner, "init"); }
    void Update(Framework::Behaviour* owner, float) override { Record(owner, "update"); }
    void OnWin(Framework::WinMessage*, Framework::Behaviour* owner) override { Record(owner, "win"); }
    void OnCollision(Framework::CollisionMessage*, Framework::Behaviour* owner) override { Record(owner, "collision"); }
    void Record(Framework::Behaviour* owner, const std::string& call)
    {
        const Framework::Composition* object = owner ? owner->GetOwner() : nullptr;
        ScriptJournal().push_back((object ? object->mName : std::string("?")) + ":" + call);
    }
    int32_t mId;
};

// While it lives, every script number makes a RecordingScript.
class RecordingScriptTable
{
public:
    RecordingScriptTable() : mPrevious(Framework::gScriptMaker)
    {
        ScriptJournal().clear();
        Framework::gScriptMaker = [](int32_t id) -> Framework::ScriptBase* { return new RecordingScript(id); };
    }
    ~RecordingScriptTable() { Framework::gScriptMaker = mPrevious; }

private:
    Framework::ScriptMaker mPrevious;
};
} // namespace TestSupport
