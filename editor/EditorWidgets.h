// Small widgets and helpers several editor panels share.
#pragma once
#include <cstdint>
#include <map>
#include <string>

namespace Framework
{
class Composition;

// The object of the n-th entry of an id-ordered map; n below 1 gives the
// first. Null for an empty map or when n is not below the map's size.
Composition* MapValueAt(const std::map<uint32_t, Composition*>& map, int n);

// Item getter for ImGui list boxes over an object map (data points at a
// std::map<uint32_t, Composition*>): the n-th object's name. False for an
// index outside the map or a null object.
bool ObjectNameGetter(void* data, int n, const char** out);

// rows x 4 image buttons of 64 x 64 pixels, four to a line: button i shows
// frame i of the named sprite sheet and stores i in selected when pressed.
// Cells the sheet does not have (or a missing sheet) are left out.
void DrawSpritePicker(const std::string& sheetName, uint32_t* selected, uint32_t rows);
} // namespace Framework
