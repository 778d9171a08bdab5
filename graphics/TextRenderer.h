// Shows a string in the game font at its object's position; the graphics
// system draws every registered one each frame.
#pragma once
#include <string>
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"
#include "core/math/MathTypes.h"

namespace Framework
{
class Transform;

class TextRenderer : public Component
{
public:
    static constexpr int32_t TypeId = ComponentType::TextRenderer;
    static constexpr size_t InspectorBufferSize = 1024; // bytes, the terminator included

    TextRenderer() = default;
    TextRenderer(const TextRenderer& other) = default;
    TextRenderer& operator=(const TextRenderer&) = delete;
    ~TextRenderer() override;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    // Finds the Transform and joins the text list.
    void Initialize() override;
    void DrawInspector() override;

    const std::string& GetText() const { return TextString; }
    // The inspector's edit buffer filled from TextString: cut to fit 1023 bytes.
    static void FillInspectorBuffer(const std::string& text, char (&buffer)[InspectorBufferSize]);

    std::string TextString = "Hello world";
    Transform* mTransform = nullptr;      // not owned; null when the owner has none (then not drawn)
    Color mColor{1.0f, 1.0f, 1.0f, 1.0f}; // drawing uses r, g, b
    int32_t FontSize = 12;                // 500 on a Transform of scale x 1 draws one pixel per world unit
    // Not stored: set while a screen drawn over the level would show this text
    // through it (text is drawn after every sprite).
    bool mHidden = false;
};
} // namespace Framework
