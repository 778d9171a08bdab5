// LogBuffer: the queued log lines, their writes, and the SIGTERM hook.
#include "core/engine/LogBuffer.h"
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <sched.h>
#include <unistd.h>

namespace Framework
{
namespace
{
// The buffer a SIGTERM writes, and the handler that was installed before ours.
std::atomic<LogBuffer*> sHooked{nullptr};
struct sigaction sPrevious;

// While the queue is written by a thread, SIGTERM waits: a handler on the same
// thread could neither write the queue nor wait for it.
class TerminateBlocked
{
public:
    TerminateBlocked()
    {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &set, &mOld);
    }
    ~TerminateBlocked() { pthread_sigmask(SIG_SETMASK, &mOld, nullptr); }

private:
    sigset_t mOld;
};
} // namespace

LogBuffer::~LogBuffer() { Close(); }

bool LogBuffer::Open(const std::string& path)
{
    Close();
    mFile = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    return mFile >= 0;
}

void LogBuffer::WriteAll(const char* data, size_t length) const
{
    // write() only: this also runs inside the signal handler.
    while (length > 0 && mFile >= 0)
    {
        const ssize_t written = ::write(mFile, data, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return; // a full disk loses the lines, as an unbuffered stream would
        data += written;
        length -= static_cast<size_t>(written);
    }
}

void LogBuffer::Append(const char* text, size_t length)
{
    if (mFile < 0)
        return;
    const size_t end = mEnd.load(std::memory_order_relaxed);
    if (length > Capacity - end)
    {
        Flush();
        if (length > Capacity)
        {
            TerminateBlocked blocked;
            while (mWriting.exchange(true, std::memory_order_acquire))
                sched_yield();
            WriteAll(text, length);
            mWriting.store(false, std::memory_order_release);
            return;
        }
    }
    const size_t start = mEnd.load(std::memory_order_relaxed);
    std::memcpy(mPending + start, text, length);
    mEnd.store(start + length, std::memory_order_release);
}

void LogBuffer::Flush()
{
    if (mFile < 0 || mEnd.load(std::memory_order_relaxed) == 0)
        return;
    TerminateBlocked blocked;
    // A handler running on another thread finishes its write first.
    while (mWriting.exchange(true, std::memory_order_acquire))
        sched_yield();
    const size_t end = mEnd.load(std::memory_order_relaxed);
    const size_t from = mSignalled.load(std::memory_order_relaxed);
    if (end > from)
        WriteAll(mPending + from, end - from);
    mSignalled.store(0, std::memory_order_relaxed);
    mEnd.store(0, std::memory_order_release);
    mWriting.store(false, std::memory_order_release);
}

void LogBuffer::Close()
{
    Flush();
    Unhook();
    if (mFile >= 0)
        ::close(mFile);
    mFile = -1;
}

void LogBuffer::HookTerminate()
{
    if (mFile < 0)
        return;
    struct sigaction current;
    if (sigaction(SIGTERM, nullptr, &current) != 0)
        return;
    const bool ours = (current.sa_flags & SA_SIGINFO) == 0 && current.sa_handler == &LogBuffer::OnTerminate;
    sHooked.store(this);
    mHooked = true;
    if (ours)
        return;
    sPrevious = current;
    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_handler = &LogBuffer::OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

void LogBuffer::Unhook()
{
    if (!mHooked)
        return;
    mHooked = false;
    LogBuffer* self = this;
    if (!sHooked.compare_exchange_strong(self, nullptr))
        return;
    // The handler that was there before ours takes over again.
    struct sigaction current;
    if (sigaction(SIGTERM, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) == 0 &&
        current.sa_handler == &LogBuffer::OnTerminate)
        sigaction(SIGTERM, &sPrevious, nullptr);
}

void LogBuffer::OnTerminate(int signal)
{
    const int savedErrno = errno;
    LogBuffer* log = sHooked.load();
    // A thread in the middle of a flush has SIGTERM blocked, so a busy flag here
    // means another thread: it writes what is queued itself.
    if (log && !log->mWriting.exchange(true, std::memory_order_acquire))
    {
        const size_t end = log->mEnd.load(std::memory_order_acquire);
        const size_t from = log->mSignalled.load(std::memory_order_relaxed);
        if (end > from)
            log->WriteAll(log->mPending + from, end - from);
        log->mSignalled.store(end, std::memory_order_relaxed);
        log->mWriting.store(false, std::memory_order_release);
    }
    errno = savedErrno;

    const struct sigaction previous = sPrevious;
    if (previous.sa_flags & SA_SIGINFO)
    {
        if (previous.sa_sigaction)
            previous.sa_sigaction(signal, nullptr, nullptr);
        return;
    }
    if (previous.sa_handler == SIG_IGN)
        return;
    if (previous.sa_handler == SIG_DFL || previous.sa_handler == nullptr)
    {
        // The default action ends the process once this handler returns.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    previous.sa_handler(signal);
}
} // namespace Framework
