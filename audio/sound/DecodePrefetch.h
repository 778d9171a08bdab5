// Decoding the sound list's files ahead, on worker threads: the audio manager
// loads its sounds one by one at start-up, and decoding them is nearly all of
// its time. Mixer::CreateSound takes a file's result from here when it was
// prefetched and decodes the file itself otherwise, so a file that cannot be
// decoded fails exactly as before.
#pragma once
#include <string>
#include <vector>
#include "audio/sound/SoundData.h"
#include "audio/sound/SoundResult.h"

namespace Framework
{
namespace Sound
{
// Starts decoding these files (stored paths) on worker threads; a prefetch
// already running is ended first.
void PrefetchFiles(const std::vector<std::string>& paths);
// Moves out the decode of path when it was prefetched and not taken yet,
// waiting for it when need be; false when it was not prefetched.
bool TakePrefetched(const std::string& path, SoundData& out, Result& result);
// Waits for the workers and frees every decode nobody took.
void EndPrefetch();
} // namespace Sound
} // namespace Framework
