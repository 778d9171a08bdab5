// "All Game Objects": the object-type combo, the lists of archetypes and live
// objects with their buttons, picking and dragging in the scene. Drawn by the
// editor frame after the file-drop dialogs; nothing is shown until it is built.
#include "editor/OurImGui.h"

namespace Framework
{
void OurImGui::ObjectListPanel() {}
} // namespace Framework
