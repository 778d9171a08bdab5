// The script host: script numbers, the registry's ownership rules, the
// per-frame run, messages and the Behaviour's file records.
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <memory>
#include <strings.h>
#include <typeinfo>
#include <gtest/gtest.h>
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/engine/Message.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "gameplay/Behaviour.h"
#include "gameplay/Button.h"
#include "gameplay/ResourceManager.h"
#include "gameplay/ScriptId.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/ScriptTable.h"
#include "support/GameplayFixtures.h"
#include "ScriptTestSupport.h"

using namespace Framework;
using TestSupport::GameplayWorld;
using TestSupport::ScriptJournal;

namespace
{
// A live object (or archetype) named name with a Behaviour of script id, initialised.
Behaviour* MakeScripted(const std::string& name, int32_t id, ObjectKind kind = ObjectKind::GameObject)
{
    Composition* object = gFactory->CreateObject(name, kind);
    auto* behaviour = static_cast<Behaviour*>(gFactory->AddComponent(object, "Behaviour"));
    behaviour->ScriptID = id;
    behaviour->Initialize();
    return behaviour;
}

// The unqualified name of a script's class.
std::string ClassNameOf(const ScriptBase& script)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(script).name(), nullptr, nullptr, &status),
                                                std::free);
    std::string text = status == 0 && name ? name.get() : typeid(script).name();
    const size_t colons = text.rfind("::");
    return colons == std::string::npos ? text : text.substr(colons + 2);
}

bool SameName(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && strncasecmp(a.c_str(), b.c_str(), a.size()) == 0;
}

class ScriptHost : public ::testing::Test
{
protected:
    ScriptHost()
    {
        mWorld.Init();
        mWorld.SetState(GameState::LEVEL);
    }
    GameplayWorld mWorld;
    TestSupport::RecordingScriptTable mTable;
};
} // namespace

// The inspector offers a script by its combo name and stores its number; the
// number must then make the class of that name, for every number.
TEST(ScriptIds, EveryNumberMakesTheScriptItsComboNameOffers)
{
    for (int32_t id = 0; id < ScriptId::Count; ++id)
    {
        const std::string comboName = gScriptNames[id];
        std::unique_ptr<ScriptBase> script(MakeScript(id));
        if (id == ScriptId::None || id == ScriptId::EditorCameraScript)
        {
            EXPECT_EQ(script, nullptr) << comboName;
            continue;
        }
        ASSERT_NE(script, nullptr) << comboName;
        // Class names drop the "Script" some combo names end in (RoachScript
        // makes a Roach); the case of a letter may differ (UIScript, UIscript).
        const std::string className = ClassNameOf(*script);
        EXPECT_TRUE(SameName(comboName, className) || SameName(comboName, className + "Script"))
            << id << ": " << comboName << " makes " << className;
    }
    EXPECT_EQ(MakeScript(ScriptId::Count), nullptr);
}

TEST(ScriptIds, ScriptsAreNamedByARunWideCounterUnlessNamed)
{
    ScriptBase first;
    ScriptBase second;
    EXPECT_EQ(first.mName, "Script " + std::to_string(gScriptCount - 1));
    EXPECT_EQ(second.mName, "Script " + std::to_string(gScriptCount));
    const uint32_t before = gScriptCount;
    ScriptBase named("Player");
    EXPECT_EQ(named.mName, "Player");
    EXPECT_EQ(gScriptCount, before + 1); // a named script still counts
}

TEST_F(ScriptHost, NumbersWithoutAScriptKeepTheSharedDefault)
{
    ResourceManager& registry = *gResourceManager;
    ScriptBase* standard = registry.GetDefaultScript();
    ASSERT_NE(standard, nullptr);
    for (int32_t id : {0, 7, 32, -1, 1000})
        EXPECT_EQ(registry.CreateScript(id, ScriptKey{1, 5}), standard) << id;
    EXPECT_EQ(registry.FindScript(ScriptKey{1, 5}), nullptr);

    Behaviour* a = MakeScripted("A", 0);
    Behaviour* b = MakeScripted("B", 7);
    EXPECT_EQ(a->GetScript(), standard);
    EXPECT_EQ(b->GetScript(), standard);
}

TEST_F(ScriptHost, ANumberMakesItsScriptOwnedUnderTheObject)
{
    Behaviour* behaviour = MakeScripted("Hero", ScriptId::Player);
    const ScriptKey key = ResourceManager::KeyOf(behaviour->GetOwner());
    auto* script = dynamic_cast<TestSupport::RecordingScript*>(gResourceManager->FindScript(key));
    ASSERT_NE(script, nullptr);
    EXPECT_EQ(script->mId, ScriptId::Player);
    EXPECT_EQ(behaviour->GetScript(), script);
    EXPECT_EQ(ScriptJournal(), std::vector<std::string>{"Hero:init"});
}

TEST_F(ScriptHost, ScriptsUpdateOnceAFrameInObjectIdOrder)
{
    MakeScripted("First", 3);
    MakeScripted("Second", 4);
    MakeScripted("Third", 0); // the default script runs too, silently
    ScriptJournal().clear();
    mWorld.Step(2);
    EXPECT_EQ(ScriptJournal(),
              (std::vector<std::string>{"First:update", "Second:update", "First:update", "Second:update"}));
}

TEST_F(ScriptHost, NothingUpdatesInTheEditor)
{
    MakeScripted("Thing", 3);
    ScriptJournal().clear();
    mWorld.SetState(GameState::EDITOR);
    mWorld.Step(3);
    EXPECT_TRUE(ScriptJournal().empty());
}

TEST_F(ScriptHost, ArchetypeScriptsExistButNeverUpdate)
{
    Behaviour* archetype = MakeScripted("Template", 3, ObjectKind::Archetype);
    EXPECT_NE(gResourceManager->FindScript(ResourceManager::KeyOf(archetype->GetOwner())), nullptr);
    EXPECT_EQ(gResourceManager->mBehaviours.size(), 0u);
    ScriptJournal().clear();
    mWorld.Step();
    EXPECT_TRUE(ScriptJournal().empty());
}

TEST_F(ScriptHost, CollisionAndWinMessagesReachTheScript)
{
    Behaviour* behaviour = MakeScripted("Target", 3);
    ScriptJournal().clear();
    CollisionMessage collision(nullptr);
    WinMessage win;
    Message other(MessageId::FileDrop);
    behaviour->SendMessage(&collision);
    behaviour->SendMessage(&win);
    behaviour->SendMessage(&other);
    EXPECT_EQ(ScriptJournal(), (std::vector<std::string>{"Target:collision", "Target:win"}));
}

TEST_F(ScriptHost, ArchetypeAndLiveObjectWithTheSameIdOwnSeparateScripts)
{
    // Run the live counter up to the first archetype id.
    gFactory->mNextObjectId = GameObjectFactory::FirstArchetypeId;
    Behaviour* archetype = MakeScripted("Template", 3, ObjectKind::Archetype);
    Behaviour* live = MakeScripted("Live", 4);
    ASSERT_EQ(archetype->GetOwner()->mId, live->GetOwner()->mId);
    ScriptBase* liveScript = live->GetScript();
    ASSERT_NE(liveScript, archetype->GetScript());

    // Changing the archetype's script in the inspector frees only its own.
    archetype->ChangeScript(5);
    EXPECT_EQ(live->GetScript(), liveScript);
    ScriptJournal().clear();
    mWorld.Step();
    EXPECT_EQ(ScriptJournal(), std::vector<std::string>{"Live:update"});
}

TEST_F(ScriptHost, AScriptMadeAgainForTheSameObjectReplacesTheOldOne)
{
    Behaviour* behaviour = MakeScripted("Twice", 3);
    ScriptBase* first = behaviour->GetScript();
    behaviour->Initialize();
    EXPECT_NE(behaviour->GetScript(), first);
    EXPECT_EQ(gResourceManager->mScripts.size(), 2u); // the default and the new one
}

TEST_F(ScriptHost, ChangingTheNumberSwapsTheScriptAtOnce)
{
    Behaviour* behaviour = MakeScripted("Swap", 0);
    ScriptBase* standard = behaviour->GetScript();
    behaviour->ChangeScript(6);
    EXPECT_NE(behaviour->GetScript(), standard);
    EXPECT_EQ(gResourceManager->GetDefaultScript(), standard); // the default is never freed here
    behaviour->ChangeScript(0);
    EXPECT_EQ(behaviour->GetScript(), standard);
}

TEST_F(ScriptHost, ArchetypeBehavioursSurviveALevelFlush)
{
    Behaviour* plain = MakeScripted("PlainTemplate", 0, ObjectKind::Archetype);
    Behaviour* scripted = MakeScripted("ScriptedTemplate", 3, ObjectKind::Archetype);
    ScriptBase* archetypeScript = scripted->GetScript();
    MakeScripted("LevelThing", 4);

    gFactory->DestroyAllObjects();
    gResourceManager->ResetScripts();

    EXPECT_TRUE(gResourceManager->mBehaviours.empty());
    EXPECT_EQ(scripted->GetScript(), archetypeScript);
    EXPECT_EQ(plain->GetScript(), gResourceManager->GetDefaultScript()); // the new default
    EXPECT_EQ(gResourceManager->mScripts.size(), 2u);
    CollisionMessage collision(nullptr);
    plain->SendMessage(&collision); // must not touch a freed script
}

TEST_F(ScriptHost, ADestroyedObjectLeavesTheUpdateButKeepsItsScriptUntilTheFlush)
{
    Behaviour* behaviour = MakeScripted("Gone", 3);
    const ScriptKey key = ResourceManager::KeyOf(behaviour->GetOwner());
    gFactory->mDestroySet.insert(behaviour->GetOwner());
    mWorld.Step();
    EXPECT_TRUE(gResourceManager->mBehaviours.empty());
    EXPECT_NE(gResourceManager->FindScript(key), nullptr);
    gResourceManager->ResetScripts();
    EXPECT_EQ(gResourceManager->FindScript(key), nullptr);
}

TEST_F(ScriptHost, BehaviourRecordsHoldOnlyTheScriptNumber)
{
    Behaviour behaviour;
    behaviour.ScriptID = 21;
    const std::string textPath = mWorld.File("behaviour.txt");
    {
        TextSerializer out(textPath, TextSerializer::Write);
        behaviour.SerializeText(out);
    }
    EXPECT_EQ(TestSupport::ReadFile(textPath), "Behaviour\n21\n");

    XmlSerializer xml;
    xml.CreateRoot("Level");
    behaviour.SerializeXml(xml);
    tinyxml2::XMLElement* element = xml.GetRoot()->FirstChildElement("Behaviour");
    ASSERT_NE(element, nullptr);
    ASSERT_NE(element->FirstChildElement("ScriptID"), nullptr);
    EXPECT_STREQ(element->FirstChildElement("ScriptID")->Attribute("Value"), "21");

    Behaviour read;
    xml.EnterChild(); // <Behaviour>
    xml.EnterChild(); // <ScriptID>
    read.UnserializeXml(xml);
    EXPECT_EQ(read.ScriptID, 21);
}

TEST_F(ScriptHost, ScriptLookupsCheckTheScriptClass)
{
    MakeScripted("Hero", 1);
    MakeScripted("Plain", 0);
    EXPECT_NE(FindScript<TestSupport::RecordingScript>("Hero"), nullptr);
    EXPECT_EQ(FindScript<TestSupport::RecordingScript>("Plain"), nullptr); // the default script is no match
    EXPECT_EQ(FindScript<TestSupport::RecordingScript>("Nobody"), nullptr);
}
