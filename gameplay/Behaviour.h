// The component that gives a game object a script, chosen by number ("ScriptID").
#pragma once
#include <string>
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"

namespace Framework
{
class ScriptBase;

class Behaviour : public Component
{
public:
    static constexpr int32_t TypeId = ComponentType::Behaviour;

    Behaviour() = default;
    Behaviour(const Behaviour& other) = default;
    ~Behaviour() override;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void SendMessage(Message* message) override;
    void Initialize() override;
    void DrawInspector() override;

    // The hosted script, looked up in the registry at every call so that no
    // Behaviour ever holds a script the registry has freed: the object's own
    // script, or the shared default script. Null only without a registry.
    ScriptBase* GetScript() const;
    // Replaces the object's script by a new one of number id and starts it.
    void ChangeScript(int32_t id);

    int32_t ScriptID = 0; // the only field stored in files
    std::string mLabel;   // first line of the inspector; not stored
};
} // namespace Framework
