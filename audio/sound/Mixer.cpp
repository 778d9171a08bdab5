// Mixer: sounds, channels and channel groups, and the mixing of them into the output.
//
// Contents:
//   1. Construction and locked helpers: the channel and group helpers taken under the lock
//   2. Lifecycle: Init, Close
//   3. Sounds: CreateSound, background decodes, CreateStream, AddSound, ReleaseSound, GetSoundLength
//   4. Playback: PlaySound
//   5. Channels: Stop, IsPlaying, volume, pitch, frequency, pause, mute, loops, position
//   6. Groups: creating and releasing, IsInGroup, stop, volume, pause, mute
//   7. Output: Resolve, SourceFrame, MixChannel, Render, GetPlayingCount
#include "audio/sound/Mixer.h"
#include <algorithm>
#include <cmath>
#include <limits>
#include "audio/sound/Decoder.h"

namespace Framework
{
namespace Sound
{
namespace
{
// Deeper chains than this can only come from a broken parent link.
constexpr int MaxGroupDepth = 64;

bool Finite(float v) { return std::isfinite(v); }

// Beyond any file's frame count (2^53, where doubles stop counting every frame).
constexpr double MaxStreamFrame = 9007199254740992.0;

// A stream's frame number; past what a file can hold it is simply past the end.
size_t FrameIndex(double position)
{
    return position < MaxStreamFrame ? static_cast<size_t>(position) : static_cast<size_t>(MaxStreamFrame);
}

// Past the end: back by whole lengths while loops remain (false: the channel
// ends). By remainder, so no pitch can keep this looping.
bool WrapPosition(double& position, int& loops, double length)
{
    if (position < length)
        return true;
    if (length <= 0.0 || loops == 0)
        return false;
    const double passes = std::floor(position / length);
    if (loops != LoopForever)
    {
        if (passes > static_cast<double>(loops))
            return false;
        loops -= static_cast<int>(passes);
    }
    position = std::fmod(position, length);
    return true;
}
} // namespace

// ---- 1. Construction and locked helpers -------------------------------------
Mixer::Mixer(int outputRate) : mOutputRate(outputRate > 0 ? outputRate : DefaultOutputRate) {}

template <class Fn>
Result Mixer::WithChannel(ChannelHandle handle, Fn fn)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    ChannelSlot* channel = mChannels.Find(handle);
    if (!channel)
        return Result::InvalidHandle;
    return fn(*channel);
}

template <class Fn>
Result Mixer::WithGroup(GroupHandle handle, Fn fn)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    GroupSlot* group = mGroups.Find(handle);
    if (!group)
        return Result::InvalidHandle;
    return fn(*group);
}

// ---- 2. Lifecycle -----------------------------------------------------------

Result Mixer::Init(int maxChannels)
{
    // Render goes through its lists of streams without the lock: they get their room while none runs.
    std::lock_guard<std::mutex> rendering(mRenderMutex);
    std::lock_guard<std::mutex> lock(mMutex);
    if (mInitialized)
        return Result::Initialized;
    if (maxChannels < 1)
        return Result::InvalidParam;
    mChannels.SetCapacity(static_cast<size_t>(maxChannels));
    mEnded.reserve(static_cast<size_t>(maxChannels));
    mWaiting.reserve(static_cast<size_t>(maxChannels));
    mResuming.reserve(static_cast<size_t>(maxChannels));
    mMaster = mGroups.Add(GroupSlot{});
    mInitialized = true;
    return Result::Ok;
}

Result Mixer::Close()
{
    mDecoder.Stop(); // joined outside the lock, so the output plays on meanwhile
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    mChannels.Clear();
    mGroups.Clear();
    mSounds.Clear();
    mMaster = {};
    mInitialized = false;
    return Result::Ok;
}

// ---- 3. Sounds --------------------------------------------------------------

Result Mixer::CreateSound(const std::string& path, Mode mode, SoundHandle* out)
{
    if (!out)
        return Result::InvalidParam;
    *out = {};
    if (!IsInitialized())
        return Result::NotInitialized;
    // Decoding takes long; it runs outside the lock so the output keeps playing.
    SoundData data;
    const Result result = DecodeFile(path, data);
    if (result != Result::Ok)
        return result;
    return CreateSound(std::move(data), mode, out);
}

Result Mixer::CreateSound(SoundData data, Mode mode, SoundHandle* out)
{
    if (!out)
        return Result::InvalidParam;
    *out = {};
    if (data.mChannels < 1 || data.mChannels > 2 || data.mRate <= 0)
        return Result::Format;
    SoundSlot slot;
    slot.mData = std::make_shared<const SoundData>(std::move(data));
    return AddSound(std::move(slot), mode, out);
}

Result Mixer::CreateSoundInBackground(const std::string& path, Mode mode, SoundHandle* out)
{
    return CreateInBackground(path, false, mode, out);
}

Result Mixer::CreateStreamInBackground(const std::string& path, Mode mode, SoundHandle* out)
{
    return CreateInBackground(path, true, mode, out);
}

Result Mixer::CreateInBackground(const std::string& path, bool streamed, Mode mode, SoundHandle* out)
{
    if (!out)
        return Result::InvalidParam;
    *out = {};
    if (!IsInitialized())
        return Result::NotInitialized;
    if (mode != Mode::Default && mode != Mode::LoopNormal)
        return Result::InvalidParam;
    SoundSlot slot;
    slot.mDecode = mDecoder.Add(path, streamed);
    return AddSound(std::move(slot), mode, out);
}

Result Mixer::FinishSound(SoundHandle sound)
{
    std::shared_ptr<DecodeJob> job;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        if (!mInitialized)
            return Result::NotInitialized;
        const SoundSlot* slot = mSounds.Find(sound);
        if (!slot)
            return Result::InvalidHandle;
        if (!slot->mDecode)
            return slot->mDecodeResult;
        job = slot->mDecode;
    }
    job->Finish(); // unlocked: the output plays on while this waits
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    SoundSlot* slot = mSounds.Find(sound);
    if (!slot)
        return Result::InvalidHandle; // released meanwhile
    if (slot->mDecode == job)
    {
        slot->mData = job->GetData();
        slot->mStream = job->GetStream();
        slot->mDecodeResult = job->GetResult();
        slot->mDecode.reset();
    }
    return slot->mDecodeResult;
}

bool Mixer::IsSoundDecoding(SoundHandle sound)
{
    std::lock_guard<std::mutex> lock(mMutex);
    const SoundSlot* slot = mInitialized ? mSounds.Find(sound) : nullptr;
    return slot && slot->mDecode && !slot->mDecode->IsDone();
}

Result Mixer::CreateStream(const std::string& path, Mode mode, SoundHandle* out)
{
    if (!out)
        return Result::InvalidParam;
    *out = {};
    if (!IsInitialized())
        return Result::NotInitialized;
    SoundData data;
    SoundSlot slot;
    const Result result = OpenStreamFile(path, data, slot.mStream);
    if (result != Result::Ok)
        return result;
    return slot.mStream ? AddSound(std::move(slot), mode, out) : CreateSound(std::move(data), mode, out);
}

Result Mixer::AddSound(SoundSlot slot, Mode mode, SoundHandle* out)
{
    if (mode != Mode::Default && mode != Mode::LoopNormal)
        return Result::InvalidParam;
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    slot.mMode = mode;
    *out = mSounds.Add(std::move(slot));
    return Result::Ok;
}

Result Mixer::ReleaseSound(SoundHandle sound)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    if (!mSounds.Find(sound))
        return Result::InvalidHandle;
    for (ChannelHandle h : mChannels.Handles())
        if (mChannels.Find(h)->mSound == sound)
            mChannels.Remove(h);
    mSounds.Remove(sound);
    return Result::Ok;
}

Result Mixer::GetSoundLength(SoundHandle sound, size_t* frames)
{
    if (!frames)
        return Result::InvalidParam;
    if (const Result ready = FinishSound(sound); ready != Result::Ok)
        return ready;
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    SoundSlot* slot = mSounds.Find(sound);
    if (!slot)
        return Result::InvalidHandle;
    *frames = slot->mStream ? slot->mStream->FrameCount() : slot->mData->FrameCount();
    return Result::Ok;
}

// ---- 4. Playback ------------------------------------------------------------

Result Mixer::PlaySound(SoundHandle sound, GroupHandle group, bool paused, ChannelHandle* out)
{
    if (!out)
        return Result::InvalidParam;
    *out = {};
    if (const Result ready = FinishSound(sound); ready != Result::Ok)
        return ready;
    // A streamed sound's channel opens the file for itself: outside the lock,
    // so the output plays on while the disk answers.
    std::shared_ptr<const OggStream> stream;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        const SoundSlot* slot = mInitialized ? mSounds.Find(sound) : nullptr;
        stream = slot ? slot->mStream : nullptr;
    }
    std::shared_ptr<OggStreamCursor> cursor = stream ? std::make_shared<OggStreamCursor>(stream) : nullptr;
    if (cursor)
        if (const Result opened = cursor->Open(); opened != Result::Ok)
            return opened;
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    SoundSlot* slot = mSounds.Find(sound);
    if (!slot)
        return Result::InvalidHandle;
    if (group.IsNull())
        group = mMaster;
    else if (!mGroups.Find(group))
        return Result::InvalidHandle;

    ChannelSlot channel;
    channel.mData = slot->mData;
    channel.mStream = std::move(cursor); // the slot's stream is set once, so this is still its cursor
    channel.mSound = sound;
    channel.mGroup = group;
    channel.mFrequency = static_cast<float>(slot->mStream ? slot->mStream->GetRate() : slot->mData->mRate);
    channel.mPaused = paused;
    channel.mLoopCount = slot->mMode == Mode::LoopNormal ? LoopForever : 0;
    channel.mStartOrder = mNextStartOrder++;

    ChannelHandle handle = mChannels.Add(channel);
    if (handle.IsNull())
    {
        // Every channel is busy: the oldest one makes room.
        ChannelHandle oldest;
        uint64_t oldestOrder = UINT64_MAX;
        mChannels.ForEach(
            [&](ChannelHandle h, ChannelSlot& c)
            {
                if (c.mStartOrder < oldestOrder)
                {
                    oldestOrder = c.mStartOrder;
                    oldest = h;
                }
            });
        mChannels.Remove(oldest);
        handle = mChannels.Add(channel);
    }
    *out = handle;
    return handle.IsNull() ? Result::InvalidParam : Result::Ok;
}

// ---- 5. Channels ------------------------------------------------------------

Result Mixer::Stop(ChannelHandle channel)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    return mChannels.Remove(channel) ? Result::Ok : Result::InvalidHandle;
}

Result Mixer::IsPlaying(ChannelHandle channel, bool* playing)
{
    if (!playing)
        return Result::InvalidParam;
    *playing = false;
    return WithChannel(channel,
                       [&](ChannelSlot&)
                       {
                           *playing = true;
                           return Result::Ok;
                       });
}

Result Mixer::SetVolume(ChannelHandle channel, float volume)
{
    if (!Finite(volume))
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           c.mVolume = volume;
                           return Result::Ok;
                       });
}

Result Mixer::GetVolume(ChannelHandle channel, float* volume)
{
    if (!volume)
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           *volume = c.mVolume;
                           return Result::Ok;
                       });
}

Result Mixer::SetPitch(ChannelHandle channel, float pitch)
{
    if (!Finite(pitch) || pitch < 0.0f)
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           c.mPitch = pitch;
                           return Result::Ok;
                       });
}

Result Mixer::GetPitch(ChannelHandle channel, float* pitch)
{
    if (!pitch)
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           *pitch = c.mPitch;
                           return Result::Ok;
                       });
}

Result Mixer::SetFrequency(ChannelHandle channel, float hertz)
{
    if (!Finite(hertz) || hertz < 0.0f)
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           c.mFrequency = hertz;
                           return Result::Ok;
                       });
}

Result Mixer::GetFrequency(ChannelHandle channel, float* hertz)
{
    if (!hertz)
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           *hertz = c.mFrequency;
                           return Result::Ok;
                       });
}

Result Mixer::SetPaused(ChannelHandle channel, bool paused)
{
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           c.mPaused = paused;
                           return Result::Ok;
                       });
}

Result Mixer::GetPaused(ChannelHandle channel, bool* paused)
{
    if (!paused)
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           *paused = c.mPaused;
                           return Result::Ok;
                       });
}

Result Mixer::SetMute(ChannelHandle channel, bool mute)
{
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           c.mMuted = mute;
                           return Result::Ok;
                       });
}

Result Mixer::GetMute(ChannelHandle channel, bool* mute)
{
    if (!mute)
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           *mute = c.mMuted;
                           return Result::Ok;
                       });
}

Result Mixer::SetLoopCount(ChannelHandle channel, int loops)
{
    if (loops < LoopForever)
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           c.mLoopCount = loops;
                           return Result::Ok;
                       });
}

Result Mixer::GetLoopCount(ChannelHandle channel, int* loops)
{
    if (!loops)
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           *loops = c.mLoopCount;
                           return Result::Ok;
                       });
}

Result Mixer::GetPosition(ChannelHandle channel, double* frames)
{
    if (!frames)
        return Result::InvalidParam;
    return WithChannel(channel,
                       [&](ChannelSlot& c)
                       {
                           *frames = c.mPosition;
                           return Result::Ok;
                       });
}

// ---- 6. Groups --------------------------------------------------------------

Result Mixer::CreateChannelGroup(GroupHandle* out)
{
    if (!out)
        return Result::InvalidParam;
    *out = {};
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    GroupSlot group;
    group.mParent = mMaster;
    *out = mGroups.Add(group);
    return Result::Ok;
}

Result Mixer::ReleaseChannelGroup(GroupHandle group)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    GroupSlot* slot = mGroups.Find(group);
    if (!slot)
        return Result::InvalidHandle;
    if (group == mMaster)
        return Result::InvalidParam;
    const GroupHandle parent = slot->mParent;
    for (ChannelHandle h : mChannels.Handles())
        if (mChannels.Find(h)->mGroup == group)
            mChannels.Remove(h);
    mGroups.ForEach(
        [&](GroupHandle, GroupSlot& g)
        {
            if (g.mParent == group)
                g.mParent = parent;
        });
    mGroups.Remove(group);
    return Result::Ok;
}

bool Mixer::IsInGroup(GroupHandle start, GroupHandle group)
{
    GroupHandle at = start;
    for (int depth = 0; depth < MaxGroupDepth && !at.IsNull(); ++depth)
    {
        if (at == group)
            return true;
        GroupSlot* slot = mGroups.Find(at);
        if (!slot)
            return false;
        at = slot->mParent;
    }
    return false;
}

Result Mixer::Stop(GroupHandle group)
{
    std::lock_guard<std::mutex> lock(mMutex);
    if (!mInitialized)
        return Result::NotInitialized;
    if (!mGroups.Find(group))
        return Result::InvalidHandle;
    for (ChannelHandle h : mChannels.Handles())
        if (IsInGroup(mChannels.Find(h)->mGroup, group))
            mChannels.Remove(h);
    return Result::Ok;
}

Result Mixer::SetVolume(GroupHandle group, float volume)
{
    if (!Finite(volume))
        return Result::InvalidParam;
    return WithGroup(group,
                     [&](GroupSlot& g)
                     {
                         g.mVolume = volume;
                         return Result::Ok;
                     });
}

Result Mixer::GetVolume(GroupHandle group, float* volume)
{
    if (!volume)
        return Result::InvalidParam;
    return WithGroup(group,
                     [&](GroupSlot& g)
                     {
                         *volume = g.mVolume;
                         return Result::Ok;
                     });
}

Result Mixer::SetPaused(GroupHandle group, bool paused)
{
    return WithGroup(group,
                     [&](GroupSlot& g)
                     {
                         g.mPaused = paused;
                         return Result::Ok;
                     });
}

Result Mixer::GetPaused(GroupHandle group, bool* paused)
{
    if (!paused)
        return Result::InvalidParam;
    return WithGroup(group,
                     [&](GroupSlot& g)
                     {
                         *paused = g.mPaused;
                         return Result::Ok;
                     });
}

Result Mixer::SetMute(GroupHandle group, bool mute)
{
    return WithGroup(group,
                     [&](GroupSlot& g)
                     {
                         g.mMuted = mute;
                         return Result::Ok;
                     });
}

Result Mixer::GetMute(GroupHandle group, bool* mute)
{
    if (!mute)
        return Result::InvalidParam;
    return WithGroup(group,
                     [&](GroupSlot& g)
                     {
                         *mute = g.mMuted;
                         return Result::Ok;
                     });
}

// ---- 7. Output --------------------------------------------------------------

Mixer::Effective Mixer::Resolve(const ChannelSlot& channel)
{
    Effective e;
    e.mGain = channel.mVolume;
    e.mPaused = channel.mPaused;
    e.mMuted = channel.mMuted;
    GroupHandle at = channel.mGroup;
    for (int depth = 0; depth < MaxGroupDepth && !at.IsNull(); ++depth)
    {
        GroupSlot* group = mGroups.Find(at);
        if (!group)
            break;
        e.mGain *= group->mVolume;
        e.mPaused = e.mPaused || group->mPaused;
        e.mMuted = e.mMuted || group->mMuted;
        at = group->mParent;
    }
    return e;
}

OggStreamCursor::Sample Mixer::SourceFrame(ChannelSlot& c, size_t frame, float& left, float& right)
{
    auto sample = OggStreamCursor::Sample::Ready;
    if (c.mStream)
        sample = c.mStream->Frame(frame, left, right);
    else if (frame >= c.mData->FrameCount())
        sample = OggStreamCursor::Sample::PastEnd;
    else if (c.mData->mChannels == 2)
    {
        left = c.mData->mSamples[2 * frame];
        right = c.mData->mSamples[2 * frame + 1];
    }
    else
        left = right = c.mData->mSamples[frame];
    // A damaged file's NaN or infinite sample is silence, not the end of the whole mix.
    if (!std::isfinite(left))
        left = 0.0f;
    if (!std::isfinite(right))
        right = 0.0f;
    return sample;
}

Mixer::MixState Mixer::MixChannel(ChannelSlot& c, const Effective& e, float* out, int& at, int frames)
{
    using Sample = OggStreamCursor::Sample;
    OggStreamCursor* stream = c.mStream.get();
    // A sound in memory knows its length. A stream learns it where its decoding
    // runs out: the length its file announces may be 0 or far too long.
    double length = stream ? std::numeric_limits<double>::infinity() : static_cast<double>(c.mData->FrameCount());
    if (size_t end = 0; stream && stream->GetEnd(end))
        length = static_cast<double>(end);
    const double step = static_cast<double>(c.mFrequency) * c.mPitch / mOutputRate;
    for (; at < frames; ++at)
    {
        if (!WrapPosition(c.mPosition, c.mLoopCount, length))
            return MixState::Ended;
        size_t i0 = FrameIndex(c.mPosition);
        float left0, right0;
        // Also while muted: a muted stream must still find its end.
        for (Sample s; (s = SourceFrame(c, i0, left0, right0)) != Sample::Ready;)
        {
            if (s == Sample::NotLoaded)
                return MixState::Waiting;
            size_t end = 0;
            stream->GetEnd(end); // known once a frame lies past it
            length = static_cast<double>(end);
            if (!WrapPosition(c.mPosition, c.mLoopCount, length))
                return MixState::Ended;
            i0 = FrameIndex(c.mPosition);
        }
        if (!e.mMuted)
        {
            // Linear interpolation towards the next frame, which is the first
            // frame again when the sound loops on.
            float left1, right1;
            Sample next = SourceFrame(c, i0 + 1, left1, right1);
            if (next == Sample::PastEnd && c.mLoopCount != 0)
                next = SourceFrame(c, 0, left1, right1);
            if (next == Sample::NotLoaded)
                return MixState::Waiting;
            if (next == Sample::PastEnd)
                left1 = left0, right1 = right0;
            const float t = static_cast<float>(c.mPosition - static_cast<double>(i0));
            out[2 * at] += (left0 + (left1 - left0) * t) * e.mGain;
            out[2 * at + 1] += (right0 + (right1 - right0) * t) * e.mGain;
        }
        c.mPosition += step;
    }
    return WrapPosition(c.mPosition, c.mLoopCount, length) ? MixState::Playing : MixState::Ended;
}

void Mixer::MixFrom(ChannelHandle handle, ChannelSlot& c, float* out, int from, int frames)
{
    const Effective e = Resolve(c);
    if (e.mPaused)
        return; // a paused channel holds its position
    int at = from;
    const MixState state = MixChannel(c, e, out, at, frames);
    if (state == MixState::Ended)
        mEnded.push_back(handle);
    else if (state == MixState::Waiting)
        mWaiting.push_back({handle, c.mStream, at});
}

void Mixer::RemoveEnded()
{
    for (ChannelHandle h : mEnded)
        mChannels.Remove(h);
    mEnded.clear();
}

void Mixer::Render(float* out, int frames)
{
    if (!out || frames <= 0)
        return;
    std::fill(out, out + 2 * static_cast<size_t>(frames), 0.0f);
    std::lock_guard<std::mutex> rendering(mRenderMutex);
    std::unique_lock<std::mutex> lock(mMutex);
    if (!mInitialized)
        return;
    mEnded.clear();
    mWaiting.clear();
    mChannels.ForEach([&](ChannelHandle h, ChannelSlot& c) { MixFrom(h, c, out, 0, frames); });
    RemoveEnded();
    // Streams read their files with the lock let go; a channel stopped
    // meanwhile is not found again, and its cursor goes with this list. A round
    // takes each waiting stream a frame on at least (a few loads at a frame at
    // most): the bound keeps a stream that never gets its frames from holding
    // the output for good.
    for (int64_t round = 0; !mWaiting.empty() && round <= 4 * int64_t(frames); ++round)
    {
        std::swap(mWaiting, mResuming);
        lock.unlock();
        for (StreamWait& wait : mResuming)
            wait.mCursor->Load();
        lock.lock();
        for (StreamWait& wait : mResuming)
            if (ChannelSlot* c = mInitialized ? mChannels.Find(wait.mChannel) : nullptr)
                MixFrom(wait.mChannel, *c, out, wait.mFrom, frames);
        mResuming.clear();
        RemoveEnded();
    }
    mWaiting.clear();
    // NaN would pass a clamp: the mix there is silence instead.
    for (size_t i = 0; i < 2 * static_cast<size_t>(frames); ++i)
        out[i] = std::isnan(out[i]) ? 0.0f : std::clamp(out[i], -1.0f, 1.0f);
}

int Mixer::GetPlayingCount()
{
    std::lock_guard<std::mutex> lock(mMutex);
    return static_cast<int>(mChannels.LiveCount());
}
} // namespace Sound
} // namespace Framework
