// Who still uses a sprite sheet of the graphics system's table. Renderers and
// particle components keep a pointer to their sheet, animations and the tile
// map name it by key: a sheet is only safe to erase when none of them does.
// Level files on disk name sheets too: a level that is not loaded would draw
// nothing where the sheet was, for good, once the art list is written without it.
#pragma once
#include <string>
#include <vector>

namespace Framework
{
// What uses the sheet of this key, for a message ("the renderer of Apple");
// "" when nothing does. Looks at every live, archetype and tile object, the
// animation table, the tile sets and the sheets the code itself names.
std::string SpriteSheetUser(const std::string& key);
// The level files in folder that name the sheet of this key, by file name
// ("Level4.xml"), sorted: an object file whose Renderer "SpriteSheetKey" or
// particle "SpriteName" is the key, or a tile file whose tileset (its first
// line) is. An object file that does not parse counts when its text holds the
// key in quotes. Empty when the folder cannot be read.
std::vector<std::string> LevelFilesNamingSheet(const std::string& key, const std::string& folder);
} // namespace Framework
