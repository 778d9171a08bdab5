// The editor's font: the TrueType file in the resources, or ImGui's built-in
// one when that file is missing or cannot be read.
#pragma once

struct ImFontAtlas;

namespace Framework
{
// The font file the editor draws with.
extern const char* const kEditorFont; // "Resources/fonts/calibri.ttf"

// Adds the editor's font to fonts as its first font; falls back to the
// built-in font, with a log line, for a file that is missing or damaged.
void LoadEditorFont(ImFontAtlas& fonts);
} // namespace Framework
