// Handles to sounds, channels and channel groups, and the values that describe them.
#pragma once
#include <cstdint>

namespace Framework
{
namespace Sound
{
// A slot index plus the slot's generation. Generation 0 never names anything,
// so a default handle is null; a slot's generation advances whenever what it
// held goes away, so an old handle is recognised as stale instead of reaching
// whatever took the slot next.
template <class Tag>
struct Handle
{
    uint32_t mSlot = 0;
    uint32_t mGeneration = 0;

    bool IsNull() const { return mGeneration == 0; }
    bool operator==(const Handle& other) const { return mSlot == other.mSlot && mGeneration == other.mGeneration; }
    bool operator!=(const Handle& other) const { return !(*this == other); }
    // Slot order first: the order in which maps keyed by handles keep them.
    bool operator<(const Handle& other) const
    {
        return mSlot != other.mSlot ? mSlot < other.mSlot : mGeneration < other.mGeneration;
    }
};

struct SoundTag;
struct ChannelTag;
struct GroupTag;
using SoundHandle = Handle<SoundTag>;
using ChannelHandle = Handle<ChannelTag>;
using GroupHandle = Handle<GroupTag>;

// How a sound plays when it starts on a channel.
enum class Mode : uint32_t
{
    Default = 0,    // once
    LoopNormal = 2, // from the end back to the start, for ever
};

// Where the mix goes.
enum class OutputType : uint32_t
{
    AutoDetect = 0,    // the default output device, or NoSound when none opens
    NoSound = 2,       // nothing is heard, but the mix advances in real time at each Update
    NoSoundManual = 3, // nothing is heard, and the mix advances only through Mixer::Render
};

// Loop counts: LoopForever plays without end, 0 plays once, n plays n + 1 times.
constexpr int LoopForever = -1;
} // namespace Sound
} // namespace Framework
