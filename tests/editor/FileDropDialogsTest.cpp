// Files dropped on the editor: which dialog opens, how a PNG is proposed as a
// sheet, and what "Save!" copies and registers (or refuses).
#include <gtest/gtest.h>
#include <stb/stb_image_write.h>
#include <filesystem>
#include <vector>
#include "audio/AudioManager.h"
#include "core/engine/Message.h"
#include "editor/EditorDialogState.h"
#include "graphics/GraphicsSystem.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::EditorHarness;
using TestSupport::FindItem;
namespace fs = std::filesystem;

namespace
{
std::string MakePng(const std::string& path, int width, int height)
{
    fs::create_directories(fs::path(path).parent_path());
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4, 200);
    EXPECT_NE(stbi_write_png(path.c_str(), width, height, 4, pixels.data(), width * 4), 0);
    return path;
}

struct FileDrop : ::testing::Test
{
    void Drop(const std::string& path)
    {
        FileDropMessage drop(path);
        mEditor.mEditor->SendMessage(&drop);
        mEditor.Frame(4); // the editor's first frame, then the dialog's first (unseen) layout
    }
    FileDropState& State() { return DialogStateOf(*mEditor.mEditor).mFileDrop; }
    void SetIdentifier(const char* key) { std::snprintf(State().mIdentifier, sizeof(State().mIdentifier), "%s", key); }
    void SetSaveName(const char* name) { std::snprintf(mEditor.mEditor->mTextBuffer, 64, "%s", name); }
    SpriteSheetTable& Sheets() { return mEditor.mWorld->mGraphics->mSpriteSheets; }
    std::string Outside(const std::string& name) { return mOutside.File(name); }

    EditorHarness mEditor;
    TestSupport::TempFolder mOutside; // where dropped files come from
};
} // namespace

TEST_F(FileDrop, APngOpensTheArtDialogWithItsNameAndFrameCountsFromItsSize)
{
    Drop(MakePng(Outside("art/hero.png"), 1024, 1024));
    ASSERT_NE(FindItem("Save!", "FileDropArt"), nullptr) << TestSupport::DescribeRecordedItems();
    EXPECT_STREQ(mEditor.mEditor->mTextBuffer, "hero.png");
    EXPECT_EQ(mEditor.mEditor->mImportSheet.mRows, 8);
    EXPECT_EQ(mEditor.mEditor->mImportSheet.mCols, 8);
    EXPECT_EQ(mEditor.mEditor->mImportSheet.mFrames.size(), 64u);

    ASSERT_TRUE(mEditor.Click("Close!", "FileDropArt"));
    EXPECT_FALSE(mEditor.mEditor->mFileDropped);
    EXPECT_EQ(mEditor.mEditor->mTextBuffer[0], '\0');

    // A strip, dropped with Windows separators: the name is still only the file's.
    const std::string strip = MakePng(Outside("strip.png"), 1024, 128);
    Drop(Outside("") + "..\\" + fs::path(Outside("")).filename().string() + "\\strip.png");
    EXPECT_STREQ(mEditor.mEditor->mTextBuffer, "strip.png");
    mEditor.mEditor->mLastDroppedFile = strip; // the backslash path does not open on Linux
    ASSERT_TRUE(mEditor.Click("Close!", "FileDropArt"));
    Drop(strip);
    // Rows run down the image and columns across it, as the sheet is sliced.
    EXPECT_EQ(mEditor.mEditor->mImportSheet.mRows, 1);
    EXPECT_EQ(mEditor.mEditor->mImportSheet.mCols, 8);

    // Editing the rows re-slices the sheet.
    State().mWorkingRows = 2;
    mEditor.Frame();
    EXPECT_EQ(mEditor.mEditor->mImportSheet.mFrames.size(), 16u);
}

TEST_F(FileDrop, OnlyLowerCasePngAndOggOpenTheirDialogs)
{
    TestSupport::WriteFile(Outside("tune.OGG"), "x");
    Drop(Outside("tune.OGG"));
    EXPECT_NE(FindItem("Close!", "FileDropNone"), nullptr);
    EXPECT_EQ(FindItem("Save!"), nullptr);
    ASSERT_TRUE(mEditor.Click("Close!", "FileDropNone"));
    EXPECT_FALSE(mEditor.mEditor->mFileDropped);

    TestSupport::WriteFile(Outside("tune.ogg"), "x");
    Drop(Outside("tune.ogg"));
    EXPECT_NE(FindItem("Save!", "FileDropSound"), nullptr);
    EXPECT_NE(FindItem("##maxvol", "FileDropSound"), nullptr);
}

TEST_F(FileDrop, SaveCopiesTheImageAndRegistersASheetUsableAtOnce)
{
    fs::create_directories(mEditor.mWorld->File("Resources/Art"));
    Drop(MakePng(Outside("hero.png"), 256, 128));
    SetIdentifier("Hero");
    mEditor.Frame();
    ASSERT_TRUE(mEditor.Click("Save!", "FileDropArt"));
    EXPECT_TRUE(fs::is_regular_file(mEditor.mWorld->File("Resources/Art/hero.png")));
    ASSERT_EQ(Sheets().count("Hero"), 1u);
    const SpriteSheet& sheet = Sheets().at("Hero");
    EXPECT_EQ(sheet.mName, "Hero");
    EXPECT_EQ(sheet.GetPath(), "Resources/Art/hero.png");
    EXPECT_EQ(sheet.mRows, 1);
    EXPECT_EQ(sheet.mCols, 2);
    ASSERT_EQ(sheet.mFrames.size(), 2u);
    // Each frame holds one half of the width, the whole height.
    EXPECT_FLOAT_EQ(sheet.mFrames[1].mCorners[0].x, 0.5f);
    EXPECT_FLOAT_EQ(sheet.mFrames[1].mCorners[3].y, 1.0f);
    EXPECT_FALSE(mEditor.mEditor->mFileDropped);
    EXPECT_EQ(mEditor.mEditor->mImportSheet.mFrames.size(), 0u); // reset for the next import

    // At shutdown the new sheet goes into the art list with a text file of its own.
    WriteArtList("Resources/Art/Art.dat", Sheets());
    EXPECT_EQ(TestSupport::ReadLines(mEditor.mWorld->File("Resources/Art/Art.dat")),
              (std::vector<std::string>{"Hero", "Resources/Art/hero.txt"}));
    EXPECT_EQ(TestSupport::ReadLines(mEditor.mWorld->File("Resources/Art/hero.txt")),
              (std::vector<std::string>{"1", "2", "Hero", "Sprite1", "Sprite2"}));
}

TEST_F(FileDrop, BadNamesAFailedCopyOrATakenKeyRegisterNothing)
{
    const std::string png = MakePng(Outside("hero.png"), 256, 256);
    Drop(png);
    const auto refused = [&](const char* name, const char* key)
    {
        SetSaveName(name);
        SetIdentifier(key);
        mEditor.Frame();
        EXPECT_TRUE(mEditor.Click("Save!", "FileDropArt")) << name;
        EXPECT_TRUE(mEditor.mEditor->mFileDropped) << name; // the dialog stays open
        EXPECT_FALSE(State().mProblem.empty()) << name;
        EXPECT_EQ(Sheets().count(key), 0u) << name;
    };
    // No "Resources/Art" yet: the copy fails.
    refused("hero.png", "Hero");
    EXPECT_NE(mEditor.LogText().find("could not be copied"), std::string::npos);
    fs::create_directories(mEditor.mWorld->File("Resources/Art"));
    for (const char* name : {"", "../hero.png", "sub/hero.png", "/tmp/hero.png", "my hero.png", "hero.bmp", "hero"})
        refused(name, "Hero");
    refused("hero.png", "");
    refused("hero.png", "Two Words");
    EXPECT_FALSE(fs::exists(mEditor.mWorld->File("Resources/hero.png")));
    EXPECT_FALSE(fs::exists(mEditor.mWorld->File("Resources/Art/hero.png")));

    Sheets()["Taken"] = SpriteSheet();
    Sheets()["Taken"].mName = "Taken";
    SetSaveName("hero.png");
    SetIdentifier("Taken");
    mEditor.Frame();
    ASSERT_TRUE(mEditor.Click("Save!", "FileDropArt"));
    EXPECT_TRUE(mEditor.mEditor->mFileDropped);
    EXPECT_EQ(Sheets().size(), 1u);
    EXPECT_EQ(Sheets().at("Taken").GetPath(), "NO PATH");
    EXPECT_FALSE(fs::exists(mEditor.mWorld->File("Resources/Art/hero.png")));

    // An image already in the folder (no sheet lists it, or its sheet failed
    // to load) is never replaced; dropping that very file imports it in place.
    const std::string mine = MakePng(mEditor.mWorld->File("Resources/Art/mine.png"), 128, 128);
    const std::string before = TestSupport::ReadFile(mine);
    refused("mine.png", "Mine");
    EXPECT_NE(State().mProblem.find("already exists"), std::string::npos) << State().mProblem;
    EXPECT_TRUE(TestSupport::ReadFile(mine) == before); // bytes: no dump of an image
    ASSERT_TRUE(mEditor.Click("Close!", "FileDropArt"));
    Drop(mine);
    SetIdentifier("Mine");
    mEditor.Frame();
    ASSERT_TRUE(mEditor.Click("Save!", "FileDropArt"));
    ASSERT_EQ(Sheets().count("Mine"), 1u) << State().mProblem;
    EXPECT_EQ(Sheets().at("Mine").GetPath(), "Resources/Art/mine.png");
}

TEST_F(FileDrop, SaveCopiesASoundAndAddsItToTheSoundList)
{
    TestSupport::WriteFile(Outside("boing.ogg"), "not really a sound");
    Drop(Outside("boing.ogg"));
    SetIdentifier("");
    mEditor.Frame();
    ASSERT_TRUE(mEditor.Click("Save!", "FileDropSound"));
    EXPECT_TRUE(mEditor.mEditor->mFileDropped); // refused: no identifier
    EXPECT_EQ(mEditor.mWorld->mAudio->FindSound(""), nullptr);

    fs::create_directories(mEditor.mWorld->File("Resources/Audio"));
    SetIdentifier("Boing");
    SetSaveName("boing.ogg");
    mEditor.Frame();
    ASSERT_TRUE(mEditor.Click("Save!", "FileDropSound"));
    EXPECT_FALSE(mEditor.mEditor->mFileDropped);
    EXPECT_EQ(TestSupport::ReadFile(mEditor.mWorld->File("Resources/Audio/boing.ogg")), "not really a sound");
    const SoundEntry* sound = mEditor.mWorld->mAudio->FindSound("Boing");
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->mFile, "Resources/Audio/boing.ogg");

    // A taken key or a file already in the folder is refused, nothing replaced.
    TestSupport::WriteFile(Outside("other.ogg"), "another sound");
    const auto refused = [&](const char* name, const char* key)
    {
        Drop(Outside("other.ogg"));
        SetIdentifier(key);
        SetSaveName(name);
        mEditor.Frame();
        ASSERT_TRUE(mEditor.Click("Save!", "FileDropSound"));
        EXPECT_TRUE(mEditor.mEditor->mFileDropped) << name << " " << key;
        EXPECT_NE(State().mProblem.find("already exists"), std::string::npos) << State().mProblem;
        ASSERT_TRUE(mEditor.Click("Close!", "FileDropSound"));
    };
    refused("other.ogg", "Boing");
    EXPECT_EQ(mEditor.mWorld->mAudio->FindSound("Boing")->mFile, "Resources/Audio/boing.ogg");
    EXPECT_FALSE(fs::exists(mEditor.mWorld->File("Resources/Audio/other.ogg")));
    refused("boing.ogg", "Other");
    EXPECT_EQ(mEditor.mWorld->mAudio->FindSound("Other"), nullptr);
    EXPECT_EQ(TestSupport::ReadFile(mEditor.mWorld->File("Resources/Audio/boing.ogg")), "not really a sound");
}
