// The dialogs of a file dropped on the window (mFileDropped, mLastDroppedFile):
// importing a sprite sheet or a sound into the resource folders. Drawn first
// each editor frame; nothing is shown until it is built.
#include "editor/OurImGui.h"

namespace Framework
{
void OurImGui::FileDropDialogs() {}
} // namespace Framework
