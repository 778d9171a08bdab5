// Runs the real program in a temporary copy of the content with a temporary
// HOME, and stops it the way a desktop does (SIGTERM).
#pragma once
#include <string>
#include <sys/types.h>
#include "support/TestSupport.h"

namespace TestSupport
{
class ProgramRun
{
public:
    ProgramRun(); // copies Resources/ into the work folder
    ~ProgramRun();
    bool Start();
    // Waits until the session log holds text.
    bool WaitForLog(const std::string& text, int seconds = 60);
    // SIGTERM, then waits: the exit code, or -1 when it did not exit by itself.
    int Stop(int seconds = 60);
    std::string Log() const { return ReadFile(LogPath()); }
    std::string Stdout() const { return ReadFile(mWork.File("stdout.txt")); }
    std::string LogPath() const { return mHome.File("Documents/Kestrome/Vorlane.log"); }
    const TempFolder& Work() const { return mWork; }

private:
    TempFolder mHome;
    TempFolder mWork;
    pid_t mPid = -1;
};

// Every file below root with its bytes, one line each: equal listings mean equal trees.
std::string ListTree(const std::string& root);
} // namespace TestSupport
