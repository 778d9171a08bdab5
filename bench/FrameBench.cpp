// bench_frame: the program's frame on a generated level of 1,000 and of 10,000
// objects (200 x 200 tile map, physics on, the level state, the HUD level
// loaded beside it as the game loop does), then on every level of the content.
// Prints each system's main-thread milliseconds per frame (the profiler's own
// samples), their sum (the frame's CPU time on the main thread, the buffer
// swap left out), and the heap allocations per frame of the whole process:
// those of operator new (the engine) and the malloc calls of the libraries and
// driver. No steady frame may allocate from the engine, in any level.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include "AllocationCounter.h"
#include "BenchEngine.h"
#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"

using namespace Framework;

namespace
{
constexpr int WarmUpFrames = 120; // the bodies settle on their platforms

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Heap allocations of each frame, the engine's and the whole process's.
struct FrameAllocations
{
    std::vector<double> mEngine, mAll;
    explicit FrameAllocations(int frames)
    {
        mEngine.reserve(static_cast<size_t>(frames));
        mAll.reserve(static_cast<size_t>(frames));
    }
    // Runs one frame and records what it allocated; with TANDREL_BENCH_TRACE_NEW
    // set, the call stacks of the engine's allocations go to stderr.
    void RunFrame(const char* level)
    {
        Bench::ArmNewTraces();
        const Bench::AllocationCount before = Bench::CountAllocations();
        gCore->RunFrame();
        const Bench::AllocationCount after = Bench::CountAllocations();
        if (after.mNew != before.mNew)
        {
            char label[256];
            std::snprintf(label, sizeof label, "%s, frame %zu", level, mEngine.size());
            Bench::PrintNewTraces(label);
        }
        mEngine.push_back(static_cast<double>(after.mNew - before.mNew));
        mAll.push_back(static_cast<double>(after.Total() - before.Total()));
    }
};

// The levels of the content as the game plays them: the play levels, the
// scrolling level and the ending, the main menu and the credits.
struct ContentLevel
{
    std::string mPath;
    unsigned mState;
};

std::vector<ContentLevel> ContentLevels()
{
    std::vector<ContentLevel> levels;
    for (int i = 1; i <= PlayLevelCount; ++i)
        levels.push_back({LevelPath(i), GameState::LEVEL});
    levels.push_back({ScrollingLevel(), GameState::LEVEL});
    levels.push_back({EndingLevel(), GameState::LEVEL});
    levels.push_back({MainMenuLevel(), GameState::MAIN_MENU});
    levels.push_back({CreditsLevel(), GameState::CREDITS});
    return levels;
}

bool gAllGoalsMet = true;

// objects sets the time goal; a level of the content is held to the smaller one.
void RunLevel(Bench::BenchEngine& engine, const std::string& level, unsigned state, int objects, int frames)
{
    engine.PlayLevel(level, state);
    for (int i = 0; i < WarmUpFrames; ++i)
        gCore->RunFrame();

    const size_t systems = gCore->mSystems.size();
    std::vector<double> systemMs(systems, 0.0);
    std::vector<double> frameCpu;
    frameCpu.reserve(static_cast<size_t>(frames));
    FrameAllocations allocations(frames);
    for (int i = 0; i < frames; ++i)
    {
        allocations.RunFrame(level.c_str());
        const int slot = gDebug->mFrameIndex;
        double cpu = 0.0;
        for (size_t s = 0; s < systems && s + 1 < gDebug->mRecords.size(); ++s)
        {
            const double ms = gDebug->mRecords[s + 1].mSamples[static_cast<size_t>(slot)];
            systemMs[s] += ms;
            cpu += ms;
        }
        frameCpu.push_back(cpu);
    }

    std::printf("\n%s, %d frames after %d warm-up frames:\n", level.c_str(), frames, WarmUpFrames);
    for (size_t s = 0; s < systems; ++s)
        std::printf("  %-20s %7.3f ms\n", gCore->mSystems[s]->GetName().c_str(), systemMs[s] / frames);
    const double cpu = Median(frameCpu);
    const double goal = objects <= 1000 ? 1.0 : 4.0;
    std::printf("  main-thread frame CPU (median) %7.3f ms   goal <= %.0f ms: %s\n", cpu, goal,
                cpu <= goal ? "met" : "NOT met");
    gAllGoalsMet = gAllGoalsMet && cpu <= goal;
    const std::vector<double>& allAllocations = allocations.mAll;
    const std::vector<double>& engineAllocations = allocations.mEngine;
    const double all = Median(allAllocations);
    const double fromEngine = Median(engineAllocations);
    std::printf("  allocations per frame (median): %.0f in all, %.0f from the engine\n", all, fromEngine);
    const double engineMax = *std::max_element(engineAllocations.begin(), engineAllocations.end());
    std::printf("  allocations per frame (max):    %.0f in all, %.0f from the engine   goal: none from the "
                "engine in any frame: %s\n",
                *std::max_element(allAllocations.begin(), allAllocations.end()), engineMax,
                engineMax == 0.0 ? "met" : "NOT met");
    gAllGoalsMet = gAllGoalsMet && engineMax == 0.0;
    std::fflush(stdout);
    engine.FlushLevel();
}

// The same count with no level loaded: what the clear, the mouse cursor and
// the buffer swap cost the libraries and the driver, whatever a level holds.
void RunWithoutLevel(int frames)
{
    for (int i = 0; i < WarmUpFrames; ++i)
        gCore->RunFrame();
    FrameAllocations allocations(frames);
    for (int i = 0; i < frames; ++i)
        allocations.RunFrame("no level");
    std::printf("\nNo level loaded (only the clear, the mouse cursor and the swap), %d frames:\n", frames);
    std::printf("  allocations per frame (median): %.0f in all, %.0f from the engine\n", Median(allocations.mAll),
                Median(allocations.mEngine));
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    Bench::BenchEngine engine;
    std::printf("Frame of the program on generated levels (200 x 200 tile map; a quarter each of transforms,\n"
                "sprites, boxes and balls; physics on).\n");
    // "bench_frame FRAMES OBJECTS" runs one generated level only (for profiling);
    // "bench_frame FRAMES LEVEL" runs a level of the content, e.g. Resources\\LevelData\\Level1.
    if (argc > 2 && !std::isdigit(static_cast<unsigned char>(argv[2][0])))
    {
        unsigned state = GameState::LEVEL;
        for (const ContentLevel& content : ContentLevels())
            if (content.mPath == argv[2])
                state = content.mState;
        RunLevel(engine, argv[2], state, 1000, frames);
    }
    else if (argc > 2)
    {
        const int objects = std::max(0, std::atoi(argv[2]));
        RunLevel(engine, engine.MakeLevel(objects), GameState::LEVEL, objects, frames);
    }
    else
    {
        for (int objects : {1000, 10000})
            RunLevel(engine, engine.MakeLevel(objects), GameState::LEVEL, objects, frames);
        for (const ContentLevel& content : ContentLevels())
            RunLevel(engine, content.mPath, content.mState, 1000, frames);
        RunWithoutLevel(frames);
    }
    std::printf("\nEvery goal met: %s\n", gAllGoalsMet ? "yes" : "NO");
    return gAllGoalsMet ? 0 : 1;
}
