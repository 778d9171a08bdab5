#include "graphics/PendingTextures.h"
#include <GL/glew.h>
#include <stb/stb_image.h>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <new>
#include <thread>
#include <vector>
#include "core/engine/DebugSystem.h"
#include "core/engine/ThreadStart.h"
#include "graphics/Texture.h"

namespace Framework
{
namespace PendingTextures
{
namespace
{
struct Pending
{
    uint32_t mId = 0;
    std::string mPath; // empty: nothing waits for this name
    int mWidth = 0;
    int mHeight = 0;
};

// Indexed by GL name (small numbers), so the draw path's check is one lookup.
std::vector<Pending> sPending;
size_t sCount = 0;

struct Decoded
{
    size_t mJob = 0;
    unsigned char* mPixels = nullptr;
};

// The pixels as the header promised them, or null.
unsigned char* Decode(const Pending& pending)
{
    // Checked again: the file may have been replaced since its header was read.
    FILE* file = OpenPngFile(pending.mPath);
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = file ? stbi_load_from_file(file, &width, &height, &channels, 4) : nullptr;
    if (file)
        std::fclose(file);
    if (pixels && (width != pending.mWidth || height != pending.mHeight))
    {
        // Changed on disk since its header was read: the sheet's frames were cut for the old size.
        stbi_image_free(pixels);
        pixels = nullptr;
    }
    return pixels;
}

void Send(const Pending& pending, unsigned char* pixels)
{
    static const unsigned char Clear[4] = {0, 0, 0, 0};
    glBindTexture(GL_TEXTURE_2D, pending.mId);
    if (pixels)
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, pending.mWidth, pending.mHeight, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    else
    {
        Log("Failed to load texture \"" + pending.mPath + "\": its pixels cannot be decoded; it draws nothing");
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, Clear);
    }
    stbi_image_free(pixels);
}

void DecodeAndSendHere(const std::vector<Pending>& jobs)
{
    for (const Pending& job : jobs)
        Send(job, Decode(job));
}

// Decodes the jobs on up to one worker per core; each image is uploaded (and
// its pixels freed) as soon as it is ready, so few are held at once. Without
// a worker (no thread or memory to spare) they are decoded here, one by one.
void DecodeAndSend(const std::vector<Pending>& jobs)
{
    if (jobs.size() == 1)
    {
        DecodeAndSendHere(jobs);
        return;
    }
    std::mutex mutex;
    std::condition_variable ready;
    std::vector<Decoded> done;
    std::atomic<size_t> next{0};
    auto work = [&]
    {
        for (size_t job = next++; job < jobs.size(); job = next++)
        {
            unsigned char* pixels = Decode(jobs[job]);
            std::lock_guard<std::mutex> lock(mutex);
            done.push_back({job, pixels}); // room made below: never allocates here
            ready.notify_one();
        }
    };
    const size_t workers = std::min<size_t>(jobs.size(), std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> threads;
    try
    {
        threads.reserve(workers);
        done.reserve(jobs.size());
    }
    catch (const std::bad_alloc&)
    {
        DecodeAndSendHere(jobs);
        return;
    }
    for (size_t i = 0; i < workers; ++i)
    {
        std::thread thread;
        if (!StartThread(thread, work, "decoding sprite sheets"))
            break; // those started take every job
        threads.push_back(std::move(thread));
    }
    if (threads.empty())
    {
        DecodeAndSendHere(jobs);
        return;
    }
    for (size_t sent = 0; sent < jobs.size(); ++sent)
    {
        Decoded item;
        {
            std::unique_lock<std::mutex> lock(mutex);
            ready.wait(lock, [&] { return !done.empty(); });
            item = done.back();
            done.pop_back();
        }
        Send(jobs[item.mJob], item.mPixels);
    }
    for (std::thread& thread : threads)
        thread.join();
}
} // namespace

void Add(uint32_t id, const std::string& path, int width, int height)
{
    if (id == 0)
        return;
    if (id >= sPending.size())
        sPending.resize(id + 1);
    if (sPending[id].mPath.empty())
        ++sCount;
    sPending[id] = {id, path, width, height};
}

void Forget(uint32_t id)
{
    if (!Contains(id))
        return;
    sPending[id] = Pending{};
    --sCount;
}

void ForgetAll()
{
    sPending.clear();
    sCount = 0;
}

bool Contains(uint32_t id) { return id < sPending.size() && !sPending[id].mPath.empty(); }

bool Any() { return sCount != 0; }

void Upload(const uint32_t* ids, size_t count)
{
    if (sCount == 0)
        return;
    std::vector<Pending> jobs;
    for (size_t i = 0; i < count; ++i)
        if (Contains(ids[i]))
        {
            jobs.push_back(sPending[ids[i]]);
            Forget(ids[i]);
        }
    if (!jobs.empty())
        DecodeAndSend(jobs);
}
} // namespace PendingTextures
} // namespace Framework
