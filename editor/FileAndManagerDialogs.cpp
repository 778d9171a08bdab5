// The window mOpenDialog names (EditorDialog): the art, animation and sound
// managers and the level save and load dialogs, opened from the main menu.
// Drawn after the main menu bar each editor frame; nothing is shown until
// they are built.
#include "editor/OurImGui.h"

namespace Framework
{
void OurImGui::FileAndManagerDialogs(float) {}
} // namespace Framework
