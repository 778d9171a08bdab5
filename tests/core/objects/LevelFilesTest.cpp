#include <gtest/gtest.h>
#include "core/game/GameLogic.h"
#include "support/ObjectTestSupport.h"
#include "support/TestSupport.h"
#include "game/GameFrame.h"

using namespace Framework;
using TestSupport::FactoryScope;
using TestSupport::ProbeComponent;
using TestSupport::ReadFile;
using TestSupport::TempFolder;
using TestSupport::WriteFile;

namespace
{
const char* const kBoxLevel = "<Crates>\n"
                              "    <GameObjects GameObjectCount=\"1\">\n"
                              "        <Box GameObjectName=\"Box\" ComponentCount=\"1\">\n"
                              "            <ObjectTag Value=\"31\"/>\n"
                              "            <Transform>\n"
                              "                <Position X=\"2\" Y=\"3\" Z=\"0\"/>\n"
                              "                <Scale X=\"1\" Y=\"1\" Z=\"1\"/>\n"
                              "                <Rotation Value=\"0\"/>\n"
                              "            </Transform>\n"
                              "        </Box>\n"
                              "    </GameObjects>\n"
                              "</Crates>\n";

// A scratch folder to load levels from, with the log silenced.
struct LevelFolder
{
    TempFolder folder;
    FactoryScope factory;
    std::string Path(const std::string& name) const { return folder.Path() + "/" + name; }
    void Load(const std::string& name) { GameFrame::LoadLevel(Path(name)); }
};
} // namespace

TEST(LevelFileRoundTrip, TheBoxExampleLoadsAndSavesByteForByte)
{
    LevelFolder level;
    WriteFile(level.Path("Crates.xml"), kBoxLevel);
    WriteFile(level.Path("Crates.dat"), "TilePlatform\n0\n0\n");
    level.Load("Crates");
    Composition* box = level.factory->FindObject("Box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->mTag, ObjectTag::Crate);
    EXPECT_EQ(box->GetComponent<Transform>()->mPosition, Vec3(2, 3, 0));

    ASSERT_TRUE(level.factory->SaveLevel(level.Path("Saved/Crates")) == false); // no such folder
    ASSERT_TRUE(level.factory->SaveLevel(level.Path("Crates")));
    EXPECT_EQ(ReadFile(level.Path("Crates.xml")), kBoxLevel);
    EXPECT_EQ(ReadFile(level.Path("Crates.dat")), "TilePlatform\n0\n0\n");
}

TEST(LevelFileRoundTrip, ALevelWithoutObjectsWritesACountOfZero)
{
    LevelFolder level;
    ASSERT_TRUE(level.factory->SaveLevel(level.Path("Empty")));
    EXPECT_EQ(ReadFile(level.Path("Empty.xml")), "<Empty>\n    <GameObjects GameObjectCount=\"0\"/>\n</Empty>\n");
    level.Load("Empty");
    EXPECT_TRUE(level.factory->mObjects.empty());
}

TEST(LevelFileRoundTrip, NamesThatAreNoElementNamesStillLoadBack)
{
    LevelFolder level;
    const std::vector<std::string> names = {"", "two words", "9lives", "a<b&\"c\"", "xmlThing", "Ok_name"};
    for (const std::string& name : names)
        level.factory->CreateObject(name, ObjectKind::GameObject);
    ASSERT_TRUE(level.factory->SaveLevel(level.Path("Odd")));
    level.factory->DestroyAllObjects();
    level.Load("Odd");
    std::vector<std::string> loaded;
    for (const auto& entry : level.factory->mObjects)
        loaded.push_back(entry.second->mName);
    EXPECT_EQ(loaded, names);
    EXPECT_NE(ReadFile(level.Path("Odd.xml")).find("<Ok_name GameObjectName=\"Ok_name\""), std::string::npos);
}

TEST(LevelFileRead, TheNameComesFromGameObjectName)
{
    LevelFolder level;
    WriteFile(
        level.Path("L.xml"),
        "<L><GameObjects GameObjectCount=\"1\"><A GameObjectName=\"B\"><ObjectTag Value=\"3\"/></A></GameObjects></L>");
    level.Load("L");
    ASSERT_EQ(level.factory->mObjects.size(), 1u);
    EXPECT_EQ(level.factory->mObjects.begin()->second->mName, "B");
    EXPECT_EQ(level.factory->mObjects.begin()->second->mTag, ObjectTag::Floor);
}

TEST(LevelFileRead, ComponentsWithoutCreatorAreSkippedAndTheRestRead)
{
    LevelFolder level;
    WriteFile(level.Path("L.xml"),
              "<L><GameObjects GameObjectCount=\"1\"><A GameObjectName=\"A\"><ObjectTag Value=\"0\"/>"
              "<Transform><Position X=\"1\" Y=\"2\" Z=\"3\"/></Transform>"
              "<Sprite><Value Value=\"1\"/></Sprite>"
              "<Probe><Value Value=\"42\"/></Probe></A></GameObjects></L>");
    level.Load("L");
    Composition* a = level.factory->FindObject("A");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->mComponents.size(), 2u);
    EXPECT_EQ(a->GetComponent<Transform>()->mPosition, Vec3(1, 2, 3));
    EXPECT_EQ(a->GetComponent<Transform>()->mScale, Vec3(1, 1, 1)); // missing fields keep defaults
    auto* probe = static_cast<ProbeComponent*>(a->GetComponent(12));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->mValue, 42);
    EXPECT_EQ(probe->mInitializeCount, 1);
}

TEST(LevelFileRead, ObjectsAreCreatedAndInitialisedInFileOrder)
{
    LevelFolder level;
    WriteFile(level.Path("L.xml"),
              "<L><GameObjects GameObjectCount=\"2\"><First GameObjectName=\"First\"><ObjectTag Value=\"0\"/></First>"
              "<Second GameObjectName=\"Second\"><ObjectTag Value=\"0\"/></Second></GameObjects></L>");
    level.Load("L");
    EXPECT_EQ(level.factory->FindObject("First")->mId, 0u);
    EXPECT_EQ(level.factory->FindObject("Second")->mId, 1u);
}

TEST(LevelFileFailure, MalformedFilesEndTheLoadWithALogLine)
{
    TestSupport::LogCapture log;
    LevelFolder level;
    // A count beyond the elements, an object without children, no GameObjects,
    // no count, no root, and no file at all.
    WriteFile(level.Path("Short.xml"),
              "<L><GameObjects GameObjectCount=\"5\"><A GameObjectName=\"A\"/></GameObjects></L>");
    WriteFile(level.Path("NoObjects.xml"), "<L/>");
    WriteFile(level.Path("NoCount.xml"), "<L><GameObjects><A GameObjectName=\"A\"/></GameObjects></L>");
    WriteFile(level.Path("NoRoot.xml"), "<!-- nothing -->");
    WriteFile(level.Path("Broken.xml"), "<L><GameObjects GameObjectCount=\"1\">");
    testing::internal::CaptureStdout();
    level.Load("Short");
    EXPECT_EQ(level.factory->mObjects.size(), 1u);
    EXPECT_EQ(level.factory->FindObject("A")->mTag, 0u);
    for (const char* name : {"NoObjects", "NoCount", "NoRoot", "Broken", "Missing"})
        level.Load(name);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(level.factory->mObjects.size(), 2u) << "a missing count still reads the object there";
    EXPECT_NE(out.find("Error: 3"), std::string::npos); // the missing file
    const std::string text = log.Text();
    EXPECT_NE(text.find("names 5 objects but holds 1"), std::string::npos);
    EXPECT_NE(text.find("has no GameObjects element"), std::string::npos);
    EXPECT_NE(text.find("has no GameObjectCount"), std::string::npos);
    EXPECT_NE(text.find("has no root element"), std::string::npos);
    EXPECT_NE(text.find("Missing.xml\" could not be read"), std::string::npos);
}

TEST(LevelFileFailure, ACountThatDisagreesIsLoggedAndEveryObjectIsRead)
{
    TestSupport::LogCapture log;
    LevelFolder level;
    auto objects = [](int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += "<O" + std::to_string(i) + " GameObjectName=\"O" + std::to_string(i) +
                    "\"><ObjectTag Value=\"3\"/></O" + std::to_string(i) + ">";
        return text;
    };
    WriteFile(level.Path("Few.xml"), "<Few><GameObjects GameObjectCount=\"5\">" + objects(13) + "</GameObjects></Few>");
    WriteFile(level.Path("Neg.xml"), "<Neg><GameObjects GameObjectCount=\"-1\">" + objects(2) + "</GameObjects></Neg>");
    level.Load("Few");
    EXPECT_EQ(level.factory->mObjects.size(), 13u) << "the count used to cut the level to its first 5 objects";
    EXPECT_NE(log.Text().find("Few.xml\" names 5 objects but holds 13."), std::string::npos) << log.Text();
    EXPECT_NE(level.factory->FindObject("O12"), nullptr);

    // Saved again, the file holds all 13 and says so: the format is unchanged.
    ASSERT_TRUE(level.factory->SaveLevel(level.Path("Few")));
    const std::string saved = ReadFile(level.Path("Few.xml"));
    EXPECT_NE(saved.find("GameObjectCount=\"13\""), std::string::npos);
    EXPECT_NE(saved.find("<O12 GameObjectName=\"O12\""), std::string::npos);

    level.factory->DestroyAllObjects();
    level.Load("Neg");
    EXPECT_EQ(level.factory->mObjects.size(), 2u) << "a negative count used to give an empty level";
    EXPECT_NE(log.Text().find("Neg.xml\" names -1 objects but holds 2."), std::string::npos);

    // What the file says is logged: 4000000000 used to read as negative, "abc" as missing.
    WriteFile(level.Path("Big.xml"),
              "<Big><GameObjects GameObjectCount=\"4000000000\">" + objects(2) + "</GameObjects></Big>");
    WriteFile(level.Path("Abc.xml"),
              "<Abc><GameObjects GameObjectCount=\"abc\">" + objects(2) + "</GameObjects></Abc>");
    level.Load("Big");
    level.Load("Abc");
    EXPECT_EQ(level.factory->mObjects.size(), 6u);
    EXPECT_NE(log.Text().find("Big.xml\" has a GameObjectCount 4000000000 that is out of range"), std::string::npos)
        << log.Text();
    EXPECT_NE(log.Text().find("Abc.xml\" has a GameObjectCount \"abc\" that is not a number"), std::string::npos);
}
