// The built-in level editor, drawn with Dear ImGui over the scene.
#pragma once
#include <string>
#include "core/System.h"

namespace Framework
{
class OurImGui : public System
{
public:
    OurImGui();
    ~OurImGui() override;
    void Update(float dt) override;
    std::string GetName() override { return "OurImGui"; }
    void SendMessage(Message* message) override;

    std::string mLastDroppedFile; // the last file dropped on the window
};

extern OurImGui* gEditor;
} // namespace Framework
