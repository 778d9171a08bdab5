// Where the side window ("Component Editor", or "TileSet Editor" in its
// place) first opens: at the right edge below the menu bar, clear of the
// object list. ImGui keeps it wherever the user moves it afterwards.
#include <imgui.h>
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
} // namespace Framework
