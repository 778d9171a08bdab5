// Runs the real program in a temporary copy of the content with a temporary
// HOME, and stops it the way a desktop does (SIGTERM).
#pragma once
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>
#include <sys/types.h>
#include "support/TestSupport.h"

namespace TestSupport
{
class ProgramRun
{
public:
    ProgramRun(); // copies Resources/ into the work folder
    ~ProgramRun();
    // For the next Start, on top of the test environment; a null value unsets it.
    void SetEnvironment(const std::string& name, const char* value);
    bool Start();
    // Waits until the session log holds text; false at once when the program
    // has ended without it (then its exit and standard error are printed).
    bool WaitForLog(const std::string& text, int seconds = 60);
    // Waits until the program catches SIGTERM (its first step), not longer;
    // false at once when it has ended.
    bool WaitForTerminateHandler(int seconds = 60);
    // SIGTERM, then waits: the exit code, or -1 when it did not exit by itself.
    int Stop(int seconds = 60);
    // Waits for the program to end by itself: the exit code, or -1 when it was
    // still running (it is then killed) or ended by a signal.
    int WaitForExit(int seconds = 60);
    std::string Log() const { return ReadFile(LogPath()); }
    std::string Stdout() const { return ReadFile(mWork.File("stdout.txt")); }
    std::string Stderr() const { return ReadFile(mWork.File("stderr.txt")); }
    std::string LogPath() const { return mHome.File("Documents/Kestrome/Vorlane.log"); }
    const TempFolder& Work() const { return mWork; }
    const TempFolder& Home() const { return mHome; }

private:
    // Reaps the program when it has ended and keeps its wait status.
    bool Ended();
    // What ended the program and its standard error, for a failed wait.
    void ReportEnd(const std::string& waitedFor) const;

    TempFolder mHome;
    TempFolder mWork;
    pid_t mPid = -1;
    std::optional<int> mEndStatus; // the wait status once the program has ended and been reaped
    std::vector<std::pair<std::string, std::optional<std::string>>> mEnvironment;
};

// Every file below root with its bytes, one line each: equal listings mean equal trees.
std::string ListTree(const std::string& root);

// Every regular file below root (links followed) by its path relative to root.
std::map<std::string, std::string> TreeFiles(const std::string& root);
// What a run did to files it should not have: a file gone, a file changed that
// matches none of written (the paths the README says the program writes, as
// parts of the relative path), or one of those that lost a line it had.
// Empty when every file is as it should be.
std::string TreeDamage(const std::map<std::string, std::string>& before,
                       const std::map<std::string, std::string>& after, const std::vector<std::string>& written);
// The files the README names as written by the program, as TreeDamage takes them.
const std::vector<std::string>& FilesTheProgramWrites();
} // namespace TestSupport
