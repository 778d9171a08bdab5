// Owns the GL context of the window and draws everything but the editor panels.
#pragma once
#include <atomic>
#include <string>
#include "core/System.h"
#include "graphics/Camera.h"

namespace Framework
{
class GraphicsSystem : public System
{
public:
    GraphicsSystem();
    ~GraphicsSystem() override;
    void Update(float dt) override;
    void Init() override;
    std::string GetName() override { return "GraphicsSystem"; }
    void SendMessage(Message*) override {}

    void SwapBuffers();
    void DrawLoadingFrame();

    // The camera every draw uses; the level loader thread may replace it.
    Camera* GetActiveCamera() const { return mActiveCamera.load(); }
    void SetActiveCamera(Camera* camera) { mActiveCamera.store(camera); }

    std::string mTilesetName = "TilePlatform"; // sprite-sheet key the tile map is drawn with
    Camera mEditorCamera;
    std::atomic<Camera*> mActiveCamera{&mEditorCamera};
};

extern GraphicsSystem* gGraphicsSystem;
} // namespace Framework
