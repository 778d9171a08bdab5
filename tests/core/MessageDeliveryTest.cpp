// Composition::DeliverMessage hands messages only to the components that handle
// them, in component order, whatever was added or removed since the object was
// made; and every component's copy of the object's tag follows the tag.
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <vector>
#include "core/Composition.h"
#include "core/Message.h"

using namespace Framework;

namespace
{
// Logs its name on each message; says whether it handles messages.
class Listener : public Component
{
public:
    Listener(std::vector<std::string>* log, std::string name, bool handles)
        : mLog(log), mName(std::move(name)), mHandles(handles)
    {
    }
    void SerializeXml(XmlSerializer&) override {}
    void SerializeText(TextSerializer&) override {}
    void UnserializeXml(XmlSerializer&) override {}
    void UnserializeText(TextSerializer&) override {}
    void Initialize() override {}
    void SendMessage(Message*) override
    {
        mLog->push_back(mName);
        if (mOnMessage)
        {
            auto action = mOnMessage;
            mOnMessage = nullptr;
            action();
        }
    }
    bool HandlesMessages() const override { return mHandles; }

    std::vector<std::string>* mLog;
    std::string mName;
    bool mHandles;
    std::function<void()> mOnMessage;
};

struct Delivery : ::testing::Test
{
    Listener* Add(Composition& object, int32_t typeId, const std::string& name, bool handles)
    {
        auto* listener = new Listener(&mLog, name, handles);
        object.AddComponent(typeId, listener);
        return listener;
    }
    std::vector<std::string> Deliver(Composition& object)
    {
        mLog.clear();
        CollisionMessage message(nullptr);
        object.DeliverMessage(&message);
        return mLog;
    }
    std::vector<std::string> mLog;
};
} // namespace

TEST_F(Delivery, OnlyHandlersHearAndInComponentOrder)
{
    Composition object("Thing");
    Add(object, 10, "script", true);
    Add(object, 2, "body", false);
    Add(object, 12, "button", true);
    Add(object, 1, "transform", false);
    Add(object, 4, "recorder", true);
    EXPECT_EQ(Deliver(object), (std::vector<std::string>{"recorder", "script", "button"}));

    Composition silent("Crate");
    Add(silent, 1, "transform", false);
    Add(silent, 2, "body", false);
    EXPECT_TRUE(Deliver(silent).empty());
}

TEST_F(Delivery, FollowsComponentsAddedAndRemovedAfterLoad)
{
    Composition object("Thing");
    Add(object, 1, "transform", false);
    Listener* body = Add(object, 2, "body", false);
    object.Initialize();
    EXPECT_TRUE(Deliver(object).empty());

    // The editor adds a script, then a handler in front of it shifts every index.
    Listener* script = Add(object, 10, "script", true);
    EXPECT_EQ(Deliver(object), std::vector<std::string>{"script"});
    Add(object, 0, "first", true);
    EXPECT_EQ(Deliver(object), (std::vector<std::string>{"first", "script"}));

    // Removing a silent component in front moves the script down a place.
    object.mPendingRemoval.insert(body);
    object.RemovePendingComponents();
    EXPECT_EQ(Deliver(object), (std::vector<std::string>{"first", "script"}));
    object.mPendingRemoval.insert(script);
    object.RemovePendingComponents();
    EXPECT_EQ(Deliver(object), std::vector<std::string>{"first"});
}

TEST_F(Delivery, AHandlerAddedDuringDeliveryBehindTheSenderHearsIt)
{
    // As a loop over every component would: the vector is re-read after each one.
    Composition object("Thing");
    Listener* first = Add(object, 4, "first", true);
    Add(object, 6, "silent", false);
    first->mOnMessage = [&] { Add(object, 10, "late", true); };
    EXPECT_EQ(Deliver(object), (std::vector<std::string>{"first", "late"}));
}

TEST_F(Delivery, ComponentsPastTheMaskAreStillHandedMessages)
{
    Composition object("Crowd");
    for (int i = 0; i < 70; ++i)
        Add(object, i, "c" + std::to_string(i), i == 3 || i >= 64);
    std::vector<std::string> expected{"c3"};
    for (int i = 64; i < 70; ++i)
        expected.push_back("c" + std::to_string(i));
    EXPECT_EQ(Deliver(object), expected);
}

TEST(OwnerTagCopy, FollowsEveryWriteOfTheTag)
{
    std::vector<std::string> log;
    Composition object("Thing");
    auto* early = new Listener(&log, "early", false);
    object.AddComponent(2, early);
    EXPECT_EQ(early->GetOwnerTag(), ObjectTag::None);

    object.mTag = ObjectTag::Switch; // as the editor's tag box and the file readers write it
    EXPECT_EQ(early->GetOwnerTag(), ObjectTag::Switch);

    auto* late = new Listener(&log, "late", false);
    object.AddComponent(4, late);
    EXPECT_EQ(late->GetOwnerTag(), ObjectTag::Switch);

    Composition other("Other");
    other.mTag = ObjectTag::Rat;
    object.mTag = other.mTag; // copied from another object: the value, not the object
    EXPECT_EQ(early->GetOwnerTag(), ObjectTag::Rat);
    other.mTag = ObjectTag::Wall;
    EXPECT_EQ(early->GetOwnerTag(), ObjectTag::Rat);
    EXPECT_EQ(object.mTag, ObjectTag::Rat);

    early->mOwner = nullptr; // a component without an owner has no tag
    EXPECT_EQ(early->GetOwnerTag(), ObjectTag::None);
    object.Initialize();
    EXPECT_EQ(early->GetOwnerTag(), ObjectTag::Rat);
}
