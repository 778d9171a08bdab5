// One sound of the library: its file, its key, music or effect, its volume
// ceiling, and the channels that components started on it.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include "audio/sound/SoundHandles.h"

namespace Framework
{
class AudioComponent;

namespace SoundType
{
enum : uint32_t
{
    Music = 0,  // loops, in the music group
    Effect = 1, // plays once, in the effects group
};
}

struct SoundEntry
{
    SoundEntry(const std::string& file, const std::string& key, uint32_t type, float volume)
        : mFile(file), mKey(key), mType(type), mVolume(volume)
    {
    }

    std::string mFile;         // as written in the sound list
    Sound::SoundHandle mSound; // null when loading failed
    std::string mKey;          // what components and scripts ask for
    uint32_t mType = SoundType::Music;
    float mVolume = 0.0f; // the most a component may play it at
    // Channels components started on this sound; ended channels are pruned
    // every frame and a component's pairs go with it.
    std::map<Sound::ChannelHandle, AudioComponent*> mChannels;
};
} // namespace Framework
