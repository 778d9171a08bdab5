// The parts of the object list, the component editor and the tile tools that
// live in files of their own, and the state they keep between frames.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include "core/math/MathTypes.h"
#include "core/objects/ObjectHandle.h"

namespace Framework
{
class Component;
class Composition;
class OurImGui;

// What the panels remember from frame to frame (a member of the editor).
struct EditPanelsState
{
    // ---- Object list ---------------------------------------------------------------
    bool mArchetypeDragged = false; // a held archetype with a Renderer: its copy drops on release
    // The object picked in the level. A handle: a deleted object (or a new
    // one at the same address) is never dragged.
    ObjectHandle mPicked;

    // ---- Component editor ------------------------------------------------------------
    std::string mRefusalPopup; // a popup to open at the window's level this frame ("" none)
    std::string mNeededBy;     // "Component Needed": the component that needs the one kept

    // ---- Tile tools ---------------------------------------------------------------------
    int32_t mWorkingWidth = 0; // the size fields; applied by "Apply Changes"
    int32_t mWorkingHeight = 0;
    // The grid size the fields last followed: a grid that changes size behind
    // the editor's back (a level load) brings the fields along.
    int64_t mFollowedWidth = -1;
    int64_t mFollowedHeight = -1;
    // The tileset name the editor last wrote: a level loaded with another one
    // moves the "TileSet" choice to it instead of overwriting it.
    std::string mWrittenTileset;
    // ---- Side window ---------------------------------------------------------------------
    // The selection the side window was last shown or closed for.
    int mSideSelectedIndex = -1;
    int mSideObjectType = -1;

    // Where the pointer was in the last frame of a paint or erase stroke, so
    // a fast stroke covers every cell in between.
    bool mStrokeGoing = false;
    Vec3 mStrokeLast{0.0f};
};

using ObjectMap = std::map<uint32_t, Composition*>;

// ---- Object list (ObjectListBox.cpp) ----------------------------------------
// A list box rows high over the objects of map: an entry is selected as soon
// as it is pressed, so a drag starts from the entry under the mouse. True
// while an entry is held; the list box's rectangle is left as the last item.
bool ObjectListBox(const char* id, const ObjectMap& map, int* selected, int rows);

// ---- Object list operations (ObjectOperations.cpp) --------------------------
// The selected index made valid for a map of count entries (0 when it is not).
int ClampSelection(int selected, size_t count);
// A live copy of the n-th archetype, or null when there is none.
Composition* CloneArchetype(int n);
// Removes and deletes the n-th archetype; false when there is none.
bool DeleteArchetype(int n);
// Puts a copy of the n-th live object among the archetypes. False when an
// archetype of that name exists (nothing is added) or there is no such object.
bool MakeArchetype(int n);
// Places an object at a world point: through its Body when it has one (and
// only a live object's body moves between grid cells), else its Transform.
void PlaceObjectAt(Composition& object, const Vec3& position);
// Whether the picked object is still the live object it was picked as.
bool PickedIsAlive(const EditPanelsState& state);

// ---- Archetype drag and scene picking (ArchetypeDrag.cpp, ScenePicking.cpp) ----
// Dragging an archetype from its list into the level, after the archetype
// list box; held: whether an entry of it is held.
void ArchetypeDrag(OurImGui& editor, bool held);
// Picking and dragging objects in the level, after the object list window.
void ScenePicking(OurImGui& editor);
// Whether the mouse is the level's: over no editor window and no popup open.
bool MouseIsOverScene();

// ---- Component rules (ComponentRules.cpp) -----------------------------------
// The popup that refuses adding a component of typeId to object, or "" when it may be added.
std::string AddComponentRefusal(const Composition& object, int32_t typeId);
// The type id of a component of object that needs component and is not itself
// being removed, or 0 when component may be deleted.
int32_t ComponentNeededBy(const Composition& object, const Component& component);

// ---- Side window (SideWindow.cpp) -------------------------------------------
// The component editor and the tile set editor first open at the right edge,
// clear of the object list; they are movable from there.
void SideWindowFirstPosition(const OurImGui& editor);
// Whether the side window is drawn this frame: its close button hides it
// until another object or object type is chosen in the object list.
bool SideWindowShown(OurImGui& editor);
// The side window's smallest size, so its title and close button stay
// readable when it has nothing to show.
void SideWindowMinimumSize();

// ---- Component editor parts (TransformHeader.cpp) ---------------------------
// The component editor's "Transform" header.
void TransformHeader(Composition& object);

// ---- Tile tools (TileSection.cpp) -------------------------------------------
// The tile tools inside "All Game Objects".
void TileSection(OurImGui& editor);
// The size fields follow the grid when its size changed since they last did.
void FollowGridSize(EditPanelsState& state);
// "Apply Changes": false (logged, nothing changed) for a negative or too large size.
bool ApplyTileMapSize(int32_t width, int32_t height);
// "Clear TileMap".
void ClearTileMap();
} // namespace Framework
