// What pausing the game does to the systems; the engine's SetPause, the one
// way to pause or resume, sets its own flag and calls this.
#include "game/GameFrame.h"
#include "audio/AudioManager.h"
#include "physics/Physics.h"

namespace Framework
{
void GameFrame::PauseSystems(bool paused)
{
    if (gPhysics)
        gPhysics->mRunning = !paused;
    if (gAudio)
        gAudio->mPaused = paused;
}
} // namespace Framework
