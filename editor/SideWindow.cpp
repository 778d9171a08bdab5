// Where the side window ("Component Editor", or "TileSet Editor" in its
// place) first opens: at the right edge below the menu bar, clear of the
// object list. ImGui keeps it wherever the user moves it afterwards. Its
// close button hides it until the object list's choice changes.
#include <imgui.h>
#include <cfloat>
#include "editor/EditPanels.h"
#include "editor/OurImGui.h"

namespace Framework
{
void SideWindowFirstPosition(const OurImGui& editor)
{
    // Room for the component editor's usual width; it sizes itself to its
    // content, so its first size is not known here.
    const float roomFromRight = 380.0f, belowMenuBar = 21.0f;
    ImGui::SetNextWindowPos(ImVec2(static_cast<float>(editor.mWidth) - roomFromRight, belowMenuBar),
                            ImGuiCond_FirstUseEver);
}

bool SideWindowShown(OurImGui& editor)
{
    EditPanelsState& state = editor.mPanels;
    if (editor.mSelectedIndex != state.mSideSelectedIndex || editor.mObjectType != state.mSideObjectType)
        editor.mSideWindowOpen = true;
    state.mSideSelectedIndex = editor.mSelectedIndex;
    state.mSideObjectType = editor.mObjectType;
    return editor.mSideWindowOpen;
}

void SideWindowMinimumSize()
{
    const float width = 340.0f; // the title, the close button and room for the fields
    ImGui::SetNextWindowSizeConstraints(ImVec2(width, 0.0f), ImVec2(FLT_MAX, FLT_MAX));
}
} // namespace Framework
