#include "startup/StartUp.h"
#include "audio/AudioManager.h"
#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "core/engine/EngineConfig.h"
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"
#include "core/window/WindowSystem.h"
#include "editor/OurImGui.h"
#include "game/GameFrame.h"
#include "gameplay/ResourceManager.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleSystem.h"
#include "graphics/RenderingManager.h"
#include "physics/Physics.h"
#include "platform/Platform.h"
#include <cstdio>
#include <new>

namespace Framework
{
bool DisplayReady(const WindowSystem& window)
{
    std::string problem;
    if (!window.mWindow)
        problem = "No window could be created (" + Platform::VideoError() + "); the program ends. It needs a display.";
    else if (!Platform::CreateGLContext())
        problem = "No OpenGL 3.3 context could be created on the window (" + Platform::VideoError() +
                  "); the program ends. It needs OpenGL 3.3.";
    else
        return true;
    Log(problem);
    std::fprintf(stderr, "%s\n", problem.c_str());
    return false;
}

namespace
{
// Every system, or the program ends before anything is loaded. The systems
// made before memory ran out are left to the end of the process: their
// destructors would write back the lists of a start that never finished, and
// one whose constructor failed may have left its global pointer behind.
bool SystemsBuilt(CoreEngine& core, WindowSystem* window)
{
    try
    {
        AddEngineSystems(core, window);
        return true;
    }
    catch (const std::bad_alloc&)
    {
        const char* const problem = "There is not enough memory to build the engine's systems; the program ends.";
        Log(problem);
        std::fprintf(stderr, "%s\n", problem);
        return false;
    }
}
} // namespace

void AddEngineSystems(CoreEngine& core, WindowSystem* window)
{
    // Insertion order is also update, message and destruction order.
    core.AddSystem(new InputSys());
    core.AddSystem(window);
    core.AddSystem(new GameObjectFactory());
    core.AddSystem(new ResourceManager());
    core.AddSystem(new Physics());
    core.AddSystem(new RenderingManager());
    core.AddSystem(new GraphicsSystem());
    core.AddSystem(new GameFrame()); // the game logic, as the running game drives it
    core.AddSystem(new AudioManager());
    auto* particles = new ParticleSystem();
    gParticles = particles;
    core.AddSystem(particles);
    core.AddSystem(new OurImGui());
}

int RunProgram()
{
    // Before any file is read: a SIGTERM during the start ends it cleanly.
    Platform::CatchTerminate();
    Platform::MapLargeBlocksApart();
    EngineConfig config;
    auto* debug = new DebugSystem(config.mDocumentsFolder);
    debug->OpenLog();
    config.Load();

    auto* core = new CoreEngine();
    auto* window = new WindowSystem(&config);
    if (!DisplayReady(*window))
    {
        delete window;
        delete core;
        Platform::Shutdown();
        delete debug;
        return 1;
    }

    if (!SystemsBuilt(*core, window))
    {
        // The log stays open: the systems left running (sound decoding) may still log.
        Platform::Shutdown();
        return 1;
    }

    debug->InitProfiler();
    core->Initialize();
    // A stop asked for during the start skips what is left of it; lists not
    // read are not written either.
    const bool loadArchetypes = gFactory && !Platform::TerminateRequested();
    if (loadArchetypes)
        gFactory->LoadArchetypes();
    if (!Platform::TerminateRequested())
    {
        window->ToggleFullScreen();
        Platform::ShowMainWindow();
        debug->Log("Begin display window.");
        core->GameLoop();
    }
    else
        debug->Log("Asked to end during the start: the game loop is skipped.");

    if (loadArchetypes && gFactory)
        gFactory->SaveArchetypes();
    core->DestroySystems();
    delete core;
    // The window and its GL context outlive every system that draws on them.
    Platform::Shutdown();
    delete debug;
    return 0;
}
} // namespace Framework
