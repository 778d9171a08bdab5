// What the editor's dialogs accept as names: a file name typed for a level or
// an imported file must stay inside its resource folder, and a key or a frame
// name becomes one word of a whitespace-separated list file (Art.dat, a
// sheet's .txt, Animations.dat, Audio.dat), so a blank or an empty word would
// shift or end those lists.
#pragma once
#include <string>

namespace Framework
{
// The longest name the dialogs' 64-character fields hold.
constexpr size_t kMaxDialogNameLength = 63;

// The last part of a dropped path, split on either separator (drops arrive
// with '/', stored paths use '\'); the whole path when it has neither.
std::string FileNameOfPath(const std::string& path);
// The part after the last '.'; the whole name when it has no '.'.
std::string ExtensionOf(const std::string& name);

// Why name is no plain file name ("" when it is one): empty, too long, a
// separator, a drive colon, "." or "..", or a blank or control character.
std::string FileNameProblem(const std::string& name);
// Why a level may not be saved under name ("" when it may): a name that is no
// plain file name, or the one of the game's progress file in the level folder.
std::string LevelSaveNameProblem(const std::string& name);
// Why text is no single-word identifier ("" when it is one): empty, too long,
// or holding a blank or control character.
std::string IdentifierProblem(const std::string& text);

inline bool IsPlainFileName(const std::string& name) { return FileNameProblem(name).empty(); }
inline bool IsSingleWordIdentifier(const std::string& text) { return IdentifierProblem(text).empty(); }
} // namespace Framework
