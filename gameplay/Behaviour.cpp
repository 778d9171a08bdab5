#include "gameplay/Behaviour.h"
#include <imgui.h>
#include "core/objects/Composition.h"
#include "core/engine/Message.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "gameplay/ResourceManager.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/ScriptId.h"

namespace Framework
{
Behaviour::~Behaviour()
{
    // The script stays with the registry; only the per-frame entry goes.
    if (gResourceManager)
        gResourceManager->RemoveBehaviour(this);
}

void Behaviour::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("Behaviour");
    serializer.WriteInt("ScriptID", ScriptID);
    serializer.PopElement();
}

void Behaviour::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("Behaviour");
    serializer.WriteInt(ScriptID);
}

void Behaviour::UnserializeXml(XmlSerializer& serializer) { serializer.ReadInt(ScriptID); }

void Behaviour::UnserializeText(TextSerializer& serializer) { serializer.ReadInt(ScriptID); }

void Behaviour::SendMessage(Message* message)
{
    ScriptBase* script = GetScript();
    if (!message || !script)
        return;
    if (message->mMessageId == MessageId::Collision)
        script->OnCollision(static_cast<CollisionMessage*>(message), this);
    else if (message->mMessageId == MessageId::Win)
        script->OnWin(static_cast<WinMessage*>(message), this);
}

void Behaviour::Initialize()
{
    if (!gResourceManager)
        return;
    Composition* owner = GetOwner();
    // Archetype Behaviours get a script (the inspector shows it) but never update.
    if (owner && owner->mKind != ObjectKind::Archetype)
        gResourceManager->AddBehaviour(this);
    ScriptBase* script = gResourceManager->CreateScript(ScriptID, ResourceManager::KeyOf(owner));
    if (script)
        script->Init(this);
}

void Behaviour::ChangeScript(int32_t id)
{
    ScriptID = id;
    if (!gResourceManager)
        return;
    const ScriptKey key = ResourceManager::KeyOf(GetOwner());
    gResourceManager->DestroyScript(key);
    if (ScriptBase* script = gResourceManager->CreateScript(ScriptID, key))
        script->Init(this);
}

ScriptBase* Behaviour::GetScript() const
{
    if (!gResourceManager)
        return nullptr;
    if (ScriptBase* own = gResourceManager->FindScript(ResourceManager::KeyOf(GetOwner())))
        return own;
    return gResourceManager->GetDefaultScript();
}

void Behaviour::DrawInspector()
{
    ImGui::Text("%s", mLabel.c_str());
    int chosen = ScriptID;
    if (chosen < 0 || chosen >= ScriptId::Count)
        chosen = -1; // a number from a file with no name in the combo
    if (ImGui::Combo("Scripts", &chosen, gScriptNames, ScriptId::Count, 3) && chosen != ScriptID)
        ChangeScript(chosen);
    if (ScriptBase* script = GetScript())
        script->DrawInspector();
}
} // namespace Framework
