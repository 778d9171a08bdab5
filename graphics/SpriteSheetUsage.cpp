#include "graphics/SpriteSheetUsage.h"
#include <algorithm>
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleComponent.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"

namespace Framework
{
namespace
{
std::string ObjectUser(const Composition* object, const std::string& key, const SpriteSheet* sheet)
{
    if (!object)
        return "";
    if (const Renderer* renderer = object->GetComponent<Renderer>())
        if (renderer->mSpriteSheetKey == key || (sheet && renderer->mSpriteSheet == sheet))
            return "the renderer of " + object->mName;
    if (const ParticleComponent* particles = object->GetComponent<ParticleComponent>())
        if (particles->SpriteName == key || (sheet && particles->mSheet == sheet))
            return "the particles of " + object->mName;
    return "";
}
} // namespace

std::string SpriteSheetUser(const std::string& key)
{
    const SpriteSheet* sheet = GraphicsSystem::GetSpriteSheet(key);
    if (gFactory)
    {
        for (const auto* map : {&gFactory->mObjects, &gFactory->mArchetypes})
            for (const auto& [id, object] : *map)
            {
                const std::string user = ObjectUser(object, key, sheet);
                if (!user.empty())
                    return user;
            }
        for (const auto& [cell, tile] : gFactory->mTiles)
        {
            const std::string user = ObjectUser(tile, key, sheet);
            if (!user.empty())
                return user;
        }
        if (gFactory->mTileGrid.GetTilesetName() == key)
            return "the tile map";
    }
    if (gRenderingManager)
        for (const auto& [name, animation] : gRenderingManager->mAnimations)
            if (animation.mSpriteSheetKey == key)
                return "the animation " + name;
    if (gGraphicsSystem)
    {
        const auto& tileSets = gGraphicsSystem->mTileTextureNames;
        if (gGraphicsSystem->mTilesetName == key || std::find(tileSets.begin(), tileSets.end(), key) != tileSets.end())
            return "the tile set";
    }
    return "";
}
} // namespace Framework
