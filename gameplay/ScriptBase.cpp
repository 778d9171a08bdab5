#include "gameplay/ScriptBase.h"
#include <imgui.h>

namespace Framework
{
uint32_t gScriptCount = 0;

ScriptBase::ScriptBase() : mName("Script " + std::to_string(++gScriptCount)) {}

ScriptBase::ScriptBase(const std::string& name) : ScriptBase() { mName = name; }

void ScriptBase::Init(Behaviour*) {}
void ScriptBase::Update(Behaviour*, float) {}
void ScriptBase::DrawInspector() { ImGui::Text("No Script Attached"); }
void ScriptBase::OnWin(WinMessage*, Behaviour*) {}
void ScriptBase::OnCollision(CollisionMessage*, Behaviour*) {}
} // namespace Framework
