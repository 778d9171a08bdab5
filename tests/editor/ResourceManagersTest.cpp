// The art, animation and sound managers on small tables in the headless editor.
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "editor/EditorDialogState.h"
#include "editor/EditorDialogs.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"
#include "editor/SpriteSheetUsage.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::EditorHarness;
using TestSupport::FindItem;

namespace
{
struct Managers : ::testing::Test
{
    void SetUp() override
    {
        // Sheets without textures: frames are what the managers work on.
        for (const auto& [key, rows] : {std::pair<const char*, int>{"Alpha", 2}, {"Beta", 1}, {"Gamma", 3}})
        {
            SpriteSheet sheet;
            sheet.mName = key;
            sheet.mRows = rows;
            sheet.mCols = 2;
            sheet.Slice();
            Sheets()[key] = sheet;
        }
        mEditor.mWorld->mGraphics->mTileTextureNames = {"TilePlatform"};
        mEditor.mWorld->mGraphics->mTilesetName = "TilePlatform";
        mEditor.mWorld->mFactory->mTileGrid.SetTilesetName("TilePlatform");
    }
    void Open(int dialog)
    {
        mEditor.mEditor->mOpenDialog = dialog;
        mEditor.Frame(4); // the editor's first frame, then the dialog's first (unseen) layout
    }
    SpriteSheetTable& Sheets() { return mEditor.mWorld->mGraphics->mSpriteSheets; }
    ManagerState& State() { return DialogStateOf(*mEditor.mEditor).mManagers; }
    AnimationTable& Animations() { return mEditor.mWorld->mRendering->mAnimations; }

    EditorHarness mEditor;
};
} // namespace

TEST_F(Managers, ASheetInUseIsNotDeletedAndTheDialogSaysWhoUsesIt)
{
    Composition* apple = mEditor.mWorld->mFactory->CreateObject("Apple", ObjectKind::GameObject);
    mEditor.mWorld->mFactory->AddComponent(apple, "Renderer");
    apple->GetComponent<Renderer>()->SetSpriteSheet("Alpha");
    Animations()["Blink"] = Animation{"Beta", "Blink", {0, 1}, 4};
    // A sheet only an archetype shows, and one only the code names.
    for (const char* key : {"Hat", "LoseScreenBG"})
        Sheets()[key].mName = key;
    Composition* hatter = mEditor.mWorld->mFactory->CreateObject("Hatter", ObjectKind::Archetype);
    mEditor.mWorld->mFactory->AddComponent(hatter, "Renderer");
    hatter->GetComponent<Renderer>()->SetSpriteSheet("Hat");
    EXPECT_EQ(SpriteSheetUser("Alpha"), "the renderer of Apple");
    EXPECT_EQ(SpriteSheetUser("Beta"), "the animation Blink");
    EXPECT_EQ(SpriteSheetUser("TilePlatform"), "the tile map");
    EXPECT_EQ(SpriteSheetUser("Hat"), "the renderer of Hatter");
    EXPECT_EQ(SpriteSheetUser("LoseScreenBG"), "the program itself");
    EXPECT_EQ(SpriteSheetUser("Gamma"), "");

    Open(EditorDialog::ArtManager);
    for (int index : {0, 1, 3, 4})
    {
        State().mSheetIndex = index;
        mEditor.Frame();
        ASSERT_TRUE(mEditor.Click("Delete Sprite Sheet", "Art Manager")) << TestSupport::DescribeRecordedItems();
        EXPECT_EQ(Sheets().size(), 5u);
        EXPECT_NE(State().mProblem.find("is used by"), std::string::npos) << State().mProblem;
    }

    // Levels that are not loaded name sheets in their files: a Renderer's key,
    // a particle component's sprite, a tile file's tileset. Another field
    // holding the same word (a sound key) names no sheet.
    const auto level = [&](const std::string& name, const std::string& text)
    { TestSupport::WriteFile(mEditor.mWorld->File("Resources/LevelData/" + name), text); };
    level("D.xml", "<D><Crate><Renderer><SpriteSheetKey Value=\"Gamma\"/></Renderer></Crate></D>");
    level("B.xml", "<B><Smoke><ParticleComponent><SpriteName Value=\"Gamma\"/></ParticleComponent></Smoke></B>");
    level("A.dat", "Gamma\r\n2\n1\n0 0 \n");
    level("C.xml", "<C><Broken Value=\"Gamma\"></C>"); // does not parse: its text decides
    level("E.xml", "<E><Can><AudioComponent><Key Value=\"Gamma\"/></AudioComponent></Can></E>");
    level("F.dat", "TilePlatform\nGamma\n");
    EXPECT_EQ(LevelFilesNamingSheet("Gamma", "Resources/LevelData/"),
              (std::vector<std::string>{"A.dat", "B.xml", "C.xml", "D.xml"}));
    State().mSheetIndex = 2;
    mEditor.Frame();
    ASSERT_TRUE(mEditor.Click("Delete Sprite Sheet", "Art Manager"));
    EXPECT_EQ(Sheets().count("Gamma"), 1u);
    EXPECT_NE(State().mProblem.find("is used by the level files A.dat, B.xml, C.xml (and 1 more)"), std::string::npos)
        << State().mProblem;
    for (const char* name : {"A.dat", "B.xml", "C.xml", "D.xml"})
        std::filesystem::remove(mEditor.mWorld->File(std::string("Resources/LevelData/") + name));

    State().mSheetIndex = 2;
    mEditor.Frame();
    ASSERT_TRUE(mEditor.Click("Delete Sprite Sheet", "Art Manager"));
    EXPECT_EQ(Sheets().count("Gamma"), 0u);
    EXPECT_EQ(State().mSheetIndex, 0); // the first sheet is shown
    EXPECT_TRUE(State().mProblem.empty());
    // The frames of the shown sheet can be renamed; a blank-free word only.
    EXPECT_NE(FindItem("##framename", ""), nullptr);

    Sheets().clear();
    mEditor.Frame();
    ASSERT_TRUE(mEditor.Click("Delete Sprite Sheet", "Art Manager"));
    EXPECT_TRUE(Sheets().empty());
    ASSERT_TRUE(mEditor.Click("Close", "Art Manager"));
    EXPECT_EQ(mEditor.mEditor->mOpenDialog, EditorDialog::None);
}

TEST(ArtManager, TheShippedLevelsKeepTheirBackdrops)
{
    // The near backdrop of the warehouse levels.
    const std::vector<std::string> users =
        LevelFilesNamingSheet("BG_Warehouse_Near", TANDREL_SOURCE_DIR "/Resources/LevelData/");
    EXPECT_NE(std::find(users.begin(), users.end(), "Level4.xml"), users.end());
}

TEST_F(Managers, PickingStopsAt64AndAChangeOfSheetClearsThePicks)
{
    Open(EditorDialog::AnimationManager);
    ASSERT_TRUE(mEditor.Click("#image", "")) << TestSupport::DescribeRecordedItems(); // frame 0 of "Alpha"
    EXPECT_EQ(State().mPickedFrames, (std::vector<uint32_t>{0}));
    State().mPickedFrames.assign(64, 1);
    ASSERT_TRUE(mEditor.Click("#image", ""));
    EXPECT_EQ(State().mPickedFrames.size(), 64u);

    State().mSheetIndex = 1;
    mEditor.Frame();
    EXPECT_TRUE(State().mPickedFrames.empty());
    ASSERT_TRUE(mEditor.Click("Close", "Animation Manager"));
}

TEST_F(Managers, AnAnimationIsSavedOnlyWithFramesAOneWordNewNameAndNoNegativeRate)
{
    ManagerState& state = State();
    EXPECT_FALSE(SaveAnimation(state, "Alpha", "Run").empty()); // no frames
    state.mPickedFrames = {0, 2, 1};
    for (const char* bad : {"", "Run Fast", " "})
        EXPECT_FALSE(SaveAnimation(state, "Alpha", bad).empty()) << bad;
    EXPECT_FALSE(SaveAnimation(state, "", "Run").empty());
    state.mAnimationFps = -3;
    EXPECT_FALSE(SaveAnimation(state, "Alpha", "Run").empty());
    EXPECT_TRUE(Animations().empty());

    state.mAnimationFps = 12;
    EXPECT_EQ(SaveAnimation(state, "Alpha", "Run"), "");
    ASSERT_EQ(Animations().count("Run"), 1u);
    EXPECT_EQ(Animations().at("Run").mSpriteSheetKey, "Alpha");
    EXPECT_EQ(Animations().at("Run").mFrames, (std::vector<uint32_t>{0, 2, 1}));
    EXPECT_EQ(Animations().at("Run").mFramesPerSecond, 12u);
    // A taken name leaves the table as it was.
    state.mPickedFrames = {1};
    EXPECT_FALSE(SaveAnimation(state, "Beta", "Run").empty());
    EXPECT_EQ(Animations().at("Run").mSpriteSheetKey, "Alpha");
}

TEST_F(Managers, ThePreviewStepsOnceASecondAtRateZeroAndEveryFrameWhenNegative)
{
    Open(EditorDialog::AnimationManager);
    State().mPickedFrames = {3, 1};
    State().mAnimationFps = 0;
    mEditor.Frame();
    ASSERT_TRUE(mEditor.Click("Play", "")) << TestSupport::DescribeRecordedItems();
    EXPECT_TRUE(State().mPlaying);
    EXPECT_EQ(State().mPreviewFrame, 3u);
    // 64 frames of 1/64 s make the second.
    State().mTimer = 0.0f;
    State().mPlayPosition = 0;
    State().mPreviewFrame = 3;
    mEditor.Frame(63);
    EXPECT_EQ(State().mPreviewFrame, 3u);
    mEditor.Frame();
    EXPECT_EQ(State().mPreviewFrame, 1u);

    State().mAnimationFps = -1;
    mEditor.Frame();
    EXPECT_EQ(State().mPreviewFrame, 3u);
    mEditor.Frame();
    EXPECT_EQ(State().mPreviewFrame, 1u);
    ASSERT_TRUE(mEditor.Click("Stop", ""));
    EXPECT_FALSE(State().mPlaying);
}

TEST(SoundManager, PlayStopAndCloseDriveTheMusic)
{
    EditorHarness editor(true);
    const std::vector<std::string> keys = editor.mWorld->mAudio->GetSoundKeys();
    ASSERT_GT(keys.size(), 1u);
    EXPECT_EQ(keys.front(), " ");
    editor.mEditor->mOpenDialog = EditorDialog::SoundManager;
    editor.Frame(4);
    std::vector<const TestSupport::RecordedItem*> plays;
    for (const auto& item : TestSupport::RecordedItems())
        if (item.mLabel == "Play!")
            plays.push_back(&item);
    ASSERT_GT(plays.size(), 1u) << TestSupport::DescribeRecordedItems();
    TestSupport::RecordedItem second = *plays[1];
    editor.mWorld->mSounds.Clear();
    ASSERT_TRUE(editor.Click(&second));
    EXPECT_TRUE(editor.mWorld->mAudio->IsMusicPlaying());
    ASSERT_TRUE(editor.Click("Stop!"));
    EXPECT_FALSE(editor.mWorld->mAudio->IsMusicPlaying());
    ASSERT_TRUE(editor.Click(&second));
    EXPECT_TRUE(editor.mWorld->mAudio->IsMusicPlaying());
    ASSERT_TRUE(editor.Click("Close", "Sound Manager"));
    EXPECT_FALSE(editor.mWorld->mAudio->IsMusicPlaying());
    EXPECT_EQ(editor.mEditor->mOpenDialog, EditorDialog::None);
}
