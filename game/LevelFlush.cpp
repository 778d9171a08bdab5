// Emptying the running level: what the game loop does between two states and
// the editor before it loads a level.
#include "game/GameFrame.h"
#include "core/objects/Factory.h"
#include "gameplay/ResourceManager.h"
#include "graphics/RenderingManager.h"
#include "physics/Physics.h"

namespace Framework
{
void GameFrame::EmptyLevel()
{
    // The physics system holds on to the hovered object and the player's body.
    if (gPhysics)
    {
        gPhysics->SetHoverObject(nullptr);
        gPhysics->mPlayerBody = nullptr;
    }
    // The render lists are emptied first, so each renderer's destructor finds
    // nothing to search: taken out one by one they cost objects x renderers.
    if (gRenderingManager)
        gRenderingManager->Clear();
    if (gFactory)
        gFactory->DestroyAllObjects();
    if (gRenderingManager)
        gRenderingManager->Clear();
    // The tiles' bodies leave the spatial grid with them.
    if (gFactory)
        gFactory->DestroyAllTiles();
    // No Behaviour is left to hold a script.
    if (gResourceManager)
        gResourceManager->ClearScripts();
}
} // namespace Framework
