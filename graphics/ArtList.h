// The art list "Art.dat": which sprite-sheet text files to read at start-up,
// and writing every sheet back at shutdown.
#pragma once
#include <map>
#include <string>
#include "graphics/SpriteSheet.h"

namespace Framework
{
using SpriteSheetTable = std::map<std::string, SpriteSheet>;

// Where the art list and the sheets' files live.
extern const char* const gArtFolder; // "Resources/Art/"

// Reads the art list at artListPath into table. False when the list exists but
// could not be read whole: it must then not be written back.
bool ReadArtList(const std::string& artListPath, SpriteSheetTable& table);
// Writes the art list and every sheet's text file; each file goes through a
// temporary name and a rename.
void WriteArtList(const std::string& artListPath, const SpriteSheetTable& table);
// The text file a sheet is written to: gArtFolder + the image's base name + ".txt".
std::string SheetTextPath(const SpriteSheet& sheet);
} // namespace Framework
