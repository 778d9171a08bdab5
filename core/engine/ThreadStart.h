// Starting a worker thread where the system may have none left to give (its
// thread limit reached, or no address space for another stack): std::thread
// then throws, and an exception escaping a frame or a load ends the program.
// A failed start is logged and reported instead, so the caller does the work
// itself or refuses it.
#pragma once
#include <functional>
#include <string>
#include <thread>

namespace Framework
{
// Starts thread on work; false, with a log line saying what the thread was
// for, when no thread can be started (thread is then left empty).
bool StartThread(std::thread& thread, std::function<void()> work, const std::string& purpose);

// For tests: the next count starts fail as they do when the system refuses.
void FailThreadStarts(int count);
} // namespace Framework
