#include "graphics/TextRenderer.h"
#include <algorithm>
#include <cstring>
#include <imgui.h>
#include "core/objects/Composition.h"
#include "core/serializers/TextSerializer.h"
#include "core/objects/Transform.h"
#include "core/serializers/XmlSerializer.h"
#include "graphics/RenderingManager.h"

namespace Framework
{
namespace
{
// One buffer serves every TextRenderer inspector: it is refilled at each call.
char gInspectorBuffer[TextRenderer::InspectorBufferSize];
} // namespace

TextRenderer::~TextRenderer()
{
    if (gRenderingManager && mOwner)
        gRenderingManager->RemoveTextRenderer(this, mOwner->mId);
}

void TextRenderer::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("TextRenderer");
    serializer.WriteString("TextString", TextString);
    serializer.WriteColour("Color", mColor);
    serializer.WriteInt("FontSize", FontSize);
    serializer.PopElement();
}

void TextRenderer::UnserializeXml(XmlSerializer& serializer)
{
    serializer.ReadString(TextString);
    serializer.NextElement();
    serializer.ReadColour(mColor);
    serializer.NextElement();
    serializer.ReadInt(FontSize);
}

void TextRenderer::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("TextRenderer");
    serializer.WriteString(TextString);
    serializer.WriteInt(FontSize);
    serializer.WriteFloat(mColor.r);
    serializer.WriteFloat(mColor.g);
    serializer.WriteFloat(mColor.b);
}

void TextRenderer::UnserializeText(TextSerializer& serializer)
{
    // The type-name word was read; the rest of its line goes first, then the text line whole.
    std::string rest;
    serializer.ReadLine(rest);
    serializer.ReadLine(TextString);
    // A file saved with Windows line ends keeps its "\r" otherwise.
    if (!TextString.empty() && TextString.back() == '\r')
        TextString.pop_back();
    serializer.ReadInt(FontSize);
    serializer.ReadFloat(mColor.r);
    serializer.ReadFloat(mColor.g);
    serializer.ReadFloat(mColor.b);
}

void TextRenderer::Initialize()
{
    mTransform = mOwner ? mOwner->GetComponent<Transform>() : nullptr;
    if (gRenderingManager && mOwner)
        gRenderingManager->AddTextRenderer(mOwner->mId, this);
}

void TextRenderer::FillInspectorBuffer(const std::string& text, char (&buffer)[InspectorBufferSize])
{
    const size_t length = std::min(text.size(), InspectorBufferSize - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

void TextRenderer::DrawInspector()
{
    const float column = 100.0f;
    FillInspectorBuffer(TextString, gInspectorBuffer);
    // Compared with what was shown, so a text cut to fit changes only when edited.
    const std::string shown(gInspectorBuffer);
    ImGui::Text("Text: ");
    ImGui::SameLine(column);
    ImGui::InputText("##Text", gInspectorBuffer, InspectorBufferSize);
    if (shown != gInspectorBuffer)
        TextString = gInspectorBuffer;

    ImGui::Text("Font Size: ");
    ImGui::SameLine(column);
    ImGui::InputInt("##Font Size", &FontSize, 1, 100);

    ImGui::Text("Color: ");
    ImGui::SameLine(column);
    ImGui::ColorPicker4("##picker", &mColor.r,
                        ImGuiColorEditFlags_NoSmallPreview | ImGuiColorEditFlags_NoSidePreview |
                            ImGuiColorEditFlags_DisplayRGB | ImGuiColorEditFlags_PickerHueWheel);
}
} // namespace Framework
