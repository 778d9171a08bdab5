#include "gameplay/ResourceManager.h"

namespace Framework
{
ResourceManager* gResourceManager = nullptr;

ResourceManager::ResourceManager() { gResourceManager = this; }
ResourceManager::~ResourceManager()
{
    if (gResourceManager == this)
        gResourceManager = nullptr;
}
void ResourceManager::Update(float) {}
} // namespace Framework
