#include "editor/EditorStyle.h"
#include <imgui.h>

namespace Framework
{
void ApplyEditorStyle(ImGuiStyle& style)
{
    style.WindowRounding = 5.3f;
    style.ChildRounding = 5.0f;
    style.FrameRounding = 5.0f;
    style.ScrollbarRounding = 2.3f;
    style.GrabRounding = 5.0f;
    // The editor's windows have no outline of their own: the border colour
    // shows only where a widget asks for it.
    style.WindowBorderSize = 0.0f;

    // By name, never by index: slots were renamed, merged and reordered over
    // ImGui's versions. Combo lists now share the popup background, and the
    // close buttons take the button colours.
    ImVec4* c = style.Colors;
    c[ImGuiCol_Text] = ImVec4(1.00f, 1.00f, 1.00f, 1.00f);
    c[ImGuiCol_TextDisabled] = ImVec4(0.60f, 0.60f, 0.60f, 1.00f);
    c[ImGuiCol_WindowBg] = ImVec4(0.00f, 0.00f, 0.00f, 0.70f);
    c[ImGuiCol_ChildBg] = ImVec4(0.00f, 0.00f, 0.00f, 0.00f);
    c[ImGuiCol_PopupBg] = ImVec4(0.05f, 0.05f, 0.10f, 0.90f);
    c[ImGuiCol_Border] = ImVec4(0.00f, 0.58f, 1.00f, 1.00f);
    c[ImGuiCol_BorderShadow] = ImVec4(0.00f, 0.00f, 0.00f, 0.00f);
    c[ImGuiCol_FrameBg] = ImVec4(0.00f, 0.00f, 0.00f, 0.30f);
    c[ImGuiCol_FrameBgHovered] = ImVec4(1.00f, 1.00f, 1.00f, 0.20f);
    c[ImGuiCol_FrameBgActive] = ImVec4(1.00f, 1.00f, 1.00f, 0.39f);
    c[ImGuiCol_TitleBg] = ImVec4(0.00f, 0.00f, 0.00f, 1.00f);
    c[ImGuiCol_TitleBgCollapsed] = ImVec4(0.26f, 0.49f, 0.95f, 1.00f);
    c[ImGuiCol_TitleBgActive] = ImVec4(0.00f, 0.00f, 0.00f, 1.00f);
    c[ImGuiCol_MenuBarBg] = ImVec4(0.00f, 0.00f, 0.00f, 0.00f);
    c[ImGuiCol_ScrollbarBg] = ImVec4(1.00f, 1.00f, 1.00f, 0.08f);
    c[ImGuiCol_ScrollbarGrab] = ImVec4(1.00f, 1.00f, 1.00f, 0.16f);
    c[ImGuiCol_ScrollbarGrabHovered] = ImVec4(1.00f, 1.00f, 1.00f, 0.31f);
    c[ImGuiCol_ScrollbarGrabActive] = ImVec4(1.00f, 1.00f, 1.00f, 0.47f);
    c[ImGuiCol_CheckMark] = ImVec4(0.90f, 0.90f, 0.90f, 0.50f);
    c[ImGuiCol_SliderGrab] = ImVec4(1.00f, 1.00f, 1.00f, 0.16f);
    c[ImGuiCol_SliderGrabActive] = ImVec4(1.00f, 1.00f, 1.00f, 0.47f);
    c[ImGuiCol_Button] = ImVec4(0.26f, 0.49f, 0.95f, 0.71f);
    c[ImGuiCol_ButtonHovered] = ImVec4(0.26f, 0.49f, 0.95f, 1.00f);
    c[ImGuiCol_ButtonActive] = ImVec4(0.05f, 0.36f, 1.00f, 0.78f);
    c[ImGuiCol_Header] = ImVec4(0.26f, 0.49f, 0.95f, 1.00f);
    c[ImGuiCol_HeaderHovered] = ImVec4(0.26f, 0.49f, 0.95f, 0.71f);
    c[ImGuiCol_HeaderActive] = ImVec4(0.05f, 0.36f, 1.00f, 0.78f);
    c[ImGuiCol_Separator] = ImVec4(0.50f, 0.50f, 0.50f, 1.00f);
    c[ImGuiCol_SeparatorHovered] = ImVec4(0.60f, 0.60f, 0.70f, 1.00f);
    c[ImGuiCol_SeparatorActive] = ImVec4(0.70f, 0.70f, 0.90f, 1.00f);
    c[ImGuiCol_ResizeGrip] = ImVec4(0.26f, 0.49f, 0.95f, 0.71f);
    c[ImGuiCol_ResizeGripHovered] = ImVec4(0.26f, 0.49f, 0.95f, 1.00f);
    c[ImGuiCol_ResizeGripActive] = ImVec4(0.05f, 0.36f, 1.00f, 0.78f);
    c[ImGuiCol_PlotLines] = ImVec4(1.00f, 1.00f, 1.00f, 1.00f);
    c[ImGuiCol_PlotLinesHovered] = ImVec4(0.90f, 0.70f, 0.00f, 1.00f);
    c[ImGuiCol_PlotHistogram] = ImVec4(0.90f, 0.70f, 0.00f, 1.00f);
    c[ImGuiCol_PlotHistogramHovered] = ImVec4(1.00f, 0.60f, 0.00f, 1.00f);
    c[ImGuiCol_TextSelectedBg] = ImVec4(0.00f, 0.00f, 1.00f, 0.35f);
    c[ImGuiCol_ModalWindowDimBg] = ImVec4(0.20f, 0.20f, 0.20f, 0.35f);
}
} // namespace Framework
