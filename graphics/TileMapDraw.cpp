// Queues the visible tiles of the level's tile grid as sprites of the tileset sheet.
#include "graphics/GraphicsSystem.h"

namespace Framework
{
void GraphicsSystem::DrawTileMap() {}
} // namespace Framework
