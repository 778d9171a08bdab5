// Makes an object visible: one frame of one sprite sheet, drawn at the object's
// Transform by the rendering manager (mirrored, hidden, faded as set here).
#pragma once
#include <string>
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"

namespace Framework
{
class SpriteSheet;
struct Sprite;
class Transform;

class Renderer : public Component
{
public:
    static constexpr int32_t TypeId = ComponentType::Renderer;

    Renderer() = default;
    Renderer(const Renderer& other) = default;
    Renderer& operator=(const Renderer&) = delete;
    ~Renderer() override;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    // Finds the Transform, joins the render list of the owner's kind, looks the sheet up.
    void Initialize() override;
    void DrawInspector() override;

    // Shows frame 0 of another sheet (scripts swap pictures with this).
    void SetSpriteSheet(const std::string& key);
    // The inspector's sheet pick: only a different key resets the frame.
    void PickSpriteSheet(const std::string& key);
    // Alpha as the inspector stores it: clamped into [0, 1].
    void SetAlpha(float alpha);
    // The frame to draw; null when the sheet is not loaded or Index is outside it.
    const Sprite* CurrentFrame() const;
    // Queues the frame at the Transform; false (nothing queued) when hidden or
    // when the sheet, the frame or the Transform is missing.
    bool QueueSprite() const;

    SpriteSheet* mSpriteSheet = nullptr; // not owned; null when no sheet has SpriteSheetKey
    Transform* mTransform = nullptr;     // not owned; the owner's, null when it has none
    bool mInvertX = false;
    bool mInvertY = false;
    bool mInvisible = false;
    int32_t mIndex = 0; // frame in the sheet, row-major
    std::string mSpriteSheetKey = "PlaceHolder1";
    float mAlpha = 1.0f;
};

// Registers the creators "Renderer", "Animator" and "TextRenderer" with the factory.
void RegisterRenderComponentCreators();
} // namespace Framework
