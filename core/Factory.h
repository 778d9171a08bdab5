// Makes, finds, clones and destroys game objects, archetypes and tiles.
#pragma once
#include "core/System.h"

namespace Framework
{
class GameObjectFactory : public System
{
public:
    GameObjectFactory();
    ~GameObjectFactory() override;
    void Update(float dt) override;
    std::string GetName() override { return "GameObject Factory"; }
    void SendMessage(Message*) override {}

    void DestroyAllObjects();
    void DestroyAllTiles();
    void LoadArchetypes();
    void SaveArchetypes();
};

extern GameObjectFactory* gFactory;
} // namespace Framework
