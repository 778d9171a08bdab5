// The shipped art and sound, loaded with the engine's own loaders: every sheet,
// animation and sound the game's scripts name is there and usable, and reading
// then writing the lists (or a whole run of the program) changes no byte.
#include <gtest/gtest.h>
#include <stb/stb_image.h>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include "audio/SoundList.h"
#include "audio/sound/Decoder.h"
#include "core/serializers/TextSerializer.h"
#include "graphics/Animation.h"
#include "graphics/ArtList.h"
#include "support/ProgramRun.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::ReadFile;

namespace
{
namespace fs = std::filesystem;

// Sheets the scripts and levels rely on, with the fewest frames each needs.
const std::map<std::string, size_t> kSheets = {
    {"Apple", 67},      // rolling frames 0/22/44/66 on the apple's own sheet
    {"MouseCursor", 6}, // cursor kinds 0, 1 and 5
    {"ConveyerBeltGreen", 1},
    {"ConveyerBeltRed", 1},
    {"Background_Human", 1},
    {"Background_Human_wBasket", 1},
    {"WinScreenBG", 1},
    {"LoseScreenBG", 1},
    {"PauseScreenBG", 1},
    {"UIAppleConfirmation", 1},
    {"UIAppleControls", 1},
    {"SpeedIndicator", 4}, // normal and fast, each with its hover frame
    {"Star", 2},           // empty and filled
    {"Heart", 1},
    {"AirCon", 12},  // the clickable switches show frames 10 and 11
    {"Switch", 5},   // pressed 3, released 4, clickable 0/2/3
    {"Mushroom", 7}, // rest frame 6
    {"Crate", 2},    // frame 1 after the push
    {"Worm", 9},     // the top worm's animation reaches frame 8
    {"TopAppleFront", 2},
    {"LevelPicks", 63}, // nine picks of seven frames
    {"Rat", 7},         // "New_Rat" starts on frame 6
    {"TilePlatform", 64},
    {"TilePlatform2", 64},
    {"TilePlatform3", 64},
    {"PlaceHolder1", 4},
    {"Cloud", 1},
    {"Van", 1},
    {"VanWheel", 1},
    {"BlackScreen", 1},
};

// Animations the scripts start by name, with the rate they play at.
const std::map<std::string, uint32_t> kAnimations = {
    {"Apple100", 12},          {"Apple75", 12},    {"Apple50", 12},       {"Apple100Pop", 23},
    {"Apple75Pop", 23},        {"Apple50Pop", 23}, {"AppleDyingAni", 14}, {"AppleLand", 18},
    {"AppleChangeDirAni", 15}, {"New_Rat", 0},     {"Tester", 0},
};

const char* const kMusic[] = {"MainMenu_Background_Music",
                              "Game_Background_Music",
                              "MenuBG",
                              "WinScreenBG",
                              "LoseScreenBG",
                              "WinScreenBGM",
                              "LoseScreenBGM",
                              "EndSceneBGM"};
const char* const kEffects[] = {
    "Button_Sound", "AppleBounce",       "AppleFly",          "AppleLand",       "AppleHit",    "Checkpoint",
    "ButtonHover",  "ButtonClick",       "ButtonHoverLeaf",   "ButtonClickLeaf", "SwitchPress", "RoachWalk",
    "MiceSound",    "KetchupBobble",     "IcicleLand",        "AirCon",          "CounterBell", "IntroTruck",
    "LogoSound",    "EndSceneTruckStay", "EndSceneTruckMove", "WinStar0",        "WinStar1",    "WinStar2",
    "WinScreenStar"};

class ShippedContent : public ::testing::Test
{
protected:
    void SetUp() override
    {
        TestSupport::CopyResources(mFolder.Path());
        mCwd = std::make_unique<TestSupport::WorkingDirectory>(mFolder.Path());
    }
    void TearDown() override { mCwd.reset(); }

    SpriteSheetTable Sheets()
    {
        SpriteSheetTable table;
        ReadArtList("Resources/Art/Art.dat", table);
        return table;
    }
    AnimationTable Animations()
    {
        AnimationTable table;
        TextSerializer file("Resources/Art/Animations.dat", TextSerializer::ReadOnly);
        EXPECT_TRUE(ReadAnimations(file, table));
        return table;
    }
    SoundEntries Sounds()
    {
        SoundEntries sounds;
        EXPECT_TRUE(ReadSoundList("Resources/Audio/Audio.dat", sounds));
        return sounds;
    }

    TestSupport::TempFolder mFolder;
    std::unique_ptr<TestSupport::WorkingDirectory> mCwd;
};

std::string Original(const std::string& relative) { return ReadFile(std::string(TANDREL_SOURCE_DIR) + "/" + relative); }

// Every file below root by its relative path, in name order.
std::map<std::string, std::string> Files(const std::string& root)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file())
            files[entry.path().lexically_relative(root).string()] = ReadFile(entry.path().string());
    return files;
}

// Compares file by file, naming the files that differ instead of printing their bytes.
void ExpectSameFiles(const std::string& folder, const std::string& shipped)
{
    const auto actual = Files(folder);
    const auto expected = Files(shipped);
    for (const auto& [name, bytes] : expected)
        EXPECT_TRUE(actual.count(name) && actual.at(name) == bytes) << name << " changed or went missing";
    for (const auto& [name, bytes] : actual)
        EXPECT_TRUE(expected.count(name)) << name << " appeared";
}
} // namespace

TEST_F(ShippedContent, EverySheetLoadsWholeFramesAndTheNamedOnesHaveEnough)
{
    const SpriteSheetTable sheets = Sheets();
    EXPECT_GE(sheets.size(), kSheets.size());
    for (const auto& [name, sheet] : sheets)
    {
        SCOPED_TRACE(name);
        EXPECT_EQ(sheet.mName, name);
        ASSERT_NE(sheet.GetPath(), "NO PATH");
        ASSERT_EQ(sheet.mFrames.size(), static_cast<size_t>(sheet.mRows * sheet.mCols));
        // Frames must cut the image into whole pixels, or neighbours bleed in.
        EXPECT_EQ(sheet.mWidth % sheet.mCols, 0);
        EXPECT_EQ(sheet.mHeight % sheet.mRows, 0);
        EXPECT_LE(sheet.mWidth, 4096);
        EXPECT_LE(sheet.mHeight, 4096);
    }
    for (const auto& [name, frames] : kSheets)
    {
        ASSERT_EQ(sheets.count(name), 1u) << name;
        EXPECT_GE(sheets.at(name).mFrames.size(), frames) << name;
    }
}

TEST_F(ShippedContent, EveryAnimationPlaysFramesInsideItsSheet)
{
    const SpriteSheetTable sheets = Sheets();
    const AnimationTable animations = Animations();
    for (const auto& [name, animation] : animations)
    {
        SCOPED_TRACE(name);
        ASSERT_EQ(sheets.count(animation.mSpriteSheetKey), 1u) << animation.mSpriteSheetKey;
        EXPECT_FALSE(animation.mFrames.empty());
        EXPECT_GT(animation.mFramesPerSecond, 0u);
        for (uint32_t frame : animation.mFrames)
            EXPECT_LT(frame, sheets.at(animation.mSpriteSheetKey).mFrames.size());
    }
    for (const auto& [name, fps] : kAnimations)
    {
        ASSERT_EQ(animations.count(name), 1u) << name;
        if (fps != 0)
        {
            EXPECT_EQ(animations.at(name).mFramesPerSecond, fps) << name;
        }
    }
    // The apple's rolling frames are written into whatever sheet it shows, and
    // its effects start on frame 29: all of them must share the apple's sheet.
    for (const char* name : {"Apple100", "Apple75", "Apple50", "Apple100Pop", "Apple75Pop", "Apple50Pop",
                             "AppleDyingAni", "AppleLand", "AppleChangeDirAni"})
        EXPECT_EQ(animations.at(name).mSpriteSheetKey, "Apple") << name;
    EXPECT_EQ(animations.at("AppleLand").mFrames.front(), 29u);
    EXPECT_EQ(animations.at("AppleChangeDirAni").mFrames.front(), 29u);
}

TEST_F(ShippedContent, EverySoundKeyIsListedOnceWithItsKindAndDecodes)
{
    const SoundEntries sounds = Sounds();
    std::map<std::string, uint32_t> types;
    for (const auto& entry : sounds)
    {
        SCOPED_TRACE(entry->mKey);
        EXPECT_TRUE(types.emplace(entry->mKey, entry->mType).second) << "listed twice";
        EXPECT_GT(entry->mVolume, 0.0f);
        EXPECT_LE(entry->mVolume, 1.0f);
        Sound::SoundData data;
        ASSERT_EQ(Sound::DecodeFile(entry->mFile, data), Sound::Result::Ok);
        EXPECT_GT(data.mSamples.size(), 0u);
    }
    for (const char* key : kMusic)
        EXPECT_EQ(types.count(key) ? types.at(key) : 99u, 0u) << key;
    for (const char* key : kEffects)
        EXPECT_EQ(types.count(key) ? types.at(key) : 99u, 1u) << key;
}

TEST_F(ShippedContent, ReadingAndWritingTheListsChangesNoByte)
{
    WriteArtList("Resources/Art/Art.dat", Sheets());
    const AnimationTable animations = Animations();
    {
        TextSerializer file("Resources/Art/Animations.dat", TextSerializer::Write);
        ASSERT_TRUE(WriteAnimations(file, animations));
    }
    ASSERT_TRUE(WriteSoundList("Resources/Audio/Audio.dat", Sounds()));
    ExpectSameFiles("Resources/Art", std::string(TANDREL_SOURCE_DIR) + "/Resources/Art");
    EXPECT_EQ(ReadFile("Resources/Audio/Audio.dat"), Original("Resources/Audio/Audio.dat"));
}

TEST_F(ShippedContent, StaysSmall)
{
    uintmax_t bytes = 0;
    for (const char* folder : {"Resources/Art", "Resources/Audio"})
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file())
                bytes += entry.file_size();
    EXPECT_LT(bytes, 30u * 1024 * 1024);
}

TEST(ShippedContentRun, AStartAndQuitLeavesTheArtAndSoundFilesByteIdentical)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "no display";
    TestSupport::ProgramRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_TRUE(run.WaitForLog("Game is running."));
    ASSERT_EQ(run.Stop(), 0);
    for (const char* folder : {"Resources/Art", "Resources/Audio"})
        ExpectSameFiles(run.Work().File(folder), std::string(TANDREL_SOURCE_DIR) + "/" + folder);
}
