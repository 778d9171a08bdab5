// Where ImGui put each widget in the last frame, found by the label the code
// gave it, so a test can point the mouse at a button, a menu item or a field
// and click it like a user.
//
// How: the test programs are linked with ld's --wrap on two ImGui internals
// (tests/CMakeLists.txt): ImGuiWindow::GetID(const char*), which every widget
// calls with its label; ImGui::PushID(const char*) and PushID(int), which
// composite widgets (menus, menu items, DragFloat2) call with their label and
// part index before drawing parts labelled ""; and ImGui::ItemAdd, which every
// widget calls with its rectangle. The wrappers record them and pass each call
// on unchanged. A part goes by its composite's label: FindItem("Offset")
// finds the x field of DragFloat2("Offset").
// Only widgets of ImGui's widget and table code are seen (every button,
// selectable, menu, field, slider, drag, combo, header, list box, image button);
// window title bars are not.
//
// The records are emptied when a frame begins, so between frames they describe
// the frame just drawn (and nothing after a frame that drew no widget). They
// belong to one context: the current one's frame, or nothing.
#pragma once
#include <imgui.h>
#include <initializer_list>
#include <string>
#include <vector>

namespace TestSupport
{
struct RecordedItem
{
    unsigned int mId = 0;
    std::string mLabel;      // as given to the widget, "##" part and all
    std::string mWindow;     // name of the ImGui window it is in ("##Menu_00" for a menu's items)
    ImVec2 mMin{0.0f, 0.0f}; // screen rectangle, ImGui pixels
    ImVec2 mMax{0.0f, 0.0f};

    ImVec2 Centre() const { return ImVec2((mMin.x + mMax.x) * 0.5f, (mMin.y + mMax.y) * 0.5f); }
};

// Starts recording a context's frames now (otherwise from its first widget).
// The harnesses call it for their contexts.
void RecordItemsOf(ImGuiContext* context);

// The first widget of the last frame with exactly this label (and, when window
// is not empty, in the window of that name). Null when there is none.
const RecordedItem* FindItem(const std::string& label, const std::string& window = "");
const RecordedItem* FindItemById(unsigned int id);
// Every widget of the last frame, in drawing order (for a failing test's message).
const std::vector<RecordedItem>& RecordedItems();
std::string DescribeRecordedItems();

// One step of an ID path: a label (PushID("x"), a widget "x") or a number (PushID(i)).
struct IdPart
{
    IdPart(const char* text) : mText(text) {}
    IdPart(const std::string& text) : mText(text) {}
    IdPart(int number) : mNumber(number), mIsNumber(true) {}
    std::string mText;
    int mNumber = 0;
    bool mIsNumber = false;
};

// The ID ImGui gives a widget reached through these steps from a top-level
// window: IdPath("Level Serializables", {"##min", 0, ""}) is the x field of
// DragFloat2("##min") (composite widgets push their label, then the part's
// index, and label each part ""). Find it with FindItemById.
unsigned int IdPath(const std::string& window, std::initializer_list<IdPart> parts);
} // namespace TestSupport
