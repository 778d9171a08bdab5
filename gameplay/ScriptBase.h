// The base of every game script: hooks the Behaviour component calls once at
// creation, every frame, on collision and win messages, and in the inspector.
#pragma once
#include <cstdint>
#include <string>

namespace Framework
{
class Behaviour;
class CollisionMessage;
class WinMessage;

// Scripts made in this run; never reset, so every script name is unique.
extern uint32_t gScriptCount;

class ScriptBase
{
public:
    ScriptBase();
    // Subclasses with a fixed name (the script table's Name column) pass it here.
    explicit ScriptBase(const std::string& name);
    virtual ~ScriptBase() = default;

    virtual void Init(Behaviour* owner);
    virtual void Update(Behaviour* owner, float dt);
    virtual void DrawInspector();
    virtual void OnWin(WinMessage* message, Behaviour* owner);
    virtual void OnCollision(CollisionMessage* message, Behaviour* owner);

    std::string mName; // "Script <n>" unless the subclass names itself
};
} // namespace Framework
