// The game's frame: the game logic as the running game drives it, above the
// systems and the scripts. Each frame: the keyboard controllers, the camera,
// the global function keys, picking and dragging bodies with the mouse, the
// cursor sprite. Between levels: switching, loading and flushing levels, and
// what a pause does to the systems. It is the game logic system itself (its
// name and its place in the system order are GameLogic's): the program adds a
// GameFrame where the engine's order has the game logic.
#pragma once
#include <atomic>
#include <string>
#include "core/game/GameLogic.h"
#include "core/math/MathTypes.h"

namespace Framework
{
struct InputState;

class GameFrame : public GameLogic
{
public:
    // ---- Each frame (GameFrame.cpp, BodyDrag.cpp) -------------------------
    void Update(float dt) override;
    // Losing the window's focus in a level pauses the loop, physics and sound.
    void SendMessage(Message* message) override;

    // ---- Between levels (LevelLoading.cpp, LevelFlush.cpp) -----------------
    // Applies the current state's settings and loads its level on the loader
    // thread, drawing loading frames until it is done.
    void SwitchLevel() override;
    void FlushLevel() override { EmptyLevel(); }
    // Loads a level pair: path.dat into the tile grid, then path.xml's objects,
    // each initialised in file order. Any thread; touches no GameLogic member.
    static void LoadLevel(const std::string& path);
    // The loader thread's body: LoadLevel, the progress lines, then the done flag.
    static void LoadLevelThread(std::string path, std::atomic<bool>* done);
    // Empties the running level: the physics pick and player body, every
    // object, the render lists, every tile with its body, the scripts. The
    // loop does so between states, the editor before it loads a level.
    static void EmptyLevel();

    // ---- Pausing (PauseSystems.cpp) ----------------------------------------
    // Pausing stops physics and pauses the sound.
    void PauseSystems(bool paused) override;

    // One frame's drag of the held body to the mouse (a world point); a drag
    // that moves too far in one frame lets it go.
    void DragHeldObject(const Vec3& mouse);

private:
    // Outside the editor: fast mode, picking and dragging with the mouse.
    void UpdateMouse(const InputState& input);
    void DrawCursor(const InputState& input);
};
} // namespace Framework
