// The sound list file: five lines per sound (tag, file, key, type, volume).
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "audio/SoundEntry.h"

namespace Framework
{
using SoundEntries = std::vector<std::unique_ptr<SoundEntry>>;

// Appends the list's records to out, in file order. A missing file is created
// empty. False when a record is malformed: the records before it are kept,
// and the file must then not be rewritten, or the records after it would be lost.
bool ReadSoundList(const std::string& path, SoundEntries& out);
// Writes every entry in order, through a temporary file; false on failure
// (the old file is then kept).
bool WriteSoundList(const std::string& path, const SoundEntries& entries);
// The tag of the index-th record written: "Sound" and the character '0' + index.
std::string SoundListTag(int index);
} // namespace Framework
