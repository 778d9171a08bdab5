// The editor's look: roundings and the colour table, set by slot name.
#pragma once

struct ImGuiStyle;

namespace Framework
{
void ApplyEditorStyle(ImGuiStyle& style);
}
