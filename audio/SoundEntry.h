// One sound of the library: its file, its key, music or effect, its volume
// ceiling, and the channels that components started on it.
#pragma once
#include <cstdint>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>
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
    // Room for as many pairs as the mixer has channels, so that starting a
    // sound during play does not allocate.
    static constexpr size_t ReservedChannels = 10;
    using ChannelPair = std::pair<Sound::ChannelHandle, AudioComponent*>;

    SoundEntry(const std::string& file, const std::string& key, uint32_t type, float volume)
        : mFile(file), mKey(key), mType(type), mVolume(volume)
    {
        mChannels.reserve(ReservedChannels);
    }

    // Records that owner started channel, keeping the pairs in slot order.
    void AddChannel(Sound::ChannelHandle channel, AudioComponent* owner)
    {
        const auto at =
            std::lower_bound(mChannels.begin(), mChannels.end(), channel,
                             [](const ChannelPair& pair, Sound::ChannelHandle handle) { return pair.first < handle; });
        if (at != mChannels.end() && at->first == channel)
            at->second = owner;
        else
            mChannels.insert(at, ChannelPair(channel, owner));
    }

    std::string mFile;         // as written in the sound list
    Sound::SoundHandle mSound; // null when loading failed
    std::string mKey;          // what components and scripts ask for
    uint32_t mType = SoundType::Music;
    float mVolume = 0.0f; // the most a component may play it at
    // Channels components started on this sound, in slot order; ended channels
    // are pruned every frame and a component's pairs go with it. A vector, not
    // a map: its room outlives the pairs, where a map node came and went with
    // every sound started.
    std::vector<ChannelPair> mChannels;
};
} // namespace Framework
