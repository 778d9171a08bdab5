#include "editor/OurImGui.h"
#include "core/Message.h"

namespace Framework
{
OurImGui* gEditor = nullptr;

OurImGui::OurImGui() { gEditor = this; }
OurImGui::~OurImGui()
{
    if (gEditor == this)
        gEditor = nullptr;
}
void OurImGui::Update(float) {}
void OurImGui::SendMessage(Message* message)
{
    if (message->mMessageId == MessageId::FileDrop)
        mLastDroppedFile = static_cast<FileDropMessage*>(message)->mFilePath;
}
} // namespace Framework
