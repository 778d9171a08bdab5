// Bringing a dropped file into the resource folders: the copy, and reading a
// dropped image's size without a GL context (tools and tests run without one).
#pragma once
#include <string>

namespace Framework
{
class SpriteSheet;

// Copies source to destination (through a temporary name, replacing an
// existing file). "" on success, otherwise why not (logged); the destination
// is then untouched.
std::string CopyImportedFile(const std::string& source, const std::string& destination);
// True when destination is an existing file other than source itself: an
// import there would replace something the user already has.
bool ImportWouldReplace(const std::string& source, const std::string& destination);
// Loads the image into the sheet's texture. Without a GL context only the
// size and path are taken (no texture). False, the sheet unchanged, when the
// image cannot be read.
bool LoadImportedImage(SpriteSheet& sheet, const std::string& path);
} // namespace Framework
