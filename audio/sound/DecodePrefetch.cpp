#include "audio/sound/DecodePrefetch.h"
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include "audio/sound/Decoder.h"

namespace Framework
{
namespace Sound
{
namespace
{
constexpr size_t MaxWorkers = 2; // each holds a file's samples twice while it decodes: bounds the peak memory

struct Job
{
    std::string mPath;
    SoundData mData;
    Result mResult = Result::Ok;
    bool mDone = false;
    bool mTaken = false;
};

class Prefetch
{
public:
    explicit Prefetch(const std::vector<std::string>& paths) : mJobs(paths.size())
    {
        for (size_t i = 0; i < paths.size(); ++i)
            mJobs[i].mPath = paths[i];
        const size_t workers =
            std::min<size_t>({MaxWorkers, std::max<size_t>(1, std::thread::hardware_concurrency()), mJobs.size()});
        for (size_t i = 0; i < workers; ++i)
            mWorkers.emplace_back([this] { Work(); });
    }
    ~Prefetch()
    {
        mNext.store(mJobs.size()); // the workers stop after their current file
        for (std::thread& worker : mWorkers)
            worker.join();
    }

    bool Take(const std::string& path, SoundData& out, Result& result)
    {
        std::unique_lock<std::mutex> lock(mMutex);
        auto job = std::find_if(mJobs.begin(), mJobs.end(), [&](const Job& j) { return j.mPath == path && !j.mTaken; });
        if (job == mJobs.end())
            return false;
        job->mTaken = true;
        // Every file is some worker's until the prefetch ends, and it cannot
        // end during a Take (both hold sPrefetchMutex).
        mDone.wait(lock, [&] { return job->mDone; });
        out = std::move(job->mData);
        result = job->mResult;
        return true;
    }

private:
    void Work()
    {
        for (;;)
        {
            const size_t i = mNext.fetch_add(1);
            if (i >= mJobs.size())
                return;
            SoundData data;
            const Result result = DecodeFile(mJobs[i].mPath, data);
            std::lock_guard<std::mutex> lock(mMutex);
            mJobs[i].mData = std::move(data);
            mJobs[i].mResult = result;
            mJobs[i].mDone = true;
            mDone.notify_all();
        }
    }

    std::mutex mMutex;
    std::condition_variable mDone; // a file was decoded
    std::vector<Job> mJobs;        // never resized once the workers run
    std::atomic<size_t> mNext{0};  // the next file a worker takes
    std::vector<std::thread> mWorkers;
};

Prefetch* sPrefetch = nullptr;
std::mutex sPrefetchMutex; // guards sPrefetch itself
} // namespace

void PrefetchFiles(const std::vector<std::string>& paths)
{
    EndPrefetch();
    std::lock_guard<std::mutex> lock(sPrefetchMutex);
    sPrefetch = new Prefetch(paths);
}

bool TakePrefetched(const std::string& path, SoundData& out, Result& result)
{
    std::lock_guard<std::mutex> lock(sPrefetchMutex);
    return sPrefetch && sPrefetch->Take(path, out, result);
}

void EndPrefetch()
{
    std::lock_guard<std::mutex> lock(sPrefetchMutex);
    delete sPrefetch;
    sPrefetch = nullptr;
}
} // namespace Sound
} // namespace Framework
