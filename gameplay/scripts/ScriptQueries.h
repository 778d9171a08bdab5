// Small lookups the level scripts share: walks over the live objects by tag, the active camera, moving
// an object with its body, and the mouse-in-box test of the pause dialogs.
#pragma once
#include <cstdint>
#include <string>
#include "core/math/MathTypes.h"
#include "core/objects/ObjectHandle.h"

namespace Framework
{
class Camera;
class Composition;

// The live object with that tag and the highest id (scripts keep the last one
// of a walk in id order), or null.
Composition* LastObjectTagged(uint32_t tag);
// The live object with that tag and the lowest id, or null.
Composition* FirstObjectTagged(uint32_t tag);

// The graphics system's active camera (the editor camera when no level camera
// is active); null only without a graphics system.
Camera* ActiveCamera();

// Moves the object's Body (when it has one) and its Transform to position.
void PlaceObject(Composition* object, const Vec3& position);

// Whether (x, y) lies in the object's box: its Transform position +- scale x
// 0.5 x HalfLength of its OBB shape, bounds included. False without an OBB.
bool PointInObjectBox(const Composition* object, float x, float y);

// The left mouse button went down this frame (and was up in the previous one).
bool LeftClicked();
// The key was down this frame and up in the previous one.
bool KeyTriggered(int vk);

// The engine's paused flag; false without an engine.
bool GamePaused();
// Lifts the pause the way the core engine does (physics runs, audio plays).
void ResumeGame();

// The state the game is in, and asking for the next one.
uint32_t CurrentGameState();
void RequestGameState(uint32_t state);
// The path of the level last loaded, "" without a game logic. A reference,
// since scripts ask for it every frame.
const std::string& CurrentLevelPath();
} // namespace Framework
