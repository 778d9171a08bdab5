#include "graphics/ImagePrefetch.h"
#include <stb/stb_image.h>
#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include "core/TextSerializer.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
constexpr size_t MaxWorkers = 8;   // the machine's cores
constexpr size_t DecodeAhead = 12; // images decoded beyond what was taken: bounds the memory they hold

enum class JobState
{
    Waiting,  // nobody started it
    Decoding, // a worker decodes it
    Done,     // decoded (or failed), waiting to be taken
    Taken     // moved out, or claimed by the taker
};

struct Job
{
    std::string mPath;
    JobState mState = JobState::Waiting;
    DecodedImage mImage;
};

class Prefetch
{
public:
    explicit Prefetch(const std::vector<std::string>& paths)
    {
        for (const std::string& path : paths)
            mJobs.push_back({path, JobState::Waiting, {}});
        const size_t workers = std::min<size_t>(
            {MaxWorkers, std::max<size_t>(1, std::thread::hardware_concurrency()), mJobs.size()});
        for (size_t i = 0; i < workers; ++i)
            mWorkers.emplace_back([this] { Work(); });
    }

    ~Prefetch()
    {
        {
            std::lock_guard<std::mutex> lock(mMutex);
            mStopping = true;
        }
        mChanged.notify_all();
        for (std::thread& worker : mWorkers)
            worker.join();
        for (Job& job : mJobs)
            if (job.mImage.mPixels)
                stbi_image_free(job.mImage.mPixels);
    }

    bool Take(const std::string& path, DecodedImage& out)
    {
        std::unique_lock<std::mutex> lock(mMutex);
        auto job = std::find_if(mJobs.begin(), mJobs.end(),
                                [&](const Job& j) { return j.mPath == path && j.mState != JobState::Taken; });
        if (job == mJobs.end())
            return false;
        if (job->mState == JobState::Waiting)
        {
            // Not started yet: decoded here rather than waiting for a worker.
            job->mState = JobState::Taken;
            ++mTaken;
            lock.unlock();
            mChanged.notify_all();
            out = DecodeImage(path);
            return true;
        }
        mChanged.wait(lock, [&] { return job->mState == JobState::Done; });
        out = job->mImage;
        job->mImage = {};
        job->mState = JobState::Taken;
        ++mTaken;
        lock.unlock();
        mChanged.notify_all();
        return true;
    }

private:
    void Work()
    {
        std::unique_lock<std::mutex> lock(mMutex);
        for (;;)
        {
            mChanged.wait(lock, [&] { return mStopping || (mNext < mJobs.size() && mNext < mTaken + DecodeAhead); });
            if (mStopping)
                return;
            Job& job = mJobs[mNext++];
            if (job.mState != JobState::Waiting)
                continue;
            job.mState = JobState::Decoding;
            lock.unlock();
            DecodedImage image = DecodeImage(job.mPath);
            lock.lock();
            job.mImage = image;
            job.mState = JobState::Done;
            mChanged.notify_all();
        }
    }

    std::mutex mMutex;
    std::condition_variable mChanged; // a job changed state, or the prefetch stops
    std::vector<Job> mJobs;           // in list order; never resized once workers run
    size_t mNext = 0;                 // the next job a worker looks at
    size_t mTaken = 0;                // jobs taken so far
    bool mStopping = false;
    std::vector<std::thread> mWorkers;
};

Prefetch* sPrefetch = nullptr;
std::mutex sPrefetchMutex; // guards sPrefetch itself

std::string WithoutExtension(const std::string& path)
{
    const size_t dot = path.find_last_of('.');
    return dot == std::string::npos ? path : path.substr(0, dot);
}
} // namespace

DecodedImage DecodeImage(const std::string& path)
{
    DecodedImage image;
    FILE* file = std::fopen(Platform::NativePath(path).c_str(), "rb");
    // Four channels whatever the file holds; v = 0 stays the top row of the image.
    if (file)
    {
        image.mPixels = stbi_load_from_file(file, &image.mWidth, &image.mHeight, &image.mChannels, 4);
        std::fclose(file);
    }
    return image;
}

std::vector<std::string> ArtListImages(const std::string& artListPath)
{
    std::vector<std::string> images;
    TextSerializer list(artListPath, TextSerializer::ReadOnly);
    if (!list.IsOpen())
        return images;
    while (list.IsGood())
    {
        std::string name, textPath;
        list.ReadString(name);
        if (name.empty() || name == "\n" || name == "\r")
            break;
        list.ReadString(textPath);
        if (textPath.empty())
            break;
        images.push_back(WithoutExtension(textPath) + ".png");
    }
    return images;
}

void PrefetchImages(const std::vector<std::string>& paths)
{
    EndImagePrefetch();
    std::lock_guard<std::mutex> lock(sPrefetchMutex);
    sPrefetch = new Prefetch(paths);
}

bool TakePrefetchedImage(const std::string& path, DecodedImage& out)
{
    std::lock_guard<std::mutex> lock(sPrefetchMutex);
    return sPrefetch && sPrefetch->Take(path, out);
}

void EndImagePrefetch()
{
    std::lock_guard<std::mutex> lock(sPrefetchMutex);
    delete sPrefetch;
    sPrefetch = nullptr;
}
} // namespace Framework
