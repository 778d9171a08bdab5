// BenchEngine: the systems of RunProgram around a generated level.
#include "BenchEngine.h"
#include "WorkFolder.h"
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include "BenchLevel.h"
#include "audio/AudioManager.h"
#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "core/engine/EngineConfig.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "startup/StartUp.h"
#include "core/window/WindowSystem.h"
#include "editor/OurImGui.h"
#include "gameplay/ResourceManager.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleSystem.h"
#include "graphics/RenderingManager.h"
#include "physics/Physics.h"
#include "platform/Platform.h"
#include "game/GameFrame.h"

namespace fs = std::filesystem;
using namespace Framework;

namespace Bench
{
namespace
{
EngineConfig* sConfig = nullptr;
DebugSystem* sDebug = nullptr;
} // namespace

BenchEngine::BenchEngine() : mSourceCwd(fs::current_path().string())
{
    mFolder = MakeWorkFolder("tandrel-bench");
    if (mFolder.empty())
        std::exit(1);

    // As RunProgram, without the full-screen toggle.
    sConfig = new EngineConfig();
    sDebug = new DebugSystem(sConfig->mDocumentsFolder);
    sDebug->OpenLog();
    sConfig->Load();
    auto* core = new CoreEngine();
    auto* window = new WindowSystem(sConfig);
    AddEngineSystems(*core, window);
    sDebug->InitProfiler();
    core->Initialize();
    if (gFactory)
        gFactory->LoadArchetypes();
    Platform::ShowMainWindow();
    sDebug->Log("Begin display window.");
    // The game loop's first loading frame starts the queued log.
    sDebug->FlushLog();
}

BenchEngine::~BenchEngine()
{
    FlushLevel();
    gCore->DestroySystems();
    delete gCore;
    Platform::Shutdown();
    delete sDebug;
    delete sConfig;
    sDebug = nullptr;
    sConfig = nullptr;
    fs::current_path(mSourceCwd);
    std::error_code ignored;
    fs::remove_all(mFolder, ignored);
}

std::string BenchEngine::MakeLevel(int objects, int tileSide)
{
    const std::string name = "Bench" + std::to_string(objects);
    BenchLevelSize size;
    size.mObjects = objects;
    size.mTileSide = tileSide;
    if (!WriteBenchLevel(mFolder + "/Resources/LevelData/" + name, size))
    {
        std::fprintf(stderr, "The benchmark level could not be written.\n");
        std::exit(1);
    }
    return "Resources\\LevelData\\" + name;
}

std::string BenchEngine::LevelFile(const std::string& levelPath, const char* extension) const
{
    std::string path = levelPath;
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return mFolder + "/" + path + extension;
}

void BenchEngine::LoadLevel(const std::string& levelPath)
{
    LevelState& state = gLogic->mState;
    state.mPrevious = state.mCurrent = state.mNext = GameState::LEVEL;
    state.SetNextLevel(levelPath);
    GameFrame::LoadLevel(levelPath);
    state.mLoadedLevelPath = levelPath;
    if (gPhysics)
        gPhysics->mRunning = true;
    if (gDebug)
        gDebug->FlushLog();
}

void BenchEngine::PlayLevel(const std::string& levelPath, unsigned gameState)
{
    LevelState& state = gLogic->mState;
    state.mPrevious = state.mCurrent = state.mNext = gameState;
    state.SetNextLevel(levelPath);
    // The loader thread prints its progress lines: kept out of the figures.
    std::fflush(stdout);
    const int savedOut = dup(STDOUT_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    if (devNull >= 0)
        dup2(devNull, STDOUT_FILENO);
    gLogic->SwitchLevel();
    std::fflush(stdout);
    if (savedOut >= 0)
        dup2(savedOut, STDOUT_FILENO);
    for (int fd : {savedOut, devNull})
        if (fd >= 0)
            close(fd);
    if (gDebug)
        gDebug->FlushLog();
}

void BenchEngine::FlushLevel()
{
    if (gCore)
        gCore->FlushLevel();
    if (gDebug)
        gDebug->FlushLog();
}
} // namespace Bench
