// "Component Editor": the selected object's name, tag, Transform and one
// header per component with its inspector, and adding components. Drawn by
// the editor frame outside the tile map mode; nothing is shown until it is built.
#include "editor/OurImGui.h"

namespace Framework
{
void OurImGui::ComponentEditorPanel() {}
} // namespace Framework
