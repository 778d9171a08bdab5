// Saving the running level under a name and loading a level by name, for the
// editor's "Save File" and "Load File" dialogs. A level is the pair
// "Resources/LevelData/<name>.dat" (tiles) and ".xml" (objects).
#pragma once
#include <string>
#include <vector>

namespace Framework
{
// The folder the dialogs save to and load from.

// The names to list: entries whose part from the last '.' is exactly ".xml",
// in the given order, with that extension.
std::vector<std::string> LevelFileNames(const std::vector<std::string>& entries);
// A listed name without its extension, cut to what the name fields hold.
std::string LevelNameOfFile(const std::string& fileName);

// Writes both files of the level (each through a temporary name). A name that
// is no plain file name is refused before anything is written. "" on success,
// otherwise why nothing (or not everything) was saved; logged either way.
std::string SaveLevelNamed(const std::string& name);
// Replaces the running level (objects, tiles, render lists, scripts) with the
// named one. Both files must exist and read back first: otherwise nothing is
// destroyed and the reason is returned (and logged). "" when loaded.
std::string LoadLevelNamed(const std::string& name);
} // namespace Framework
