#include "gameplay/ResourceManager.h"
#include <algorithm>
#include "core/objects/Composition.h"
#include "core/objects/ComponentCreator.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "gameplay/Behaviour.h"
#include "gameplay/Button.h"
#include "gameplay/Controller.h"
#include "gameplay/CollisionRules.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/ScriptTable.h"

namespace Framework
{
ResourceManager* gResourceManager = nullptr;

ResourceManager::ResourceManager()
{
    gResourceManager = this;
    mScripts[DefaultKey] = new ScriptBase();
}

ResourceManager::~ResourceManager()
{
    if (gResourceManager == this)
        gResourceManager = nullptr;
    for (auto& entry : mScripts)
        delete entry.second;
    mScripts.clear();
    mBehaviours.clear();
    mButtons.clear();
    gPressedButton = nullptr;
    RemoveCollisionRules(this);
}

void ResourceManager::Init()
{
    InstallCollisionRules(this);
    if (!gFactory)
        return;
    gFactory->AddComponentCreator("Behaviour", new ComponentCreatorType<Behaviour>(ComponentType::Behaviour));
    gFactory->AddComponentCreator("Button", new ComponentCreatorType<Button>(ComponentType::Button));
    gFactory->AddComponentCreator("Controller", new ComponentCreatorType<Controller>(ComponentType::Controller));
}

void ResourceManager::Update(float dt)
{
    if (gLogic && gLogic->mState.mCurrent == GameState::EDITOR)
        return;

    // Walk by key: a script may add objects (and so Behaviours) while it runs.
    for (auto it = mBehaviours.begin(); it != mBehaviours.end();)
    {
        const uint32_t id = it->first;
        Behaviour* behaviour = it->second;
        if (ScriptBase* script = behaviour ? behaviour->GetScript() : nullptr)
            script->Update(behaviour, dt);
        it = mBehaviours.upper_bound(id);
    }

    // Index walk: a button may be created or destroyed by a click's effects.
    for (size_t i = 0; i < mButtons.size(); ++i)
        mButtons[i]->Update();
}

ScriptKey ResourceManager::KeyOf(const Composition* object)
{
    if (!object)
        return DefaultKey;
    return ScriptKey{static_cast<uint32_t>(object->mKind), object->mId};
}

ScriptBase* ResourceManager::CreateScript(int32_t id, const ScriptKey& owner)
{
    // 0 is the shared default; 7 and numbers outside the table make no script,
    // and keeping the default means a Behaviour always has one to call.
    if (id <= ScriptId::None || id >= ScriptId::Count || id == ScriptId::EditorCameraScript)
        return GetDefaultScript();
    ScriptBase* script = gScriptMaker ? gScriptMaker(id) : nullptr;
    if (!script)
        return GetDefaultScript();
    auto found = mScripts.find(owner);
    if (found != mScripts.end())
    {
        // One owner, one script: the object's earlier script is replaced, not leaked.
        delete found->second;
        found->second = script;
    }
    else
        mScripts[owner] = script;
    return script;
}

void ResourceManager::DestroyScript(const ScriptKey& owner)
{
    if (owner == DefaultKey)
        return;
    auto found = mScripts.find(owner);
    if (found == mScripts.end())
        return;
    delete found->second;
    mScripts.erase(found);
}

ScriptBase* ResourceManager::FindScript(const ScriptKey& owner) const
{
    auto found = mScripts.find(owner);
    return found == mScripts.end() ? nullptr : found->second;
}

ScriptBase* ResourceManager::GetDefaultScript() const { return FindScript(DefaultKey); }

void ResourceManager::ClearScripts()
{
    for (auto it = mScripts.begin(); it != mScripts.end();)
    {
        if (it->first.mKind == static_cast<uint32_t>(ObjectKind::Archetype) && !(it->first == DefaultKey))
        {
            ++it;
            continue;
        }
        delete it->second;
        it = mScripts.erase(it);
    }
    mScripts[DefaultKey] = new ScriptBase();
    // The objects are gone: a press that was playing belongs to no button now.
    gPressedButton = nullptr;
}

void ResourceManager::AddBehaviour(Behaviour* behaviour)
{
    const Composition* owner = behaviour ? behaviour->GetOwner() : nullptr;
    if (owner)
        mBehaviours.emplace(owner->mId, behaviour); // an existing entry stays
}

void ResourceManager::RemoveBehaviour(Behaviour* behaviour)
{
    const Composition* owner = behaviour ? behaviour->GetOwner() : nullptr;
    if (!owner)
        return;
    auto found = mBehaviours.find(owner->mId);
    // Only its own entry: a copy that never registered must not unlist the original.
    if (found != mBehaviours.end() && found->second == behaviour)
        mBehaviours.erase(found);
}

void ResourceManager::AddButton(Button* button) { mButtons.push_back(button); }

void ResourceManager::RemoveButton(Button* button)
{
    mButtons.erase(std::remove(mButtons.begin(), mButtons.end(), button), mButtons.end());
}
} // namespace Framework
