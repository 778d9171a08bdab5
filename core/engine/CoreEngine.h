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
    // Set by the pieces above the engine as they are made, so that the loop
    // reaches the systems without including them: the game logic sets what a
    // pause does to the systems and the level flush, the graphics system the
    // buffer swap that ends a frame.
    using PauseHook = void (*)(bool paused);
    using Hook = void (*)();
    static PauseHook sPauseSystems;
    static Hook sFlushLevel;
    static Hook sSwapBuffers;

    explicit CoreEngine(FrameRateController::Clock clock = nullptr);
    ~CoreEngine();

    void AddSystem(System* system);
    void Initialize();
    void GameLoop();
    void BroadcastMessage(Message* message);
    // The one way to pause or resume: the flag, physics and sound together.
    void SetPause(bool paused);
    void DestroySystems();

    // One pass of the inner loop: keys, every system's Update, swap, timing.
    void RunFrame();
    // Empties the level (the game logic's flush) and logs it; between states.
    void FlushLevel();

    bool mPaused = false;
    std::vector<System*> mSystems; // insertion order = update, message and destruction order; owned
    FrameRateController mFrameRateController;
};

extern CoreEngine* gCore;
} // namespace Framework
