// Removing a sprite sheet while components still show it: the sheet table is
// a map of values, so a removed sheet's address must leave every Renderer.
#include <GL/glew.h>
#include "core/objects/Composition.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/PendingTextures.h"
#include "graphics/Renderer.h"
#include "platform/Platform.h"

namespace Framework
{
namespace
{
void ForgetSheet(Composition* object, const SpriteSheet* sheet)
{
    if (!object)
        return;
    if (Renderer* renderer = object->GetComponent<Renderer>(); renderer && renderer->mSpriteSheet == sheet)
        renderer->mSpriteSheet = nullptr;
}
} // namespace

bool GraphicsSystem::RemoveSpriteSheet(const std::string& key)
{
    auto found = mSpriteSheets.find(key);
    if (found == mSpriteSheets.end())
        return false;
    const SpriteSheet* sheet = &found->second;
    // Every object kind: archetypes and tiles hold Renderers too.
    if (gFactory)
    {
        for (const auto& [id, object] : gFactory->mObjects)
            ForgetSheet(object, sheet);
        for (const auto& [id, archetype] : gFactory->mArchetypes)
            ForgetSheet(archetype, sheet);
        for (const auto& [cell, tile] : gFactory->mTiles)
            ForgetSheet(tile, sheet);
    }
    if (found->second.mId != 0 && mContextReady && Platform::HasGLContext())
    {
        GLuint id = found->second.mId;
        PendingTextures::Forget(id);
        glDeleteTextures(1, &id);
    }
    // key may be the table's own key: keep a copy past the erase.
    const std::string removed = key;
    mSpriteSheets.erase(found);
    Log("Sprite sheet \"" + removed + "\" removed");
    return true;
}
} // namespace Framework
