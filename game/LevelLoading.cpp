// Level switching and loading: the per-state settings, the UI level, the loader
// thread and the main thread's loading frames.
#include "game/GameFrame.h"
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <new>
#include <thread>
#include "core/engine/DebugSystem.h"
#include "core/engine/ThreadStart.h"
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

void GameFrame::SwitchLevel()
{
    LevelState& state = mState;
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
    std::thread loader;
    // Without a thread to spare the level loads here, with no loading frames.
    if (!StartThread(
            loader, [path = state.mNextLevelPath, &done] { LoadLevelThread(path, &done); },
            "loading the level \"" + state.mNextLevelPath + "\""))
        LoadLevelThread(state.mNextLevelPath, &done);
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
    if (loader.joinable())
        loader.join();
    if (gDebug)
        gDebug->FlushLog();
    // Asked to end while loading: no frame of a half-loaded level runs.
    if (Platform::TerminateRequested())
        state.RequestQuit();

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

void GameFrame::LoadLevelThread(std::string path, std::atomic<bool>* done)
{
    LoadLevel(path);
    for (int i = 0; i < 100; ++i)
        std::printf("LOADING %d percent\n", i);
    std::printf("Done Loading\n");
    std::fflush(stdout);
    done->exchange(true);
}

namespace
{
// The count the object file states, or false with a log line saying what the
// file holds instead: no count, one past an int's range, or no number at all.
bool ReadObjectCount(const XmlSerializer& xml, const std::string& file, int& count)
{
    const tinyxml2::XMLElement* objects = xml.Current();
    const char* text = objects->Attribute("GameObjectCount");
    std::string problem;
    if (!text)
        problem = "has no GameObjectCount";
    else
    {
        // As the XML library reads an int (leading blanks, a sign, "0x" for
        // hex, text after the digits ignored), but never wrapped past its range.
        const char* digits = text;
        while (std::isspace(static_cast<unsigned char>(*digits)) || *digits == '+' || *digits == '-')
            ++digits;
        const bool hex = digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X');
        char* end = nullptr;
        errno = 0;
        const long long value = std::strtoll(text, &end, hex ? 16 : 10);
        if (end == text)
            problem = "has a GameObjectCount \"" + std::string(text) + "\" that is not a number";
        else if (errno == ERANGE || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            problem = "has a GameObjectCount " + std::string(text) + " that is out of range";
        else
            count = static_cast<int>(value);
    }
    if (problem.empty())
        return true;
    Log("Level file \"" + file + "\" " + problem + "; every object in it is read.");
    return false;
}

// LoadLevel's work: the tile file, then every object element of the object file.
void ReadLevelFiles(const std::string& path)
{
    GameObjectFactory::FinishInterruptedSave(path);
    {
        // A missing tile file reads as empty: the level simply has no tiles.
        TextSerializer tiles(path + ".dat", TextSerializer::ReadOnly);
        gFactory->mTileGrid.Unserialize(tiles);
    }

    XmlSerializer xml;
    std::string problem;
    if (!GameObjectFactory::OpenLevelObjects(xml, path + ".xml", problem))
    {
        Log("Level file \"" + path + ".xml\" " + problem + ".");
        return;
    }
    // Every object element is read, whatever the count says: a level loaded
    // short would lose the rest for good at its next save, which writes the
    // true count.
    int count = 0;
    const bool counted = ReadObjectCount(xml, path + ".xml", count);
    int found = 0;
    for (xml.EnterChild(); xml.Current(); xml.NextElement(), ++found)
    {
        if (Platform::TerminateRequested())
        {
            Log("Loading of \"" + path + ".xml\" stopped: the program is ending.");
            return;
        }
        if (Composition* object = gFactory->CreateObjectFromXml(xml))
            object->Initialize();
    }
    if (counted && found != count)
        Log("Level file \"" + path + ".xml\" names " + std::to_string(count) + " objects but holds " +
            std::to_string(found) + ".");
}
} // namespace

void GameFrame::LoadLevel(const std::string& path)
{
    if (!gFactory)
        return;
    // An allocation failure must not escape: on the loader thread it would end the program.
    try
    {
        ReadLevelFiles(path);
    }
    catch (const std::bad_alloc&)
    {
        Log("Loading of \"" + path + "\" ran out of memory; the level is incomplete.");
    }
}
} // namespace Framework
