// The session log's file and the lines not yet written to it. Lines are kept
// in memory and written in one go (once a frame, when the buffer fills, at
// close), so a level load that logs per object costs no write per line. A
// SIGTERM handler writes what is pending before the previous handler runs, so
// a desktop that stops the program never loses the last lines.
#pragma once
#include <atomic>
#include <cstddef>
#include <string>

namespace Framework
{
class LogBuffer
{
public:
    // Lines beyond this are written at once: a load that logs per object never
    // holds more than this in memory.
    static constexpr size_t Capacity = 64 * 1024;

    LogBuffer() = default;
    ~LogBuffer();
    LogBuffer(const LogBuffer&) = delete;
    LogBuffer& operator=(const LogBuffer&) = delete;

    // Opens the file for appending (created when missing); false when it cannot be.
    bool Open(const std::string& path);
    bool IsOpen() const { return mFile >= 0; }
    // Queues text; callers serialise calls (the debug system holds its mutex).
    void Append(const char* text, size_t length);
    // Writes what is queued; callers serialise calls.
    void Flush();
    // Writes what is queued and closes the file.
    void Close();
    // Puts the SIGTERM handler on top of whatever handler is installed now (the
    // platform's, which turns SIGTERM into a quit request). Called once a frame:
    // a handler installed later would otherwise replace it.
    void HookTerminate();

private:
    static void OnTerminate(int signal);
    void WriteAll(const char* data, size_t length) const;
    void Unhook();

    int mFile = -1;                    // -1: not open
    char mPending[Capacity];           // queued bytes [0, mEnd)
    std::atomic<size_t> mEnd{0};       // published after the bytes are in place
    std::atomic<size_t> mSignalled{0}; // bytes of the queue a signal already wrote
    std::atomic<bool> mWriting{false}; // a flush or a signal is writing the queue
    bool mHooked = false;
};
} // namespace Framework
