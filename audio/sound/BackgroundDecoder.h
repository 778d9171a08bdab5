// Decoding sound files on worker threads, so that starting up never waits for
// them: a sound is decoded by the time it is first played, or the play waits
// for that one file (and decodes it itself when no worker has begun it).
// A streamed sound's file is opened and its headers checked the same way.
#pragma once
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>
#include "audio/sound/OggStream.h"
#include "audio/sound/SoundData.h"
#include "audio/sound/SoundResult.h"

namespace Framework
{
namespace Sound
{
// One file to decode; shared by the queue and whoever waits for it.
class DecodeJob
{
public:
    // streamed: opened as CreateStream opens it, else decoded whole.
    DecodeJob(std::string path, bool streamed) : mPath(std::move(path)), mStreamed(streamed) {}

    // Never blocks or allocates: safe for a check every frame.
    bool IsDone() const { return mState.load(std::memory_order_acquire) == State::Done; }
    // Decodes here unless a worker has begun; then waits for the worker.
    void Finish();
    // Decodes on the calling thread unless someone else has begun (a worker's turn).
    void RunIfQueued();
    // Once done: the decode's result, and when that is Ok its samples or its stream.
    Result GetResult() const { return mResult; }
    const std::shared_ptr<const SoundData>& GetData() const { return mData; }
    const std::shared_ptr<const OggStream>& GetStream() const { return mStream; }

private:
    enum class State
    {
        Queued,
        Decoding,
        Done,
    };
    bool Claim();
    void Decode();

    const std::string mPath; // stored form
    const bool mStreamed;
    std::atomic<State> mState{State::Queued};
    std::shared_ptr<const SoundData> mData;   // written once, before mState becomes Done
    std::shared_ptr<const OggStream> mStream; // likewise
    Result mResult = Result::Ok;
    std::mutex mMutex;
    std::condition_variable mDone;
};

// The worker threads and their queue, first in first out.
class BackgroundDecoder
{
public:
    BackgroundDecoder() = default;
    ~BackgroundDecoder() { Stop(); }
    BackgroundDecoder(const BackgroundDecoder&) = delete;
    BackgroundDecoder& operator=(const BackgroundDecoder&) = delete;

    // Queues path; the workers start with the first file.
    std::shared_ptr<DecodeJob> Add(const std::string& path, bool streamed);
    // Each worker ends after the file it is decoding; files not begun leave
    // the queue (whoever finishes one decodes it then). Add starts the workers again.
    void Stop();

private:
    void Work();

    std::mutex mMutex;
    std::condition_variable mWake; // a file was queued, or the workers must stop
    std::deque<std::shared_ptr<DecodeJob>> mQueue;
    std::vector<std::thread> mWorkers;
    bool mStopping = false;
};
} // namespace Sound
} // namespace Framework
