// Owns the engine systems and runs them: the outer loop over game states and
// the inner loop of frames, message broadcast, pause, shutdown.
#pragma once
#include <vector>
#include "core/engine/FrameRateController.h"
#include "core/engine/System.h"

namespace Framework
{
class Message;

class CoreEngine
{
public:
    explicit CoreEngine(FrameRateController::Clock clock = nullptr);
    ~CoreEngine();

    void AddSystem(System* system);
    void Initialize();
    void GameLoop();
    void BroadcastMessage(Message* message);
    // The one way to pause or resume: the flag, and what the game logic's
    // PauseSystems does (physics and sound).
    void SetPause(bool paused);
    void DestroySystems();

    // One pass of the inner loop: keys, every system's Update, swap, timing.
    void RunFrame();
    // Empties the level (the game logic's FlushLevel) and logs it; between states.
    void FlushLevel();

    bool mPaused = false;
    std::vector<System*> mSystems; // insertion order = update, message and destruction order; owned
    FrameRateController mFrameRateController;
};

extern CoreEngine* gCore;
} // namespace Framework
