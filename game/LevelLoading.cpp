// Level switching and loading: the per-state settings, the UI level, the loader
// thread and the main thread's loading frames.
#include "game/GameFrame.h"
#include <cstdio>
#include <thread>
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "graphics/GraphicsSystem.h"
#include "physics/Physics.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
void ResetPhysicsForLevel()
{
    if (!gPhysics)
        return;
    gPhysics->mFastMode = false;
    gPhysics->mGravity = Vec2(0.0f, gPhysics->mDefaultGravity.y);
    gPhysics->mDefaultGravity.x = 0.0f;
}
} // namespace

namespace GameFrame
{
void SwitchLevel(LevelState& state)
{
    LevelSettings& settings = gLevelSettings;
    bool listed = true;
    switch (state.mCurrent)
    {
    case GameState::EDITOR:
        settings = {1, true, false};
        if (gGraphicsSystem)
            gGraphicsSystem->SetActiveCamera(&gGraphicsSystem->mEditorCamera);
        break;
    case GameState::SPLASH_SCREEN:
        settings = {2, false, false};
        state.mNextLevelPath = SplashScreenLevel();
        break;
    case GameState::LEVEL:
        settings = {2, false, true};
        if (gPhysics)
            gPhysics->mLevelTimer = LevelTimer();
        break;
    case GameState::MAIN_MENU:
        settings = {2, false, true};
        state.mNextLevelPath = MainMenuLevel();
        break;
    case GameState::PLAY_STORY:
        settings = {2, false, false};
        state.mNextLevelPath = StoryLevel();
        break;
    case GameState::CREDITS:
        settings = {2, false, true};
        state.mNextLevelPath = CreditsLevel();
        break;
    default:
        listed = false;
        break;
    }
    if (listed)
        ResetPhysicsForLevel();

    // The UI level holds the HUD: its objects come before the level's own.
    if (state.mCurrent == GameState::LEVEL && !HasNoHud(state.mNextLevelPath))
        LoadLevel(UiLevel());

    std::atomic<bool> done{false};
    std::thread loader(LoadLevelThread, state.mNextLevelPath, &done);
    while (!done.load())
    {
        if (gGraphicsSystem)
        {
            gGraphicsSystem->DrawLoadingFrame();
            if (gDebug)
                gDebug->FlushLog(); // the loading frame's lines, as any frame's
        }
        else
            std::this_thread::yield();
    }
    loader.join();
    if (gDebug)
        gDebug->FlushLog();
    // Asked to end while loading: no frame of a half-loaded level runs.
    if (Platform::TerminateRequested())
        state.mNext = GameState::QUIT;

    state.mLoadedLevelPath = state.mNextLevelPath;
    if (gGraphicsSystem)
        if (Camera* camera = gGraphicsSystem->GetActiveCamera())
            camera->mMode = settings.mCameraMode;
    if (settings.mCursorShown)
        while (Platform::ShowCursor(true) <= 0)
        {
        }
    else
        while (Platform::ShowCursor(false) >= 0)
        {
        }
    if (gPhysics)
        gPhysics->mRunning = settings.mPhysicsOn;
}

void LoadLevelThread(std::string path, std::atomic<bool>* done)
{
    LoadLevel(path);
    for (int i = 0; i < 100; ++i)
        std::printf("LOADING %d percent\n", i);
    std::printf("Done Loading\n");
    std::fflush(stdout);
    done->exchange(true);
}

void LoadLevel(const std::string& path)
{
    if (!gFactory)
        return;
    {
        // A missing tile file is created empty: the level simply has no tiles.
        TextSerializer tiles(path + ".dat", TextSerializer::ReadWrite);
        gFactory->mTileGrid.Unserialize(tiles);
    }

    XmlSerializer xml;
    if (!xml.LoadFile(path + ".xml"))
    {
        Log("Level file \"" + path + ".xml\" could not be read; the level has no objects.");
        return;
    }
    if (!xml.GetRoot())
    {
        Log("Level file \"" + path + ".xml\" has no root element.");
        return;
    }
    xml.EnterChild(); // "GameObjects"
    if (!xml.Current())
    {
        Log("Level file \"" + path + ".xml\" has no GameObjects element.");
        return;
    }
    int count = 0;
    if (!xml.ReadIntAttribute("GameObjectCount", count))
        Log("Level file \"" + path + ".xml\" has no GameObjectCount; no objects are read.");
    xml.EnterChild(); // the first object
    for (int i = 0; i < count; ++i)
    {
        if (Platform::TerminateRequested())
        {
            Log("Loading of \"" + path + ".xml\" stopped: the program is ending.");
            break;
        }
        if (!xml.Current())
        {
            Log("Level file \"" + path + ".xml\" names " + std::to_string(count) + " objects but holds " +
                std::to_string(i) + ".");
            break;
        }
        if (Composition* object = gFactory->CreateObjectFromXml(xml))
            object->Initialize();
        xml.NextElement();
    }
}
} // namespace GameFrame
} // namespace Framework
