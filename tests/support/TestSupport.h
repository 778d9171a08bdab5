// Helpers shared by every test suite: temporary folders, file reading, a
// recording system, and an engine scope that clears the global pointers.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "core/engine/Message.h"
#include "core/engine/System.h"

namespace TestSupport
{
// A fresh folder under the system's temporary directory, removed with the object.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    const std::string& Path() const { return mPath; }
    std::string File(const std::string& name) const { return mPath + "/" + name; }

private:
    std::string mPath;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
std::vector<std::string> ReadLines(const std::string& path);
// A log line without its "[hh:mm:ssAM] : " stamp.
std::string StripStamp(const std::string& line);
// How often what stands in text, the occurrences not overlapping.
size_t CountOf(const std::string& text, const std::string& what);

// Copies the repository's Resources/ into folder (tests never write into the repository).
void CopyResources(const std::string& folder);
// Runs the test body with the working directory set to folder.
class WorkingDirectory
{
public:
    explicit WorkingDirectory(const std::string& folder);
    ~WorkingDirectory();

private:
    std::string mPrevious;
};

// A system that records the messages and updates it sees into a shared journal.
class RecordingSystem : public Framework::System
{
public:
    RecordingSystem(std::string name, std::vector<std::string>* journal) : mName(std::move(name)), mJournal(journal) {}
    void Update(float) override
    {
        if (mJournal)
            mJournal->push_back(mName + ":update");
        if (mOnUpdate)
            mOnUpdate();
    }
    std::string GetName() override { return mName; }
    void SendMessage(Framework::Message* message) override
    {
        if (mJournal)
            mJournal->push_back(mName + ":message" + std::to_string(message->mMessageId));
        if (message->mMessageId == Framework::MessageId::Window)
            mWindowMessages.push_back(static_cast<Framework::WindowMessage*>(message)->mMessage);
    }

    std::string mName;
    std::vector<std::string>* mJournal;
    std::function<void()> mOnUpdate;
    std::vector<uint32_t> mWindowMessages;
};
} // namespace TestSupport
