// Tile map mode: the grid lines over the level, Ctrl+mouse painting and
// erasing, and the "TileSet Editor" window beside the object list. Drawn by
// the editor frame only while the object type is the tile map; nothing is
// shown until it is built.
#include "editor/OurImGui.h"

namespace Framework
{
void OurImGui::TileGridEditing() {}
void OurImGui::TileSetEditorPanel() {}
} // namespace Framework
