// bench_startup: the program's start-up, step by step as RunProgram takes it,
// from the process's start to the swap of the first frame of the splash level,
// with each step's share; then the peak memory (resident set) up to that frame
// and after the first level has been played a while. Run under Xvfb:
//   xvfb-run -a -s '-screen 0 1366x768x24' env SDL_VIDEODRIVER=x11 ./build/bench/bench_startup
// The content is copied to a temporary folder first (not timed), with a
// temporary home for the log and the configuration file.
//
// Contents:
//   1. Clocks and memory: NowMs, SinceProcessStartMs, PeakRssMb, ResidentNowMb
//   2. Timed steps: Step, Steps, Quietly
//   3. The timed start: Program and StartStepByStep, up to the first frame
//   4. The first level: PlayLevel1, played a while
//   5. Report, TakeDown and main
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>
#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "core/engine/EngineConfig.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "startup/StartUp.h"
#include "core/window/WindowSystem.h"
#include "platform/Platform.h"
#include "WorkFolder.h"

namespace fs = std::filesystem;
using namespace Framework;

namespace
{
constexpr double GoalMs = 300.0;      // process start to the first frame on screen
constexpr double GoalLevelMb = 100.0; // peak resident set while the first level plays
constexpr int LevelFrames = 300;      // frames of the first level before its peak is read

// ---- 1. Clocks and memory ---------------------------------------------------
double NowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Milliseconds from the process's start (the kernel's record, in clock ticks
// since boot) to now.
double SinceProcessStartMs()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const size_t close = text.rfind(')');
    if (close == std::string::npos)
        return 0.0;
    // Field 22 (start time) is the 20th after the command's closing parenthesis.
    const char* p = text.c_str() + close + 2;
    unsigned long long start = 0;
    for (int field = 3; field <= 22 && *p; ++field)
    {
        if (field == 22)
            start = std::strtoull(p, nullptr, 10);
        p = std::strchr(p, ' ');
        if (!p)
            break;
        ++p;
    }
    timespec boot{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    const double nowMs = boot.tv_sec * 1000.0 + boot.tv_nsec / 1e6;
    return nowMs - static_cast<double>(start) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// The process's peak resident set, in megabytes.
double PeakRssMb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0.0;
}

// The resident set now: all of it and the part mapped from files (shared
// libraries' code and data), in megabytes.
std::pair<double, double> ResidentNowMb()
{
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::string line;
    double rss = 0.0, anonymous = 0.0, shmem = 0.0;
    while (std::getline(rollup, line))
    {
        const double kb = std::strtod(line.c_str() + line.find(':') + 1, nullptr);
        if (line.rfind("Rss:", 0) == 0)
            rss = kb;
        else if (line.rfind("Anonymous:", 0) == 0)
            anonymous = kb;
        else if (line.rfind("Pss_Shmem:", 0) == 0)
            shmem = kb;
    }
    return {rss / 1024.0, (rss - anonymous - shmem) / 1024.0};
}

// ---- 2. Timed steps ---------------------------------------------------------
// Runs a step and records its milliseconds and the peak resident set after it.
struct Step
{
    std::string mName;
    double mMs = 0.0;
    double mPeakMb = 0.0;
};

struct Steps
{
    std::vector<Step> mTimes;
    template <class Fn>
    void Run(const char* name, Fn&& fn)
    {
        const double start = NowMs();
        fn();
        const double ms = NowMs() - start;
        mTimes.push_back({name, ms, PeakRssMb()});
    }
};

// The loader thread prints its progress lines: kept out of the figures.
template <class Fn>
void Quietly(Fn&& fn)
{
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0)
        dup2(devNull, STDOUT_FILENO);
    fn();
    std::fflush(stdout);
    if (saved >= 0)
        dup2(saved, STDOUT_FILENO);
    for (int fd : {saved, devNull})
        if (fd >= 0)
            close(fd);
}
} // namespace

// ---- 3. The timed start -----------------------------------------------------
// The program's objects that outlive the start, for the level run and the end.
struct Program
{
    EngineConfig* mConfig = nullptr;
    DebugSystem* mDebug = nullptr;
    WindowSystem* mWindow = nullptr;
};

// Start-up as RunProgram takes it, one timed step at a time, up to the swap
// of the splash level's first frame. False, with the program's reason on
// standard error, when the start gets no window or no GL context: nothing
// after that would measure a start.
bool StartStepByStep(Steps& steps, Program& program)
{
    steps.Run("configuration and log",
              [&]
              {
                  Platform::MapLargeBlocksApart();
                  program.mConfig = new EngineConfig();
                  program.mDebug = new DebugSystem(program.mConfig->mDocumentsFolder);
                  program.mDebug->OpenLog();
                  program.mConfig->Load();
              });
    bool displayReady = false;
    steps.Run("core engine, window and GL context",
              [&]
              {
                  new CoreEngine();
                  program.mWindow = new WindowSystem(program.mConfig);
                  displayReady = DisplayReady(*program.mWindow);
              });
    if (!displayReady)
        return false;
    steps.Run("systems constructed", [&] { AddEngineSystems(*gCore, program.mWindow); });
    steps.Run("systems initialised",
              [&]
              {
                  program.mDebug->InitProfiler();
                  gCore->Initialize();
              });
    steps.Run("archetypes",
              [&]
              {
                  if (gFactory)
                      gFactory->LoadArchetypes();
              });
    steps.Run("full screen and shown",
              [&]
              {
                  program.mWindow->ToggleFullScreen();
                  Platform::ShowMainWindow();
                  program.mDebug->Log("Begin display window.");
              });
    LevelState& state = gLogic->mState;
    steps.Run("splash level loaded",
              [&]
              {
                  state.mPrevious = state.mCurrent = state.mNext = GameState::SPLASH_SCREEN;
                  state.SetNextLevel(LevelPath(1));
                  state.mFirstLevelPath = state.mNextLevelPath;
                  Quietly([&] { gLogic->SwitchLevel(); });
              });
    steps.Run("first frame and swap", [&] { gCore->RunFrame(); });
    return true;
}

// ---- 4. The first level -----------------------------------------------------
// The first level as the player reaches it (its HUD level first), played a while.
void PlayLevel1()
{
    LevelState& state = gLogic->mState;
    gCore->FlushLevel();
    state.mPrevious = state.mCurrent = state.mNext = GameState::LEVEL;
    state.SetNextLevel(LevelPath(1));
    Quietly([&] { gLogic->SwitchLevel(); });
    for (int i = 0; i < LevelFrames; ++i)
        gCore->RunFrame();
}

// ---- 5. Report, TakeDown and main -------------------------------------------
void Report(const Steps& steps, double beforeCopy, double copyMs, double firstFrameMs, double startPeakMb,
            double levelPeakMb, std::pair<double, double> levelNow)
{
    double total = 0.0;
    for (const Step& step : steps.mTimes)
        total += step.mMs;
    std::printf("Start-up of the program, step by step (content copy of %.0f ms left out), with the peak\n"
                "resident set after each step:\n",
                copyMs);
    std::printf("  %-26s %8.1f ms\n", "before main", beforeCopy);
    for (const Step& step : steps.mTimes)
        std::printf("  %-26s %8.1f ms  %5.1f %%  %6.1f MB\n", step.mName.c_str(), step.mMs,
                    total > 0.0 ? 100.0 * step.mMs / total : 0.0, step.mPeakMb);
    std::printf("  process start to the first frame's swap %7.1f ms   goal <= %.0f ms: %s\n", firstFrameMs, GoalMs,
                firstFrameMs <= GoalMs ? "met" : "NOT met");
    std::printf("  peak resident set at the first frame    %7.1f MB\n", startPeakMb);
    std::printf("  peak resident set after %d frames of Level1 %5.1f MB   goal < %.0f MB: %s\n", LevelFrames,
                levelPeakMb, GoalLevelMb, levelPeakMb < GoalLevelMb ? "met" : "NOT met");
    std::printf("  resident set then %.1f MB, of which %.1f MB mapped from the libraries' files\n"
                "  (the software GL driver's shader compiler most of it)\n",
                levelNow.first, levelNow.second);
    std::fflush(stdout);
}

// Takes down what the start made (the systems, when there are any) and the
// work folder.
void TakeDown(Program& program, const fs::path& sourceCwd, const std::string& folder)
{
    if (gCore && !gCore->mSystems.empty())
    {
        gCore->FlushLevel();
        gCore->DestroySystems();
    }
    else
        delete program.mWindow; // the window system was never handed to the engine
    delete gCore;
    Platform::Shutdown();
    delete program.mDebug;
    delete program.mConfig;
    fs::current_path(sourceCwd);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

int main()
{
    const double beforeCopy = SinceProcessStartMs();
    const fs::path sourceCwd = fs::current_path();
    const double copyStart = NowMs();
    const std::string folder = Bench::MakeWorkFolder("tandrel-startup");
    if (folder.empty())
        return 1;
    const double copyMs = NowMs() - copyStart;

    Steps steps;
    Program program;
    if (!StartStepByStep(steps, program))
    {
        std::fprintf(stderr, "bench_startup: the start got no window or GL context; nothing was measured.\n");
        TakeDown(program, sourceCwd, folder);
        return 1;
    }
    const double firstFrameMs = SinceProcessStartMs() - copyMs;
    const double startPeakMb = PeakRssMb();
    PlayLevel1();
    const double levelPeakMb = PeakRssMb();
    Report(steps, beforeCopy, copyMs, firstFrameMs, startPeakMb, levelPeakMb, ResidentNowMb());

    TakeDown(program, sourceCwd, folder);
    return firstFrameMs <= GoalMs && levelPeakMb < GoalLevelMb ? 0 : 1;
}
