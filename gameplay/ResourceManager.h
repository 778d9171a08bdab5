// The script registry and the button list: owns every script, creates scripts
// by number, and runs all scripts and buttons once per frame outside the editor.
#pragma once
#include <cstdint>
#include <map>
#include <vector>
#include "core/engine/System.h"

namespace Framework
{
class Behaviour;
class Button;
class Composition;
class ScriptBase;

// Who owns a script: the object's kind and id. Archetype ids (from 100) and
// live ids (from 0) meet, so the kind is part of the key.
struct ScriptKey
{
    uint32_t mKind = 0;
    uint32_t mId = 0;
    bool operator<(const ScriptKey& other) const
    {
        return mKind != other.mKind ? mKind < other.mKind : mId < other.mId;
    }
    bool operator==(const ScriptKey& other) const { return mKind == other.mKind && mId == other.mId; }
};

class ResourceManager : public System
{
public:
    // The key of the shared default script (ScriptID 0): no object has it.
    static constexpr uint32_t DefaultScriptId = 0xFFFFFFFFu;
    static constexpr ScriptKey DefaultKey{1u, DefaultScriptId};

    ResourceManager();
    ~ResourceManager() override;
    void Update(float dt) override;
    void Init() override;
    std::string GetName() override { return "Resource Manager"; }
    void SendMessage(Message*) override {}

    static ScriptKey KeyOf(const Composition* object);

    // A new script of class id for the owner key, held by the registry under
    // that key (a script it held there before is freed). Number 0, 7, a number
    // outside 0..31 and a number without a script class give the default script.
    ScriptBase* CreateScript(int32_t id, const ScriptKey& owner);
    // Frees the script held under owner, if any.
    void DestroyScript(const ScriptKey& owner);
    // The script held under owner, or null.
    ScriptBase* FindScript(const ScriptKey& owner) const;
    ScriptBase* GetDefaultScript() const;
    // Frees the scripts of the flushed level and replaces the default script.
    // Archetypes outlive every level, so their scripts stay.
    void ClearScripts();
    // The level flush: the scripts and the pressed button of the old level go.
    void ResetScripts() { ClearScripts(); }

    void AddBehaviour(Behaviour* behaviour);
    void RemoveBehaviour(Behaviour* behaviour);
    void AddButton(Button* button);
    void RemoveButton(Button* button);

    std::map<uint32_t, Behaviour*> mBehaviours; // live objects' Behaviours by object id; not owned
    std::map<ScriptKey, ScriptBase*> mScripts;  // owned; DefaultKey holds the shared default
    std::vector<Button*> mButtons;              // registration order; not owned
};

extern ResourceManager* gResourceManager;
} // namespace Framework
