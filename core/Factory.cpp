#include "core/Factory.h"

namespace Framework
{
GameObjectFactory* gFactory = nullptr;

GameObjectFactory::GameObjectFactory() { gFactory = this; }
GameObjectFactory::~GameObjectFactory()
{
    if (gFactory == this)
        gFactory = nullptr;
}
void GameObjectFactory::Update(float) {}
void GameObjectFactory::DestroyAllObjects() {}
void GameObjectFactory::DestroyAllTiles() {}
void GameObjectFactory::LoadArchetypes() {}
void GameObjectFactory::SaveArchetypes() {}
} // namespace Framework
