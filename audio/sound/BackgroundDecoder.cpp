#include "audio/sound/BackgroundDecoder.h"
#include <algorithm>
#include <new>
#include "audio/sound/Decoder.h"
#include "core/engine/DebugSystem.h"
#include "core/engine/ThreadStart.h"

namespace Framework
{
namespace Sound
{
namespace
{
// Each worker holds a file's samples twice while it decodes: two bound the
// peak memory, and the sound list's files still load within a few frames.
constexpr size_t MaxWorkers = 2;
} // namespace

bool DecodeJob::Claim()
{
    State queued = State::Queued;
    return mState.compare_exchange_strong(queued, State::Decoding, std::memory_order_acq_rel);
}

void DecodeJob::Decode()
{
    Result result = Result::Ok;
    // Nothing may escape a worker thread: the program would end. A file that
    // asks for more memory than there is is skipped like a damaged one.
    try
    {
        SoundData data;
        result = mStreamed ? OpenStreamFile(mPath, data, mStream) : DecodeFile(mPath, data);
        if (result == Result::Ok && !mStream)
            mData = std::make_shared<const SoundData>(std::move(data));
    }
    catch (const std::bad_alloc&)
    {
        Log("Sound \"" + mPath + "\" cannot be loaded: there is not enough memory to decode it");
        mData.reset();
        mStream.reset();
        result = Result::FileBad;
    }
    mResult = result;
    std::lock_guard<std::mutex> lock(mMutex);
    mState.store(State::Done, std::memory_order_release);
    mDone.notify_all();
}

void DecodeJob::RunIfQueued()
{
    if (Claim())
        Decode();
}

void DecodeJob::Finish()
{
    RunIfQueued();
    std::unique_lock<std::mutex> lock(mMutex);
    mDone.wait(lock, [this] { return IsDone(); });
}

std::shared_ptr<DecodeJob> BackgroundDecoder::Add(const std::string& path, bool streamed)
{
    auto job = std::make_shared<DecodeJob>(path, streamed);
    bool noWorker = false;
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mQueue.push_back(job);
        bool started = false;
        if (mWorkers.size() < std::min<size_t>(MaxWorkers, std::max(1u, std::thread::hardware_concurrency())))
        {
            mWorkers.emplace_back();
            started = StartThread(
                mWorkers.back(), [this] { Work(); }, "decoding sounds");
            if (!started)
                mWorkers.pop_back();
        }
        if (!started)
            mWake.notify_one();
        noWorker = mWorkers.empty();
        if (noWorker)
            mQueue.pop_back(); // nobody would take it: decoded below
    }
    if (noWorker)
        job->RunIfQueued();
    return job;
}

void BackgroundDecoder::Stop()
{
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mStopping = true;
        mWake.notify_all();
    }
    for (std::thread& worker : mWorkers)
        worker.join();
    std::lock_guard<std::mutex> lock(mMutex);
    mWorkers.clear();
    mQueue.clear();
    mStopping = false;
}

void BackgroundDecoder::Work()
{
    for (;;)
    {
        std::shared_ptr<DecodeJob> job;
        {
            std::unique_lock<std::mutex> lock(mMutex);
            mWake.wait(lock, [this] { return mStopping || !mQueue.empty(); });
            if (mStopping)
                return;
            job = std::move(mQueue.front());
            mQueue.pop_front();
        }
        if (job.use_count() > 1) // otherwise its sound was released before its turn
            job->RunIfQueued();  // unless a play took it meanwhile
    }
}
} // namespace Sound
} // namespace Framework
