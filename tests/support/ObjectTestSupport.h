// Fixtures for the object model tests: a factory with the Transform creator and
// simple components of chosen type ids.
#pragma once
#include <memory>
#include <string>
#include <thread>
#include "core/objects/ComponentCreator.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/serializers/TextSerializer.h"
#include "core/objects/Transform.h"
#include "core/serializers/XmlSerializer.h"
#include "platform/Platform.h"
#include "support/TestSupport.h"

namespace TestSupport
{
// A component that records its lifecycle; one int field in both formats.
class ProbeComponent : public Framework::Component
{
public:
    void SerializeXml(Framework::XmlSerializer& s) override
    {
        s.PushElement("Probe");
        s.WriteInt("Value", mValue);
        s.PopElement();
    }
    void SerializeText(Framework::TextSerializer& s) override
    {
        s.WriteString("Probe");
        s.WriteInt(mValue);
    }
    void UnserializeXml(Framework::XmlSerializer& s) override { s.ReadInt(mValue); }
    void UnserializeText(Framework::TextSerializer& s) override { s.ReadInt(mValue); }
    void SendMessage(Framework::Message*) override {}
    void Initialize() override
    {
        ++mInitializeCount;
        mInitThread = std::this_thread::get_id();
    }
    ~ProbeComponent() override
    {
        if (mDeleted)
            ++*mDeleted;
    }

    int mValue = 0;
    int mInitializeCount = 0;
    std::thread::id mInitThread;
    int* mDeleted = nullptr; // counts deletions when set
};

// A live factory (gFactory) with "Transform" registered, and "Probe" under id 12.
struct FactoryScope
{
    FactoryScope()
    {
        mFactory = std::make_unique<Framework::GameObjectFactory>();
        mFactory->AddComponentCreator("Transform", new Framework::ComponentCreatorType<Framework::Transform>(
                                                       Framework::ComponentType::Transform));
        mFactory->AddComponentCreator("Probe", new Framework::ComponentCreatorType<ProbeComponent>(12));
    }
    Framework::GameObjectFactory& operator*() { return *mFactory; }
    Framework::GameObjectFactory* operator->() { return mFactory.get(); }
    std::unique_ptr<Framework::GameObjectFactory> mFactory;
};
// An open log in a scratch folder; Text() is what was logged so far.
struct LogCapture
{
    LogCapture() : mDebug(mFolder.Path())
    {
        Framework::Platform::CreateFolder(mFolder.File("Kestrome"));
        mDebug.OpenLog();
    }
    std::string Text() { return ReadFile(mDebug.mPath); }
    TempFolder mFolder;
    Framework::DebugSystem mDebug;
};
} // namespace TestSupport
