// Who still uses a sprite sheet of the graphics system's table. Renderers and
// particle components keep a pointer to their sheet, animations and the tile
// map name it by key: a sheet is only safe to erase when none of them does.
#pragma once
#include <string>

namespace Framework
{
// What uses the sheet of this key, for a message ("the renderer of Apple");
// "" when nothing does. Looks at every live, archetype and tile object, the
// animation table and the tile sets.
std::string SpriteSheetUser(const std::string& key);
} // namespace Framework
