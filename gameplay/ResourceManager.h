// The script registry and the button list; runs the scripts every frame.
#pragma once
#include "core/System.h"

namespace Framework
{
class ResourceManager : public System
{
public:
    ResourceManager();
    ~ResourceManager() override;
    void Update(float dt) override;
    std::string GetName() override { return "Resource Manager"; }
    void SendMessage(Message*) override {}

    // Frees the scripts of the flushed level.
    void ResetScripts() {}
};

extern ResourceManager* gResourceManager;
} // namespace Framework
