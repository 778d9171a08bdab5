// A view onto the world: position and zoom, the matrices every draw uses and
// the culling test. The graphics system owns one without an object (the
// editor camera, zoomed with the wheel and panned with a right-button drag);
// as a component, a Camera becomes the active camera of its level.
#pragma once
#include <cstdint>
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"
#include "core/math/MathTypes.h"

namespace Framework
{
class Camera : public Component
{
public:
    static constexpr int32_t TypeId = ComponentType::Camera;
    // The wheel never zooms out past this: the zoom stays positive, so the
    // view never turns over or divides by zero (the scene shrinks out of sight).
    static constexpr float MinZoom = 0.00001f;

    Camera() = default;
    Camera(const Camera& other) = default;
    // Puts the editor camera back when this one was active.
    ~Camera() override;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    // Outside the editor state: becomes the active camera. In it: set up for editing.
    void Initialize() override;
    void DrawInspector() override;

    void SetOrthographic(float left, float right, float bottom, float top, float nearPlane, float farPlane);
    // view-projection := projection x S(CamSize) x T(-Position).
    void UpdateViewProjection();
    // F3 toggles the editor controls; then the controls, then the matrices.
    void Update(float dt);
    void UpdateEditorControls(float dt);
    // Touching the edge counts as in view.
    bool IsInView(const Vec3& centre, const Vec3& halfSize) const;
    // The editor set-up: a window-sized orthographic volume looking down -z from
    // z 30, clamped to the level's tile grid.
    void SetUpForEditing(float windowWidth, float windowHeight);

    // World size shown at the current zoom.
    float VisibleHalfWidth() const { return mHalfWidth / CamSize.x; }
    float VisibleHalfHeight() const { return mHalfHeight / CamSize.y; }

    uint32_t mMode = 1;               // 1 editor controls on, 2 off
    Mat4 mViewProjection{1.0f};       // given to shaders as "projection"
    Mat4 mView{1.0f};                 // given to shaders as "view"
    Vec3 Position{0.0f, 0.0f, 0.0f};  // world units
    Vec3 mDragStart{0.0f};            // Position when the right-button drag began
    Vec3 CamSize{25.0f, 25.0f, 1.0f}; // zoom: world-to-pixel scale in x and y, z scale
    Vec2 MinClamp{0.0f, 0.0f};        // area the camera script keeps the view in
    Vec2 MaxClamp{0.0f, 0.0f};
    float mHalfWidth = 0.0f; // of the orthographic volume, in pixels
    float mHalfHeight = 0.0f;
    Mat4 mProjection{1.0f};
    Vec3 Up{0.0f, 1.0f, 0.0f};
    Vec3 Target{0.0f, 0.0f, 0.0f};
    float mZoomSpeed = 100.0f; // zoom units per second of wheel
    float Left = 0.0f, Right = 0.0f, Bottom = 0.0f, Top = 0.0f, Near = 0.0f, Far = 0.0f;

private:
    // A camera on an object shows in the editor what it looks at.
    void DrawViewRectangle();
};
} // namespace Framework
