// Every file reader of the engine fed a corpus of bad inputs, generated here
// from a good sample of each file: the reader must return, log where it has
// something to say, and leave every file as it was (reading creates nothing,
// changes nothing). The corpus runs under the sanitizer build as well.
//
// Contents:
//   1. The corpus: bad inputs made from each good sample
//   2. The files of one world: good samples, snapshots, the scratch world
//   3. The readers
//   4. Bad inputs and damaged lists: every reader against every bad input; damaged lists not
//      written back
//   5. Level loads: SIGTERM during a level load; an object with two shapes
//   6. Memory: files larger than memory; running out of memory during a load; no thread to spare
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <iterator>
#include <sstream>
#include <map>
#include <random>
#include <regex>
#include <thread>
#include "audio/SoundList.h"
#include "audio/sound/BackgroundDecoder.h"
#include "core/engine/ThreadStart.h"
#include "core/engine/EngineConfig.h"
#include "core/game/GameLogic.h"
#include "core/game/GameSettings.h"
#include "core/serializers/TextSerializer.h"
#include "graphics/Animation.h"
#include "graphics/ArtList.h"
#include "platform/Platform.h"
#include "support/AudioTestSupport.h"
#include "support/ObjectTestSupport.h"
#include "support/PhysicsTestSupport.h"
#include "support/TestSupport.h"
#include "game/GameFrame.h"

using namespace Framework;
using TestSupport::ReadFile;
using TestSupport::TempFolder;
using TestSupport::WriteFile;
namespace fs = std::filesystem;

namespace
{
// ---- 1. The corpus ----------------------------------------------------------
// Every number of the good sample replaced by text.
std::string ReplaceNumbers(const std::string& good, const std::string& with)
{
    return std::regex_replace(good, std::regex("[0-9]+(\\.[0-9]+)?"), with);
}

std::string RandomBytes(unsigned seed, size_t count)
{
    std::mt19937 random(seed);
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random() & 0xFF);
    return bytes;
}

struct BadInput
{
    std::string mName;
    std::function<void(const std::string& path, const std::string& good)> mMake;
};

void Write(const std::string& path, const std::string& text) { WriteFile(path, text); }

std::vector<BadInput> Corpus()
{
    return {
        {"empty", [](const std::string& p, const std::string&) { Write(p, ""); }},
        {"truncated", [](const std::string& p, const std::string& g) { Write(p, g.substr(0, g.size() / 2)); }},
        {"random bytes", [](const std::string& p, const std::string&) { Write(p, RandomBytes(7, 4096)); }},
        {"random text",
         [](const std::string& p, const std::string&)
         {
             std::string text = RandomBytes(11, 4096);
             for (char& c : text)
                 c = " \n0123456789-.eEabcXYZ<>/=\"\\"[static_cast<unsigned char>(c) % 28];
             Write(p, text);
         }},
        {"huge numbers",
         [](const std::string& p, const std::string& g) { Write(p, ReplaceNumbers(g, "99999999999999999999")); }},
        {"int limits", [](const std::string& p, const std::string& g) { Write(p, ReplaceNumbers(g, "2147483647")); }},
        {"negative numbers",
         [](const std::string& p, const std::string& g) { Write(p, ReplaceNumbers(g, "-2147483648")); }},
        {"nan", [](const std::string& p, const std::string& g) { Write(p, ReplaceNumbers(g, "nan")); }},
        {"inf", [](const std::string& p, const std::string& g) { Write(p, ReplaceNumbers(g, "inf")); }},
        {"1 MB line first",
         [](const std::string& p, const std::string& g) { Write(p, std::string(1 << 20, '7') + "\n" + g); }},
        {"1 MB line last",
         [](const std::string& p, const std::string& g) { Write(p, g + std::string(1 << 20, 'a') + "\n"); }},
        {"directory", [](const std::string& p, const std::string&) { fs::create_directories(p); }},
        {"unreadable",
         [](const std::string& p, const std::string& g)
         {
             Write(p, g);
             chmod(p.c_str(), 0);
         }},
        {"deep nesting",
         [](const std::string& p, const std::string&)
         {
             std::string text;
             for (int i = 0; i < 20000; ++i)
                 text += "<a>";
             for (int i = 0; i < 20000; ++i)
                 text += "</a>";
             Write(p, text);
         }},
        {"duplicates", [](const std::string& p, const std::string& g) { Write(p, g + g + g); }},
        {"repeated",
         [](const std::string& p, const std::string& g)
         {
             std::string text;
             for (int i = 0; i < 5000; ++i)
                 text += g;
             Write(p, text);
         }},
        {"CRLF",
         [](const std::string& p, const std::string& g) { Write(p, std::regex_replace(g, std::regex("\n"), "\r\n")); }},
        // Special files: a pipe blocks whoever opens it, a device never ends, a
        // link may lead nowhere. None is read, none replaced.
        {"pipe",
         [](const std::string& p, const std::string&)
         {
             fs::create_directories(fs::path(p).parent_path());
             mkfifo(p.c_str(), 0644);
         }},
        {"endless device",
         [](const std::string& p, const std::string&)
         {
             fs::create_directories(fs::path(p).parent_path());
             fs::create_symlink("/dev/zero", p);
         }},
        {"link to nowhere",
         [](const std::string& p, const std::string&)
         {
             fs::create_directories(fs::path(p).parent_path());
             fs::create_symlink("nowhere", p);
         }},
        {"looping link",
         [](const std::string& p, const std::string&)
         {
             fs::create_directories(fs::path(p).parent_path());
             fs::create_symlink(fs::path(p).filename(), p);
         }},
    };
}

// ---- 2. The files of one world ----------------------------------------------
// Good samples of every file, with the stored paths the engine uses.
const std::map<std::string, std::string>& GoodFiles()
{
    static const std::map<std::string, std::string> files = {
        {"Resources/LevelData/Level1.xml",
         "<Level1>\n<GameObjects GameObjectCount=\"2\">\n"
         "<Box GameObjectName=\"Box\" ComponentCount=\"1\"><ObjectTag Value=\"31\"/>\n"
         "<Transform><Position X=\"2\" Y=\"3.5\" Z=\"0\"/><Scale X=\"1\" Y=\"1\" Z=\"1\"/><Rotation "
         "Value=\"90\"/></Transform>\n"
         "</Box>\n<Box GameObjectName=\"Box\" ComponentCount=\"1\"><ObjectTag Value=\"3\"/>\n"
         "<Transform><Position X=\"4\" Y=\"3\" Z=\"1\"/><Scale X=\"2\" Y=\"2\" Z=\"1\"/><Rotation "
         "Value=\"0\"/></Transform>\n"
         "</Box>\n</GameObjects>\n</Level1>\n"},
        {"Resources/LevelData/Level1.dat", "TilePlatform\n3\n2\n1 0 4 0 1 2 7 \n0 1 1 1 0 \n"},
        {"Resources/Archetype/Archetype.dat", "Resources\\Archetype\\Box.txt\nResources\\Archetype\\Crate.txt\n"},
        {"Resources/Archetype/Box.txt", "Box\n31\nTransform\n0 0 0\n1 1 1\n0\nEND\n"},
        {"Resources/Archetype/Crate.txt", "Crate\n3\nTransform\n1.5 2 0\n2 2 1\n45\nEND\n"},
        {"Resources/Art/Art.dat", "Cloud\nResources/Art/Cloud.txt\nTiles\nResources/Art/Tiles.txt\n"},
        {"Resources/Art/Cloud.txt", "1\n2\nCloud\nSprite1\nSprite2\n"},
        {"Resources/Art/Tiles.txt", "2\n2\nTiles\nA\nB\nC\nD\n"},
        {"Resources/Art/Animations.dat",
         "Animation0\nCloud\nDrift\n0 1 -1\n4\nAnimation1\nTiles\nSpin\n0 1 2 3 -1\n12\n"},
        {"Resources/Audio/Audio.dat",
         "Sound0\nResources/Audio/A.wav\nBlip\n1\n0.5\nSound1\nResources/Audio/B.ogg\nSong\n0\n1\n"},
        {"Resources/LevelData/GameSettings.xml", "<GameSettings/>\n<Unlocked Value=\"3\"/>\n<Level1 "
                                                 "Value=\"1\"/>\n<Level2 Value=\"1\"/>\n<Level3 Value=\"0\"/>\n"},
        {"Documents/Kestrome/EngineCfg.ini", "[Window]\nWidth=1366\nHeight=768"},
    };
    return files;
}

// Every regular file under root with its bytes (the log aside).
std::map<std::string, std::string> Snapshot(const std::string& root)
{
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
    {
        const std::string path = it->path().string();
        std::error_code kindError; // a looping link has no kind
        if (it->is_regular_file(kindError) && path.find("Vorlane.log") == std::string::npos)
            files[path] = ReadFile(path);
    }
    return files;
}

// One scratch world: the good files, the log in its own Documents folder.
struct World
{
    TempFolder folder;
    TestSupport::WorkingDirectory cwd{folder.Path()};
    TestSupport::LogCapture log;
    TestSupport::FactoryScope factory;
    World()
    {
        for (const auto& [path, text] : GoodFiles())
            WriteFile(folder.File(path), text);
    }
    ~World()
    {
        // Unreadable files must still go with the folder.
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(folder.Path(), ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
            if (!it->is_symlink(ec)) // chmod follows a link: never to /dev/zero
                chmod(it->path().c_str(), 0700);
    }
};

// ---- 3. The readers ---------------------------------------------------------
struct Reader
{
    std::string mName;
    std::string mTarget; // the file the corpus replaces
    std::function<void(World&)> mRead;
};

std::vector<Reader> Readers()
{
    return {
        {"level objects", "Resources/LevelData/Level1.xml",
         [](World&) { GameFrame::LoadLevel("Resources\\LevelData\\Level1"); }},
        {"level tiles", "Resources/LevelData/Level1.dat",
         [](World&) { GameFrame::LoadLevel("Resources\\LevelData\\Level1"); }},
        {"archetype list", "Resources/Archetype/Archetype.dat", [](World& w) { w.factory->LoadArchetypes(); }},
        {"archetype file", "Resources/Archetype/Box.txt", [](World& w) { w.factory->LoadArchetypes(); }},
        {"art list", "Resources/Art/Art.dat",
         [](World&)
         {
             SpriteSheetTable table;
             ReadArtList("Resources/Art/Art.dat", table);
         }},
        {"sheet file", "Resources/Art/Cloud.txt",
         [](World&)
         {
             SpriteSheetTable table;
             ReadArtList("Resources/Art/Art.dat", table);
         }},
        {"animation list", "Resources/Art/Animations.dat",
         [](World&)
         {
             TextSerializer file("Resources/Art/Animations.dat", TextSerializer::ReadOnly);
             AnimationTable table;
             ReadAnimations(file, table);
         }},
        {"sound list", "Resources/Audio/Audio.dat",
         [](World&)
         {
             SoundEntries sounds;
             ReadSoundList("Resources/Audio/Audio.dat", sounds);
         }},
        {"game settings", "Resources/LevelData/GameSettings.xml",
         [](World&)
         {
             uint32_t count = 0;
             std::map<std::string, bool> levels;
             ReadGameSettings(gGameSettingsPath, count, levels);
         }},
        {"engine configuration", "Documents/Kestrome/EngineCfg.ini",
         [](World& w)
         {
             EngineConfig config(w.folder.File("Documents"));
             config.Load();
             EXPECT_LE(config.mWidth, 16384u);
             EXPECT_LE(config.mHeight, 16384u);
         }},
    };
}
} // namespace

// ---- 4. Bad inputs and damaged lists ----------------------------------------
TEST(LoaderRobustness, EveryReaderTakesEveryBadInputAndChangesNoFile)
{
    for (const Reader& reader : Readers())
        for (const BadInput& input : Corpus())
        {
            SCOPED_TRACE(reader.mName + " <- " + input.mName);
            World world;
            const std::string target = world.folder.File(reader.mTarget);
            fs::remove(target);
            input.mMake(target, GoodFiles().at(reader.mTarget));
            const auto before = Snapshot(world.folder.Path());
            const fs::file_type kind = fs::symlink_status(target).type();

            reader.mRead(world);

            const auto after = Snapshot(world.folder.Path());
            if (kind != fs::file_type::regular && kind != fs::file_type::directory)
            {
                EXPECT_EQ(fs::symlink_status(target).type(), kind) << "the file itself was replaced or moved";
            }
            // Moving an unparsable settings file aside is the one change allowed.
            auto expected = before;
            if (reader.mName == "game settings" && before.count(target) && !after.count(target))
            {
                const auto aside = after.find(target + ".unreadable");
                ASSERT_NE(aside, after.end());
                EXPECT_EQ(aside->second, before.at(target));
                expected.erase(target);
                expected[aside->first] = aside->second;
            }
            if (reader.mName == "game settings" && input.mName == "directory")
            {
                EXPECT_TRUE(fs::is_directory(target + ".unreadable")) << "set aside so the exit can write the settings";
            }
            EXPECT_EQ(after.size(), expected.size()) << "reading created or removed a file";
            for (const auto& [path, text] : expected)
            {
                ASSERT_TRUE(after.count(path)) << path << " is gone";
                EXPECT_TRUE(after.at(path) == text) << path << " was changed";
            }
            if (input.mName == "repeated" && (reader.mName == "art list" || reader.mName == "archetype list"))
            {
                EXPECT_NE(world.log.Text().find("entries; the rest is not read"), std::string::npos)
                    << "a list far longer than any real one is bounded, and said so";
            }
            if (input.mName == "directory" && reader.mName != "level objects" && reader.mName != "game settings" &&
                reader.mName != "engine configuration")
            {
                EXPECT_NE(world.log.Text().find("Resources/"), std::string::npos)
                    << "a folder in place of a file is logged";
            }
        }
}

TEST(LoaderRobustness, DamagedListsAreNotWrittenBackShorter)
{
    for (const BadInput& input : Corpus())
    {
        SCOPED_TRACE(input.mName);
        World world;
        for (const char* list : {"Resources/Art/Animations.dat", "Resources/Audio/Audio.dat", "Resources/Art/Art.dat"})
        {
            fs::remove(world.folder.File(list));
            input.mMake(world.folder.File(list), GoodFiles().at(list));
        }
        const auto before = Snapshot(world.folder.Path());
        const fs::file_type kind = fs::symlink_status(world.folder.File("Resources/Audio/Audio.dat")).type();
        // What each owner does at start and at exit.
        {
            TextSerializer file("Resources/Art/Animations.dat", TextSerializer::ReadOnly);
            AnimationTable table;
            if (ReadAnimations(file, table))
            {
                file.Close();
                TextSerializer out("Resources/Art/Animations.dat", TextSerializer::Write);
                WriteAnimations(out, table);
            }
        }
        SoundEntries sounds;
        if (ReadSoundList("Resources/Audio/Audio.dat", sounds))
            WriteSoundList("Resources/Audio/Audio.dat", sounds);
        SpriteSheetTable sheets;
        if (ReadArtList("Resources/Art/Art.dat", sheets))
            WriteArtList("Resources/Art/Art.dat", sheets);
        const auto after = Snapshot(world.folder.Path());
        // The art list keeps every entry it had, repeats and all.
        const std::string art = world.folder.File("Resources/Art/Art.dat");
        if (before.count(art) && after.count(art) && before.at(art) != after.at(art))
        {
            auto words = [](const std::string& text)
            {
                std::istringstream in(text);
                std::vector<std::string> all{std::istream_iterator<std::string>(in), {}};
                std::sort(all.begin(), all.end());
                return all;
            };
            EXPECT_EQ(words(after.at(art)), words(before.at(art))) << "Art.dat:\n" << after.at(art).substr(0, 400);
        }
        for (const auto& [path, text] : before)
            if (!after.count(path))
                ADD_FAILURE() << path << " is gone";
        for (const char* list : {"Resources/Art/Animations.dat", "Resources/Audio/Audio.dat"})
            EXPECT_EQ(fs::symlink_status(world.folder.File(list)).type(), kind) << list << " was replaced";
        // A list that was read whole may come back normalised, never with fewer
        // records (identical duplicates of one animation name aside).
        for (const char* list : {"Resources/Art/Animations.dat", "Resources/Audio/Audio.dat"})
        {
            const std::string path = world.folder.File(list);
            if (input.mName == "duplicates" || input.mName == "repeated" || !before.count(path) || !after.count(path) ||
                before.at(path) == after.at(path))
                continue;
            const std::string& old = before.at(path);
            const std::string& now = after.at(path);
            const char* header = std::string(list).find("Animations") != std::string::npos ? "Animation" : "Sound";
            auto count = [header](const std::string& text)
            {
                size_t n = 0;
                for (size_t at = text.find(header); at != std::string::npos; at = text.find(header, at + 1))
                    ++n;
                return n;
            };
            EXPECT_GE(count(now), count(old)) << list << " lost records:\n" << now;
        }
    }
}

// ---- 5. Level loads ---------------------------------------------------------
// In a child process: SIGTERM's flag is for the whole process.
TEST(LoaderRobustness, ASigtermStopsALevelLoadBetweenObjects)
{
    EXPECT_EXIT(
        {
            World world;
            Platform::CatchTerminate();
            raise(SIGTERM);
            GameFrame::LoadLevel("Resources\\LevelData\\Level1");
            const bool stopped = world.factory->mObjects.empty() &&
                                 world.log.Text().find("stopped: the program is ending") != std::string::npos;
            std::_Exit(stopped ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(LoaderRobustness, AnObjectWithTwoShapesKeepsTheFirstAndIsFlushedCleanly)
{
    TempFolder folder;
    TestSupport::WorkingDirectory cwd{folder.Path()};
    TestSupport::LogCapture log;
    TestSupport::PhysicsScope physics;
    WriteFile(folder.File("Resources/LevelData/Both.dat"), "");
    WriteFile(folder.File("Resources/LevelData/Both.xml"),
              "<Both><GameObjects GameObjectCount=\"1\"><Ball GameObjectName=\"Ball\" ComponentCount=\"4\">"
              "<ObjectTag Value=\"0\"/><Transform><Position X=\"2\" Y=\"3\" Z=\"0\"/><Scale X=\"1\" Y=\"1\" Z=\"1\"/>"
              "<Rotation Value=\"0\"/></Transform><Body><Mass Value=\"1\"/></Body>"
              "<Circle><Radius Value=\"1\"/></Circle><OBB><HalfLength X=\"1\" Y=\"1\" Z=\"0\"/></OBB>"
              "</Ball></GameObjects></Both>");
    GameFrame::LoadLevel("Resources\\LevelData\\Both");
    Composition* ball = physics.mFactory->FindObject("Ball");
    ASSERT_NE(ball, nullptr);
    auto* body = ball->GetComponent<Body>();
    auto* circle = static_cast<BasicShape*>(ball->GetComponent(ComponentType::Circle));
    auto* box = static_cast<BasicShape*>(ball->GetComponent(ComponentType::OBB));
    ASSERT_TRUE(body && circle && box);
    EXPECT_EQ(body->mShape, circle);
    EXPECT_EQ(box->mBody, nullptr) << "the second shape kept the body's address";
    EXPECT_NE(log.Text().find("Object \"Ball\" has a second collision shape"), std::string::npos);
    physics.mFactory->DestroyAllObjects(); // the body used to be read after it was freed
    EXPECT_EQ(physics.mFactory->FindObject("Ball"), nullptr);
}

// ---- 6. Memory --------------------------------------------------------------
namespace
{
// Lets the process grow by no more than extra bytes of address space, so a
// read that should have been refused fails at once instead of taking the
// machine's memory. The address sanitizer reserves terabytes up front: there
// the test relies on the refusal alone.
void LimitAddressSpace(size_t extra)
{
#if !defined(__SANITIZE_ADDRESS__)
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0;
    statm >> pages;
    const rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + extra;
    const rlimit bound{limit, limit};
    setrlimit(RLIMIT_AS, &bound);
#else
    (void)extra;
#endif
}

// A component whose reading runs out of memory, in either format.
class GreedyComponent : public Component
{
public:
    void SerializeXml(XmlSerializer&) override {}
    void SerializeText(TextSerializer&) override {}
    void UnserializeXml(XmlSerializer&) override { throw std::bad_alloc(); }
    void UnserializeText(TextSerializer&) override { throw std::bad_alloc(); }
    void SendMessage(Message*) override {}
    void Initialize() override {}
};
} // namespace

// Sparse files: two gigabytes each that take neither disk nor memory.
TEST(LoaderRobustness, FilesLargerThanAnyLevelAreRefusedBeforeTheyAreRead)
{
    World world;
    const uint64_t huge = uint64_t(2) << 30;
    const std::vector<std::string> files = {"Resources/LevelData/Level1.xml", "Resources/LevelData/Level1.dat",
                                            "Resources/Archetype/Box.txt", "Resources/Art/Animations.dat"};
    for (const std::string& file : files)
        fs::resize_file(world.folder.File(file), huge);
    fs::resize_file(world.folder.File("Documents/Kestrome/EngineCfg.ini"), huge);
    EXPECT_EXIT(
        {
            LimitAddressSpace(size_t(256) << 20);
            GameFrame::LoadLevel("Resources\\LevelData\\Level1");
            world.factory->LoadArchetypes();
            TextSerializer animations("Resources/Art/Animations.dat", TextSerializer::ReadOnly);
            EngineConfig config(world.folder.File("Documents"));
            config.Load();
            const std::string log = world.log.Text();
            // The configuration used to be logged as loaded, its window 0 x 0.
            bool refused = world.factory->mObjects.empty() && !animations.IsOpen() && config.mWidth == 1366 &&
                           log.find("EngineCfg.ini\" is 2048 MB, more than the 64 MB it may be; it is not read, and "
                                    "the defaults are used.") != std::string::npos &&
                           log.find("Engine configuration loaded.") == std::string::npos;
            for (const std::string& file : files)
                refused = refused && log.find(file + "\" is 2048 MB, more than the 64 MB") != std::string::npos;
            if (!refused)
                std::fprintf(stderr, "%s\n", log.c_str());
            std::_Exit(refused ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    for (const std::string& file : files)
        EXPECT_EQ(fs::file_size(world.folder.File(file)), huge) << file;
}

TEST(LoaderRobustness, RunningOutOfMemoryEndsALoadWithALogLineNotTheProgram)
{
    World world;
    world.factory->AddComponentCreator("Greedy", new ComponentCreatorType<GreedyComponent>(13));
    WriteFile(world.folder.File("Resources/LevelData/Level1.xml"),
              "<Level1><GameObjects GameObjectCount=\"2\"><A GameObjectName=\"A\"><ObjectTag Value=\"0\"/></A>"
              "<B GameObjectName=\"B\"><ObjectTag Value=\"0\"/><Greedy/></B></GameObjects></Level1>");
    WriteFile(world.folder.File("Resources/Archetype/Crate.txt"), "Crate\n3\nGreedy\nEND\n");

    // On the loader thread an escaping exception used to end the program.
    std::atomic<bool> done{false};
    testing::internal::CaptureStdout();
    std::thread loader(GameFrame::LoadLevelThread, std::string("Resources\\LevelData\\Level1"), &done);
    loader.join();
    testing::internal::GetCapturedStdout();
    EXPECT_TRUE(done.load());
    EXPECT_NE(world.factory->FindObject("A"), nullptr);
    EXPECT_NE(world.log.Text().find("Loading of \"Resources\\LevelData\\Level1\" ran out of memory"), std::string::npos)
        << world.log.Text();

    const std::string list = ReadFile(world.folder.File("Resources/Archetype/Archetype.dat"));
    world.factory->LoadArchetypes();
    EXPECT_NE(world.log.Text().find("Loading of the archetypes ran out of memory"), std::string::npos);
    world.factory->SaveArchetypes();
    EXPECT_EQ(ReadFile(world.folder.File("Resources/Archetype/Archetype.dat")), list)
        << "a list read in part is not written back shorter";
    EXPECT_EQ(ReadFile(world.folder.File("Resources/Archetype/Crate.txt")), "Crate\n3\nGreedy\nEND\n");
}

TEST(LoaderRobustness, SoundsDecodeWhereNoWorkerThreadCanStart)
{
    TempFolder folder;
    TestSupport::LogCapture log;
    TestSupport::WriteBytes(folder.File("A.wav"), TestSupport::MakeWav16({1, 2, 3, 4}, 1, 8000));
    Sound::BackgroundDecoder decoder;
    // As when the system has no thread or address space left: the start used
    // to throw out of the sound list's load and end the program.
    FailThreadStarts(1);
    const auto job = decoder.Add(folder.File("A.wav"), false);
    EXPECT_TRUE(job->IsDone()) << "queued for a worker that never came";
    EXPECT_EQ(job->GetResult(), Sound::Result::Ok);
    EXPECT_NE(log.Text().find("No thread could be started for decoding sounds"), std::string::npos) << log.Text();
    const auto next = decoder.Add(folder.File("A.wav"), false); // a worker again
    next->Finish();
    EXPECT_EQ(next->GetResult(), Sound::Result::Ok);
}
