// Faults of the core file readers and writers, each seen with a real file:
// lists that lost entries, files made by reading, numbers out of range.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <chrono>
#include <filesystem>
#include "core/engine/EngineConfig.h"
#include "core/game/GameSettings.h"
#include "core/objects/ObjectTag.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "game/GameFrame.h"
#include "graphics/ArtList.h"
#include "platform/Platform.h"
#include "support/ObjectTestSupport.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::FactoryScope;
using TestSupport::LogCapture;
using TestSupport::ReadFile;
using TestSupport::TempFolder;
using TestSupport::WriteFile;
namespace fs = std::filesystem;

namespace
{
struct ArchetypeWorld
{
    TempFolder folder;
    TestSupport::WorkingDirectory cwd{folder.Path()};
    FactoryScope factory;
    ArchetypeWorld() { fs::create_directories("Resources/Archetype"); }
    std::string File(const std::string& name) const { return folder.File("Resources/Archetype/" + name); }
    size_t FileCount() const
    {
        size_t count = 0;
        for (auto it = fs::recursive_directory_iterator(folder.Path()); it != fs::recursive_directory_iterator(); ++it)
            count += it->is_regular_file() ? 1 : 0;
        return count;
    }
};

const char* const kBox = "Box\n31\nTransform\n0 0 0\n1 1 1\n0\nEND\n";
} // namespace

TEST(ArchetypeListFaults, MissingEntriesCreateNoFilesAndStayInTheList)
{
    ArchetypeWorld world;
    WriteFile(world.File("Archetype.dat"), "Resources\\Archetype\\Box.txt\nResources\\Archetype\\Gone.txt\n"
                                           "Resources\\Typo\\Nothing.txt\n");
    WriteFile(world.File("Box.txt"), kBox);
    world.factory->LoadArchetypes();
    EXPECT_EQ(world.factory->mArchetypes.size(), 1u);
    EXPECT_FALSE(fs::exists(world.File("Gone.txt"))) << "reading used to create an empty file";
    EXPECT_FALSE(fs::exists(world.folder.File("Resources/Typo")));
    EXPECT_EQ(world.FileCount(), 2u);

    world.factory->SaveArchetypes();
    const std::string list = ReadFile(world.File("Archetype.dat"));
    EXPECT_NE(list.find("Resources\\Archetype\\Gone.txt"), std::string::npos) << list;
    EXPECT_NE(list.find("Resources\\Typo\\Nothing.txt"), std::string::npos) << list;
    EXPECT_NE(list.find("Resources\\Archetype\\Box.txt"), std::string::npos) << list;
}

TEST(ArchetypeListFaults, AFileWithLinesTheReaderDoesNotKnowIsNotRewritten)
{
    ArchetypeWorld world;
    const std::string future = "Box\n31\nTransform\n0 0 0\n1 1 1\n0\nHologram\n7 7\nEND\n";
    WriteFile(world.File("Archetype.dat"), "Resources\\Archetype\\Box.txt\n");
    WriteFile(world.File("Box.txt"), future);
    world.factory->LoadArchetypes();
    ASSERT_EQ(world.factory->mArchetypes.size(), 1u);
    world.factory->CreateObject("Box", ObjectKind::Archetype); // a new one may not take its file
    world.factory->SaveArchetypes();
    EXPECT_EQ(ReadFile(world.File("Box.txt")), future);
    EXPECT_EQ(ReadFile(world.File("Archetype.dat")),
              "Resources\\Archetype\\Box.txt\nResources\\Archetype\\Box_1.txt\n");
}

TEST(ArchetypeListFaults, AnUnreadableListIsNotReplacedByAnEmptyOne)
{
    ArchetypeWorld world;
    fs::create_directories(world.File("Archetype.dat")); // exists, cannot be read as a file
    world.factory->LoadArchetypes();
    world.factory->SaveArchetypes();
    EXPECT_TRUE(fs::is_directory(world.File("Archetype.dat")));
    EXPECT_FALSE(fs::exists(world.File("Archetype.dat.tmp")));
}

TEST(ArchetypeListFaults, EntriesLeadingOutsideResourcesAreRefusedAndKept)
{
    LogCapture log;
    ArchetypeWorld world;
    TempFolder outside; // beside the world's folder
    const std::string absolute = outside.File("x.txt");
    const std::string upward = "../" + fs::path(outside.Path()).filename().string() + "/x.txt";
    const std::string archetypes = absolute + "\n" + upward + "\n";
    WriteFile(world.File("Archetype.dat"), archetypes);
    WriteFile(world.folder.File("Resources/Art/Art.dat"), "A\n" + absolute + "\nB\n" + upward + "\n");
    WriteFile(outside.File("x.txt.tmp"), "not the program's");
    world.factory->LoadArchetypes();
    EXPECT_TRUE(fs::exists(outside.File("x.txt.tmp"))) << "the archetype list's cleanup reached outside Resources/";
    SpriteSheetTable sheets;
    ReadArtList("Resources/Art/Art.dat", sheets);
    EXPECT_TRUE(fs::exists(outside.File("x.txt.tmp"))) << "the art list's cleanup reached outside Resources/";
    const std::string text = log.Text();
    for (const std::string& entry : {absolute, upward})
    {
        EXPECT_NE(text.find("Archetype list entry \"" + entry + "\" leads outside Resources/"), std::string::npos)
            << text;
        EXPECT_NE(text.find("names \"" + entry + "\", which leads outside Resources/"), std::string::npos);
    }
    world.factory->SaveArchetypes();
    EXPECT_EQ(ReadFile(world.File("Archetype.dat")), archetypes);
    WriteArtList("Resources/Art/Art.dat", sheets);
    EXPECT_EQ(ReadFile(world.folder.File("Resources/Art/Art.dat")), "A\n" + absolute + "\nB\n" + upward + "\n");
}

TEST(LevelSaveFaults, AFailedWriteOfEitherFileLeavesBothOldFilesAsTheyWere)
{
    TempFolder folder;
    FactoryScope factory;
    const std::string level = folder.File("Pair");
    factory->CreateObject("Box", ObjectKind::GameObject);
    factory->mTileGrid.Resize(3, 2);
    ASSERT_TRUE(factory->SaveLevel(level));
    const std::string oldObjects = ReadFile(level + ".xml");
    const std::string oldTiles = ReadFile(level + ".dat");
    // The level changes in both files before the failing save.
    factory->CreateObject("Crate", ObjectKind::GameObject);
    factory->mTileGrid.PlaceTile(1, 4, Vec3(1.5f, 0.5f, 0.0f));

    auto expectOldPair = [&](const char* fault)
    {
        SCOPED_TRACE(fault);
        EXPECT_FALSE(factory->SaveLevel(level)) << "a failed save reported success";
        EXPECT_EQ(ReadFile(level + ".xml"), oldObjects);
        EXPECT_EQ(ReadFile(level + ".dat"), oldTiles);
    };
    // The objects cannot be written: the tiles used to be saved anyway.
    fs::create_directory(level + ".xml.tmp");
    expectOldPair("no temporary for the objects");
    fs::remove(level + ".xml.tmp");
    // The disk fills up while the tiles are written, after the objects were
    // whole: the objects used to be in place already.
    fs::create_symlink("/dev/full", level + ".dat.tmp");
    expectOldPair("disk full at the tiles");
    EXPECT_FALSE(fs::exists(level + ".xml.tmp")) << "the whole temporary of the objects is not left behind";

    // Either rename fails (its target taken away at that moment): the first
    // leaves the old pair, the second the new tiles; both say so, and neither
    // leaves a temporary behind.
    LogCapture log;
    for (const char* failing : {".dat", ".xml"})
    {
        SCOPED_TRACE(failing);
        static std::string sFailing;
        sFailing = failing;
        TextSerializer::sReplace = [](const std::string& temporary, const std::string& target)
        {
            const bool fails = target.size() > 4 && target.compare(target.size() - 4, 4, sFailing) == 0;
            return Platform::ReplaceWithTemporary(temporary, fails ? target + ".gone/" + sFailing : target);
        };
        EXPECT_FALSE(factory->SaveLevel(level)) << "a failed rename reported as a save";
        TextSerializer::sReplace = &Platform::ReplaceWithTemporary;
        EXPECT_EQ(ReadFile(level + ".xml"), oldObjects);
        EXPECT_EQ(ReadFile(level + ".dat") == oldTiles, sFailing == ".dat");
        EXPECT_FALSE(fs::exists(level + ".xml.tmp"));
        EXPECT_FALSE(fs::exists(level + ".dat.tmp"));
    }
    const std::string text = log.Text();
    EXPECT_NE(text.find("its tiles were saved but its objects were not"), std::string::npos) << text;
    EXPECT_NE(text.find("could not be saved"), text.rfind("could not be saved")) << "each failure says so\n" << text;

    ASSERT_TRUE(factory->SaveLevel(level));
    EXPECT_NE(ReadFile(level + ".xml").find("Crate"), std::string::npos);
    EXPECT_NE(ReadFile(level + ".dat"), oldTiles);
}

TEST(LevelSaveFaults, ASaveKilledBetweenItsRenamesIsFinishedByTheNextRead)
{
    TempFolder folder;
    FactoryScope factory;
    const std::string level = folder.File("Pair");
    factory->CreateObject("Box", ObjectKind::GameObject);
    ASSERT_TRUE(factory->SaveLevel(level));
    const std::string oldObjects = ReadFile(level + ".xml");
    factory->CreateObject("Crate", ObjectKind::GameObject);
    factory->mTileGrid.Resize(3, 2);
    ASSERT_TRUE(factory->SaveLevel(level));
    // What the kill leaves: the new tiles in place, the old objects, the new
    // ones whole under their temporary name.
    fs::rename(level + ".xml", level + ".xml.tmp");
    WriteFile(level + ".xml", oldObjects);
    const auto saved = fs::last_write_time(level + ".dat");
    fs::last_write_time(level + ".xml", saved - std::chrono::seconds(60));
    factory->DestroyAllObjects();
    GameFrame::LoadLevel(level);
    EXPECT_NE(factory->FindObject("Crate"), nullptr) << "the new objects were lost";
    EXPECT_FALSE(fs::exists(level + ".xml.tmp"));
    EXPECT_NE(ReadFile(level + ".xml").find("Crate"), std::string::npos);

    // Any other objects' temporary is removed: one that does not parse (the
    // kill came while it was written), one written after the tiles, one older
    // than the objects' file, one whose tiles never left their temporary.
    const std::string newObjects = ReadFile(level + ".xml");
    const struct
    {
        const char* mCase;
        std::string mText;
        int mObjectsAge, mTemporaryAge; // seconds before the tiles were saved
    } leftovers[] = {{"damaged", newObjects.substr(0, newObjects.size() / 2), 60, 30},
                     {"after the tiles", oldObjects, 60, -30},
                     {"before the objects", oldObjects, -60, 30},
                     {"tiles unplaced", oldObjects, 60, 30}};
    for (const auto& leftover : leftovers)
    {
        SCOPED_TRACE(leftover.mCase);
        WriteFile(level + ".xml.tmp", leftover.mText);
        if (leftover.mCase == std::string("tiles unplaced"))
            WriteFile(level + ".dat.tmp", "");
        fs::last_write_time(level + ".xml", saved - std::chrono::seconds(leftover.mObjectsAge));
        fs::last_write_time(level + ".xml.tmp", saved - std::chrono::seconds(leftover.mTemporaryAge));
        factory->DestroyAllObjects();
        GameFrame::LoadLevel(level);
        EXPECT_FALSE(fs::exists(level + ".xml.tmp"));
        EXPECT_EQ(ReadFile(level + ".xml"), newObjects);
        EXPECT_NE(factory->FindObject("Crate"), nullptr);
    }
}

TEST(ObjectTagFaults, TagsOutsideTheTableReadAsNoneWithALogLine)
{
    LogCapture log;
    ArchetypeWorld world;
    WriteFile(world.File("Neg.txt"), "Neg\n-1\nEND\n");
    WriteFile(world.File("Big.txt"), "Big\n39\nEND\n");
    EXPECT_EQ(world.factory->LoadArchetypeFile("Resources\\Archetype\\Neg.txt")->mTag, ObjectTag::None);
    EXPECT_EQ(world.factory->LoadArchetypeFile("Resources\\Archetype\\Big.txt")->mTag, ObjectTag::None);
    WriteFile(world.folder.File("L.xml"),
              "<L><GameObjects GameObjectCount=\"1\"><A GameObjectName=\"A\" ComponentCount=\"0\">"
              "<ObjectTag Value=\"-1\"/></A></GameObjects></L>");
    XmlSerializer xml;
    ASSERT_TRUE(xml.LoadFile(world.folder.File("L.xml")));
    xml.EnterChild();
    xml.EnterChild();
    Composition* object = world.factory->CreateObjectFromXml(xml);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->mTag, ObjectTag::None) << "-1 used to be stored as 4294967295";
    EXPECT_NE(log.Text().find("Unknown object tag -1"), std::string::npos);
    EXPECT_NE(log.Text().find("Unknown object tag 39"), std::string::npos);
}

TEST(XmlRootName, ALevelNameThatIsNoElementNameStillGivesAReadableFile)
{
    TempFolder folder;
    for (const std::string name : {"my level", "1st", "", "xmlLevel", "Level\"<"})
    {
        XmlSerializer out;
        out.CreateRoot(name);
        out.PushElement("GameObjects");
        out.PopElement();
        ASSERT_TRUE(out.SaveFile(folder.File("level.xml")));
        XmlSerializer in;
        EXPECT_TRUE(in.LoadFile(folder.File("level.xml"))) << '"' << name << '"';
    }
    XmlSerializer plain;
    EXPECT_STREQ(plain.CreateRoot("Level3")->Name(), "Level3");
}

TEST(TileGridBounds, ResizeAndRebuildRefuseASizeTheReaderWouldRefuse)
{
    FactoryScope factory;
    TileGrid& grid = factory->mTileGrid;
    grid.Resize(4, 3);
    grid.mRows[1][2].mUsed = true;
    grid.Resize(5000, 1); // used to be kept, saved, and loaded back empty
    EXPECT_EQ(grid.mWidth, 4u);
    EXPECT_EQ(grid.mHeight, 3u);
    EXPECT_TRUE(grid.mRows[1][2].mUsed);
    grid.mWidth = 5000;
    grid.mHeight = 1;
    grid.Rebuild();
    EXPECT_EQ(grid.mWidth, 4u);
    EXPECT_EQ(grid.mHeight, 3u);
    EXPECT_TRUE(grid.mRows[1][2].mUsed);
    grid.Resize(4096, 1024);
    EXPECT_EQ(grid.mWidth, 4096u) << "the largest size the reader takes is still allowed";
}

TEST(EngineConfigRange, SizesOutOfRangeFallBackToTheDefaultWithALogLine)
{
    for (const char* text :
         {"[Window]\nWidth=100000\nHeight=99999999999\n", "[Window]\nWidth=-5\nHeight=0x7FFFFFFFF\n"})
    {
        TempFolder docs;
        WriteFile(docs.File("Kestrome/EngineCfg.ini"), text);
        EngineConfig config(docs.Path());
        {
            DebugSystem debug(docs.Path());
            debug.OpenLog();
            config.Load();
        }
        EXPECT_EQ(config.mWidth, 1366u) << text;
        EXPECT_EQ(config.mHeight, 768u) << text << "99999999999 used to read as 1410065407";
        const std::string log = ReadFile(docs.File("Kestrome/Vorlane.log"));
        EXPECT_NE(log.find("out of range"), std::string::npos);
        EXPECT_NE(log.find("Window running on 1366 x 768."), std::string::npos);
        EXPECT_EQ(ReadFile(docs.File("Kestrome/EngineCfg.ini")), text) << "the file is never rewritten";
    }
}

TEST(GameSettingsFaults, AnUnreadableFileIsMovedAsideNotOverwritten)
{
    TempFolder folder;
    TestSupport::WorkingDirectory cwd(folder.Path());
    const std::string broken = "<GameSettings/><Unlocked Value=\"7\"/><Level1 Value=\"1\"";
    WriteFile(folder.File("Resources/LevelData/GameSettings.xml"), broken);
    uint32_t count = 0;
    std::map<std::string, bool> levels;
    EXPECT_FALSE(ReadGameSettings(gGameSettingsPath, count, levels));
    EXPECT_EQ(ReadFile(folder.File("Resources/LevelData/GameSettings.xml.unreadable")), broken);
    EXPECT_TRUE(WriteGameSettings(gGameSettingsPath, count, levels)); // the exit's write
    EXPECT_EQ(ReadFile(folder.File("Resources/LevelData/GameSettings.xml.unreadable")), broken);

    // A second bad file does not replace the first one set aside.
    WriteFile(folder.File("Resources/LevelData/GameSettings.xml"), "junk");
    ReadGameSettings(gGameSettingsPath, count, levels);
    EXPECT_EQ(ReadFile(folder.File("Resources/LevelData/GameSettings.xml.unreadable")), broken);
    EXPECT_EQ(ReadFile(folder.File("Resources/LevelData/GameSettings.xml.unreadable1")), "junk");

    // A missing file is no fault: nothing is moved.
    fs::remove(folder.File("Resources/LevelData/GameSettings.xml"));
    ReadGameSettings(gGameSettingsPath, count, levels);
    EXPECT_FALSE(fs::exists(folder.File("Resources/LevelData/GameSettings.xml.unreadable2")));

    // A pipe or a link to nowhere is neither moved aside nor replaced at exit,
    // and neither is a file the user made read-only.
    const std::string settings = folder.File("Resources/LevelData/GameSettings.xml");
    fs::create_symlink("Elsewhere.xml", settings);
    ASSERT_EQ(mkfifo(folder.File("Resources/LevelData/Pipe.xml").c_str(), 0644), 0);
    EXPECT_FALSE(ReadGameSettings(gGameSettingsPath, count, levels));
    EXPECT_FALSE(WriteGameSettings(gGameSettingsPath, count, levels));
    EXPECT_TRUE(fs::is_symlink(settings));
    EXPECT_FALSE(fs::exists(folder.File("Resources/LevelData/Elsewhere.xml")));
    fs::remove(settings);
    fs::create_symlink("Pipe.xml", settings);
    EXPECT_FALSE(ReadGameSettings(gGameSettingsPath, count, levels));
    EXPECT_FALSE(WriteGameSettings(gGameSettingsPath, count, levels));
    EXPECT_TRUE(fs::is_fifo(folder.File("Resources/LevelData/Pipe.xml")));
    fs::remove(settings);
    WriteFile(settings, "<GameSettings/><Unlocked Value=\"4\"/>");
    chmod(settings.c_str(), 0444);
    EXPECT_TRUE(ReadGameSettings(gGameSettingsPath, count, levels));
    EXPECT_FALSE(WriteGameSettings(gGameSettingsPath, count, levels));
    EXPECT_EQ(ReadFile(settings), "<GameSettings/><Unlocked Value=\"4\"/>");
    EXPECT_FALSE(fs::exists(settings + ".unreadable2"));
}
