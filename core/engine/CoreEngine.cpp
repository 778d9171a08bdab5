#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/window/InputSys.h"
#include "core/engine/Message.h"
#include "platform/Platform.h"

namespace Framework
{
CoreEngine* gCore = nullptr;

namespace
{
// The flag of SIGTERM is read here too: every SIGTERM ends the loop, not only
// the one message the first of them queues.
bool QuitAsked(const LevelState& state) { return state.mQuitRequested || Platform::TerminateRequested(); }

float Milliseconds(uint64_t start, uint64_t end)
{
    return static_cast<float>(static_cast<double>(end - start) / 1000000000.0 * 1000.0);
}
} // namespace

CoreEngine::CoreEngine(FrameRateController::Clock clock) : mFrameRateController(std::move(clock))
{
    Log("Core Engine Constructed");
    gCore = this;
}

CoreEngine::~CoreEngine()
{
    Log("Core Engine Destructed");
    mSystems.clear();
    if (gCore == this)
        gCore = nullptr;
}

void CoreEngine::AddSystem(System* system)
{
    Log(system->GetName() + " added into engine.");
    mSystems.push_back(system);
}

void CoreEngine::Initialize()
{
    Log("Initializing sub systems.");
    for (System* system : mSystems)
    {
        system->Init();
        Log(system->GetName() + " initialized.");
    }
}

void CoreEngine::BroadcastMessage(Message* message)
{
    if (message->mMessageId == MessageId::Quit && gLogic)
        gLogic->mState.RequestQuit();
    // Index loop: a handler may not add systems, but keep the loop safe anyway.
    for (size_t i = 0; i < mSystems.size(); ++i)
        mSystems[i]->SendMessage(message);
}

void CoreEngine::SetPause(bool paused)
{
    mPaused = paused;
    if (gLogic)
        gLogic->PauseSystems(paused);
}

void CoreEngine::DestroySystems()
{
    for (System* system : mSystems)
    {
        Log(system->GetName() + " will now be terminated.");
        delete system;
    }
    mSystems.clear();
}

void CoreEngine::RunFrame()
{
    LevelState& state = gLogic->mState;
    if (gInput)
    {
        const InputState& input = gInput->mState;
        if (input.IsTriggered(VK_ESCAPE) && state.mCurrent == GameState::LEVEL)
            SetPause(!mPaused);
        if (input.IsHeld(VK_CONTROL) && input.IsTriggered('F') && gDebug)
            gDebug->mProfilerShown = !gDebug->mProfilerShown;
    }

    DebugSystem* debug = gDebug;
    if (debug)
        debug->NextFrame();
    const int slot = debug ? debug->mFrameIndex : 0;
    const float dt = gDeltaTime;
    const uint64_t frameStart = mFrameRateController.Now();
    for (size_t i = 0; i < mSystems.size(); ++i)
    {
        const uint64_t start = mFrameRateController.Now();
        mSystems[i]->Update(dt);
        const uint64_t end = mFrameRateController.Now();
        if (debug && i + 1 < debug->mRecords.size())
            debug->mRecords[i + 1].mSamples[slot] = Milliseconds(start, end);
    }
    Platform::SwapBuffers(); // nothing to swap without a window and its GL context
    mFrameRateController.EndFrame();
    const uint64_t frameEnd = mFrameRateController.Now();
    if (debug && debug->mRecords.size() >= 2)
    {
        debug->mRecords.front().mSamples[slot] = Milliseconds(frameStart, frameEnd);
        debug->mRecords.back().mSamples[slot] = dt * 1000.0f;
    }
    // The frame's log lines reach the file together.
    if (debug)
        debug->FlushLog();
}

void CoreEngine::FlushLevel()
{
    if (gLogic)
        gLogic->FlushLevel();
    Log("All game objected flushed.");
}

void CoreEngine::GameLoop()
{
    Log("Engine will now enter Game Loop.");
    LevelState& state = gLogic->mState;
    state.mPrevious = state.mCurrent = state.mNext = GameState::SPLASH_SCREEN;
    state.SetNextLevel(LevelPath(1));
    state.mFirstLevelPath = state.mNextLevelPath;

    while (state.mCurrent != GameState::QUIT)
    {
        if (state.mCurrent == GameState::RESTART)
            state.mCurrent = state.mNext = state.mPrevious;
        gLogic->SwitchLevel();
        Log("Engine will now enter internal game loop.");
        Log("Game is running.");

        while (state.mNext == state.mCurrent && !QuitAsked(state))
            RunFrame();
        // A system that switched level after the quit in the same frame does not undo it.
        if (QuitAsked(state))
            state.RequestQuit();

        FlushLevel();
        state.mPrevious = state.mCurrent;
        state.mCurrent = state.mNext;
    }
    Log("Engine will now exit Game Loop.");
}
} // namespace Framework
