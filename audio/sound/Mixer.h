// The software mixer: sounds in memory or streamed, channels playing them, channel groups
// under one master group, and the render of all of it into a stereo buffer.
#pragma once
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>
#include "audio/sound/BackgroundDecoder.h"
#include "audio/sound/OggStream.h"
#include "audio/sound/HandleTable.h"
#include "audio/sound/SoundData.h"
#include "audio/sound/SoundHandles.h"
#include "audio/sound/SoundResult.h"

namespace Framework
{
namespace Sound
{
// Every operation is safe to call from the main thread while the output
// device's thread renders: one mutex guards all state. Render reads and
// decodes streamed files without holding it: no call waits for those reads.
class Mixer
{
public:
    static constexpr int DefaultOutputRate = 44100;

    explicit Mixer(int outputRate = DefaultOutputRate);

    // At most maxChannels channels play at once; the master group is created here.
    Result Init(int maxChannels);
    // Stops every channel and frees every sound and group; Init may run again.
    Result Close();
    bool IsInitialized() const { return mInitialized; }
    int GetOutputRate() const { return mOutputRate; }

    // ---- Sounds --------------------------------------------------------------
    Result CreateSound(const std::string& path, Mode mode, SoundHandle* out);
    Result CreateSound(SoundData data, Mode mode, SoundHandle* out);
    // As CreateSound, but an OGG Vorbis file stays on disk and each channel
    // reads and decodes it as it plays (for music); other files are decoded whole.
    Result CreateStream(const std::string& path, Mode mode, SoundHandle* out);
    // As CreateSound and CreateStream, but the file is read and decoded on a
    // worker thread: the handle is good at once, and whatever needs the sound
    // first (PlaySound, GetSoundLength, FinishSound) waits for it. A file that
    // cannot be decoded leaves a sound that answers every play with the decode's result.
    Result CreateSoundInBackground(const std::string& path, Mode mode, SoundHandle* out);
    Result CreateStreamInBackground(const std::string& path, Mode mode, SoundHandle* out);
    // Waits for the sound's background decode, if any (decoding it here when no
    // worker has begun it). Ok when the samples are there, else why not.
    Result FinishSound(SoundHandle sound);
    // Whether the sound's background decode is still running; never waits for it.
    bool IsSoundDecoding(SoundHandle sound);
    // Stops the channels that play the sound.
    Result ReleaseSound(SoundHandle sound);
    // In frames; for a stream, as its file announces it (playback goes by where its decoding ends).
    Result GetSoundLength(SoundHandle sound, size_t* frames);

    // ---- Playback ------------------------------------------------------------
    // A new channel at volume 1, pitch 1 and the sound's own rate, looping as the
    // sound's mode says, in group (the master group when null). When every
    // channel is busy the one started longest ago is stopped to make room.
    Result PlaySound(SoundHandle sound, GroupHandle group, bool paused, ChannelHandle* out);

    // ---- Channels (a stopped or ended channel's handle is stale) --------------
    Result Stop(ChannelHandle channel);
    Result IsPlaying(ChannelHandle channel, bool* playing);
    Result SetVolume(ChannelHandle channel, float volume);
    Result GetVolume(ChannelHandle channel, float* volume);
    Result SetPitch(ChannelHandle channel, float pitch);
    Result GetPitch(ChannelHandle channel, float* pitch);
    Result SetFrequency(ChannelHandle channel, float hertz);
    Result GetFrequency(ChannelHandle channel, float* hertz);
    Result SetPaused(ChannelHandle channel, bool paused);
    Result GetPaused(ChannelHandle channel, bool* paused);
    Result SetMute(ChannelHandle channel, bool mute);
    Result GetMute(ChannelHandle channel, bool* mute);
    Result SetLoopCount(ChannelHandle channel, int loops);
    Result GetLoopCount(ChannelHandle channel, int* loops);
    // Play position in frames of the sound.
    Result GetPosition(ChannelHandle channel, double* frames);

    // ---- Groups --------------------------------------------------------------
    Result CreateChannelGroup(GroupHandle* out); // under the master group
    GroupHandle GetMasterChannelGroup() const { return mMaster; }
    // Stops the group's channels; its child groups move under its parent.
    // The master group goes only with Close.
    Result ReleaseChannelGroup(GroupHandle group);
    Result Stop(GroupHandle group); // every channel in the group or below it
    Result SetVolume(GroupHandle group, float volume);
    Result GetVolume(GroupHandle group, float* volume);
    Result SetPaused(GroupHandle group, bool paused);
    Result GetPaused(GroupHandle group, bool* paused);
    Result SetMute(GroupHandle group, bool mute);
    Result GetMute(GroupHandle group, bool* mute);

    // ---- Output --------------------------------------------------------------
    // Mixes frames stereo frames into out (2 * frames floats, overwritten),
    // advancing every channel. Channels that reach their end are freed. A
    // stream whose next frames are not decoded yet is read between two turns
    // of the lock, so this call waits for the disk but other calls never do.
    void Render(float* out, int frames);
    int GetPlayingCount();

private:
    struct SoundSlot
    {
        std::shared_ptr<const SoundData> mData;   // a sound decoded whole, or
        std::shared_ptr<const OggStream> mStream; // one decoded as it plays, or
        std::shared_ptr<DecodeJob> mDecode;       // one still decoding in the background
        Result mDecodeResult = Result::Ok;        // why the background decode failed (all three null then)
        Mode mMode = Mode::Default;
    };
    struct ChannelSlot
    {
        std::shared_ptr<const SoundData> mData;
        std::shared_ptr<OggStreamCursor> mStream; // instead of mData for a streamed sound
        SoundHandle mSound;
        GroupHandle mGroup;
        double mPosition = 0.0; // frames into the sound
        float mVolume = 1.0f;
        float mPitch = 1.0f;
        float mFrequency = 0.0f; // Hz
        bool mPaused = false;
        bool mMuted = false;
        int mLoopCount = 0;       // loops still to play; LoopForever for no end
        uint64_t mStartOrder = 0; // for stealing: smallest is oldest
    };
    struct GroupSlot
    {
        GroupHandle mParent; // null for the master group
        float mVolume = 1.0f;
        bool mPaused = false;
        bool mMuted = false;
    };
    // Gain and flags of a channel after its groups up to the master are applied.
    struct Effective
    {
        float mGain = 1.0f;
        bool mPaused = false;
        bool mMuted = false;
    };
    // How far a channel got in a render.
    enum class MixState
    {
        Playing, // through the whole buffer
        Ended,   // to its end: the channel goes
        Waiting, // to a frame of its stream that must be decoded first
    };
    // A streamed channel whose render waits for its file: mixed on from output frame mFrom once loaded.
    struct StreamWait
    {
        ChannelHandle mChannel;
        std::shared_ptr<OggStreamCursor> mCursor;
        int mFrom = 0;
    };

    template <class Fn>
    Result WithChannel(ChannelHandle handle, Fn fn);
    template <class Fn>
    Result WithGroup(GroupHandle handle, Fn fn);
    Result AddSound(SoundSlot slot, Mode mode, SoundHandle* out);
    Result CreateInBackground(const std::string& path, bool streamed, Mode mode, SoundHandle* out);
    Effective Resolve(const ChannelSlot& channel);
    bool IsInGroup(GroupHandle start, GroupHandle group);
    static OggStreamCursor::Sample SourceFrame(ChannelSlot& channel, size_t frame, float& left, float& right);
    MixState MixChannel(ChannelSlot& channel, const Effective& e, float* out, int& at, int frames);
    void MixFrom(ChannelHandle handle, ChannelSlot& channel, float* out, int from, int frames);
    void RemoveEnded();

    std::mutex mMutex;
    int mOutputRate;
    bool mInitialized = false;
    HandleTable<SoundSlot, SoundTag> mSounds;
    HandleTable<ChannelSlot, ChannelTag> mChannels;
    // Render's lists, given their room in Init so the output thread never allocates:
    std::vector<ChannelHandle> mEnded;           // channels that ended
    std::vector<StreamWait> mWaiting, mResuming; // streams to load, and those being loaded
    std::mutex mRenderMutex; // one Render at a time: the cursors' decoders and samples are its alone
    HandleTable<GroupSlot, GroupTag> mGroups;
    GroupHandle mMaster;
    uint64_t mNextStartOrder = 1;
    BackgroundDecoder mDecoder; // its workers never take mMutex
};
} // namespace Sound
} // namespace Framework
