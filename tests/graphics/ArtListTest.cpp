// The art list and the sheet text files: slicing, reading, writing back, and
// what a damaged list must never do to the files.
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>
#include <filesystem>
#include <vector>
#include "GraphicsTestSupport.h"
#include "graphics/ArtList.h"
#include "support/ObjectTestSupport.h"

using namespace Framework;
using TestSupport::ReadFile;
using TestSupport::WriteFile;

namespace
{
void WritePng(const std::string& path, int width, int height)
{
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4, 200);
    stbi_write_png(path.c_str(), width, height, 4, pixels.data(), width * 4);
}

class ArtListTest : public GraphicsTest::ResourceFolderTest
{
protected:
    SpriteSheetTable Read()
    {
        SpriteSheetTable table;
        ReadArtList("Resources/Art/Art.dat", table);
        return table;
    }
};

TEST(SpriteSheetSlice, FramesAreRowMajorWithAccumulatedCorners)
{
    SpriteSheet sheet;
    sheet.mRows = 2;
    sheet.mCols = 4;
    sheet.mId = 7;
    sheet.Slice();
    ASSERT_EQ(sheet.mFrames.size(), 8u);
    const Sprite& frame = sheet.mFrames[5];
    EXPECT_EQ(frame.mName, "Sprite6");
    EXPECT_EQ(frame.mTextureId, 7u);
    EXPECT_FLOAT_EQ(frame.mCorners[Sprite::TopLeft].x, 0.25f);
    EXPECT_FLOAT_EQ(frame.mCorners[Sprite::TopLeft].y, 0.5f);
    EXPECT_FLOAT_EQ(frame.mCorners[Sprite::BottomRight].x, 0.5f);
    EXPECT_FLOAT_EQ(frame.mCorners[Sprite::BottomRight].y, 1.0f);
    sheet.mRows = 0;
    sheet.Slice();
    EXPECT_TRUE(sheet.mFrames.empty());
}

TEST_F(ArtListTest, ShippedSheetsAllLoadWithTheirFrames)
{
    const SpriteSheetTable table = Read();
    for (const char* name : {"TilePlatform", "TilePlatform2", "TilePlatform3", "PlaceHolder1", "Cloud", "MouseCursor"})
    {
        ASSERT_EQ(table.count(name), 1u) << name;
        EXPECT_NE(table.at(name).GetPath(), "NO PATH") << name;
        EXPECT_FALSE(table.at(name).mFrames.empty()) << name;
    }
    EXPECT_GE(table.at("MouseCursor").mFrames.size(), 6u);
    // Each sheet holds its own image.
    for (const auto& [name, sheet] : table)
    {
        int width = 0, height = 0, channels = 0;
        ASSERT_TRUE(stbi_info(sheet.GetPath().c_str(), &width, &height, &channels)) << name;
        EXPECT_EQ(sheet.mWidth, width) << name;
        EXPECT_EQ(sheet.mHeight, height) << name;
    }
}

TEST_F(ArtListTest, WritingBackReproducesTheShippedFilesByteForByte)
{
    const std::string before = ReadFile(ArtFile("Art.dat"));
    const std::string tiles = ReadFile(ArtFile("TilePlatform.txt"));
    WriteArtList("Resources/Art/Art.dat", Read());
    EXPECT_EQ(ReadFile(ArtFile("Art.dat")), before);
    EXPECT_EQ(ReadFile(ArtFile("TilePlatform.txt")), tiles);
}

TEST_F(ArtListTest, EditedNamesRoundTrip)
{
    SpriteSheetTable table = Read();
    table["Cloud"].mFrames[0].mName = "Puff";
    table["MouseCursor"].mName = "MouseCursor";
    WriteArtList("Resources/Art/Art.dat", table);
    const SpriteSheetTable again = Read();
    EXPECT_EQ(again.at("Cloud").mFrames[0].mName, "Puff");
    EXPECT_EQ(again.at("MouseCursor").mRows, table.at("MouseCursor").mRows);
    EXPECT_EQ(again.at("MouseCursor").mCols, table.at("MouseCursor").mCols);
}

TEST_F(ArtListTest, ASheetNameOrFileListedAgainKeepsTheFirstAndEveryLine)
{
    TestSupport::LogCapture log;
    WriteFile(ArtFile("Other.txt"), "1\n1\nCloud\nOnly\n");
    WritePng(ArtFile("Other.png"), 4, 4);
    const std::string list =
        "Cloud\nResources/Art/Cloud.txt\nCloud\nResources/Art/Other.txt\nPuff\nResources/Art/Cloud.txt\n";
    WriteFile(ArtFile("Art.dat"), list);
    const std::string cloud = ReadFile(ArtFile("Cloud.txt"));
    SpriteSheetTable table;
    ASSERT_TRUE(ReadArtList("Resources/Art/Art.dat", table));
    ASSERT_EQ(table.size(), 1u);
    ASSERT_EQ(table.at("Cloud").mFrames.size(), 1u);
    EXPECT_EQ(table.at("Cloud").mFrames[0].mName, "Sprite1") << "the first entry of a name stays";
    const std::string text = log.Text();
    EXPECT_EQ(text.find("Unserialize start for : Resources/Art/Other.txt"), std::string::npos);
    EXPECT_EQ(text.find("Unserialize start for"), text.rfind("Unserialize start for")) << "an image decoded twice";
    EXPECT_NE(text.find("repeats an earlier sheet's name"), std::string::npos);
    EXPECT_NE(text.find("repeats the sheet file"), std::string::npos);
    // Exit: no entry dropped, no sheet's file written with another's table.
    WriteArtList("Resources/Art/Art.dat", table);
    EXPECT_EQ(ReadFile(ArtFile("Art.dat")), list);
    EXPECT_EQ(ReadFile(ArtFile("Other.txt")), "1\n1\nCloud\nOnly\n");
    EXPECT_EQ(ReadFile(ArtFile("Cloud.txt")), cloud);
}

TEST_F(ArtListTest, SheetWhoseImageFailedOrIsSmallerThanItsGridKeepsItsEntryAndItsTextFile)
{
    WriteFile(ArtFile("Cloud.txt"), "2\n4\nCloud\nA\nB\nC\nD\nE\nF\nG\nH\n");
    WriteFile(ArtFile("PlaceHolder1.png"), "not a picture");
    const std::string cloudText = ReadFile(ArtFile("Cloud.txt"));
    const std::string before = ReadFile(ArtFile("Art.dat"));
    std::remove(ArtFile("Cloud.png").c_str());
    SpriteSheetTable table = Read();
    ASSERT_EQ(table.at("Cloud").GetPath(), "NO PATH");
    EXPECT_TRUE(table.at("Cloud").mFrames.empty());
    EXPECT_EQ(table.at("PlaceHolder1").GetPath(), "NO PATH") << "an image that cannot be decoded is skipped";
    EXPECT_TRUE(table.at("PlaceHolder1").mFrames.empty());
    WriteArtList("Resources/Art/Art.dat", table);
    EXPECT_EQ(ReadFile(ArtFile("Art.dat")), before) << "no \"NO PATH\" entry, nothing shifted";
    EXPECT_EQ(ReadFile(ArtFile("Cloud.txt")), cloudText) << "the frame names are kept";

    // A 1 x 1 image under a 2 x 4 grid: the frames are drawn from its one
    // texel, and the stored grid and names stay.
    WritePng(ArtFile("Cloud.png"), 1, 1);
    table = Read();
    ASSERT_EQ(table.at("Cloud").mFrames.size(), 8u);
    EXPECT_EQ(table.at("Cloud").mFrames[7].mName, "H");
    WriteArtList("Resources/Art/Art.dat", table);
    EXPECT_EQ(ReadFile(ArtFile("Cloud.txt")), cloudText) << "the sheet's file was cut to the image";
    // More frames than a sheet holds: what is held cannot be written back whole.
    WriteFile(ArtFile("Cloud.txt"), "100000\n1\nCloud\nA\n");
    WriteArtList("Resources/Art/Art.dat", Read());
    EXPECT_EQ(ReadFile(ArtFile("Cloud.txt")), "100000\n1\nCloud\nA\n");
}

TEST_F(ArtListTest, EntriesWithoutASingleWordNameAreNotWritten)
{
    SpriteSheetTable table = Read();
    table[""] = table["Cloud"];
    table[""].mName = "";
    table["Two Words"] = table["Cloud"];
    table["Two Words"].mName = "Two Words";
    const std::string before = ReadFile(ArtFile("Art.dat"));
    WriteArtList("Resources/Art/Art.dat", table);
    EXPECT_EQ(ReadFile(ArtFile("Art.dat")), before);
}

TEST_F(ArtListTest, TextPathIsTheImageBaseNameInTheArtFolder)
{
    SpriteSheet sheet;
    sheet.mPath = "Plain";
    EXPECT_EQ(SheetTextPath(sheet), "Resources/Art/Plain.txt");
    sheet.mPath = "Somewhere/Else/Apple.sheet.png";
    EXPECT_EQ(SheetTextPath(sheet), "Resources/Art/Apple.sheet.txt");
}

TEST_F(ArtListTest, AMissingArtListReadsEmptyAndIsNotCreatedByReading)
{
    std::remove(ArtFile("Art.dat").c_str());
    SpriteSheetTable table;
    EXPECT_TRUE(ReadArtList("Resources/Art/Art.dat", table)) << "a fresh start may be written at exit";
    EXPECT_TRUE(table.empty());
    EXPECT_FALSE(std::filesystem::exists(ArtFile("Art.dat")));
}

TEST_F(ArtListTest, AMissingSheetFileKeepsItsEntryAndCreatesNothing)
{
    // An entry naming an image instead of its sheet file is kept as it stands
    // too: it used to write its own table into that image's sheet file.
    const std::string cursor = ReadFile(ArtFile("MouseCursor.txt"));
    WriteFile(ArtFile("Art.dat"), "Ghost\nResources/Art/Ghost.txt\nMouseCursor\nResources/Art/MouseCursor.txt\n"
                                  "Shade\nResources/Art/MouseCursor.png\n");
    SpriteSheetTable table;
    ASSERT_TRUE(ReadArtList("Resources/Art/Art.dat", table));
    EXPECT_FALSE(std::filesystem::exists(ArtFile("Ghost.txt"))) << "reading used to leave an empty file";
    ASSERT_EQ(table.count("Ghost"), 1u);
    WriteArtList("Resources/Art/Art.dat", table);
    const std::string list = ReadFile(ArtFile("Art.dat"));
    EXPECT_NE(list.find("Ghost\nResources/Art/Ghost.txt\n"), std::string::npos) << list;
    EXPECT_NE(list.find("Shade\nResources/Art/MouseCursor.png\n"), std::string::npos) << list;
    EXPECT_FALSE(std::filesystem::exists(ArtFile("Ghost.txt")));
    EXPECT_EQ(ReadFile(ArtFile("MouseCursor.txt")), cursor);
}

TEST_F(ArtListTest, AnArtListCutShortIsReportedSoItIsNotWrittenBack)
{
    WriteFile(ArtFile("Art.dat"), "MouseCursor\nResources/Art/MouseCursor.txt\nHalfAnEntry\n");
    SpriteSheetTable table;
    EXPECT_FALSE(ReadArtList("Resources/Art/Art.dat", table));
    std::filesystem::remove(ArtFile("Art.dat"));
    std::filesystem::create_directories(ArtFile("Art.dat"));
    EXPECT_FALSE(ReadArtList("Resources/Art/Art.dat", table)) << "a folder in its place cannot be read";
}

TEST_F(ArtListTest, ShutdownWithoutAReadListLeavesTheFilesAlone)
{
    const std::string before = ReadFile(ArtFile("Art.dat"));
    {
        GraphicsSystem graphics; // never initialised: no context, no list read
    }
    EXPECT_EQ(ReadFile(ArtFile("Art.dat")), before);
}

TEST_F(ArtListTest, ImagesAboveTheSizeLimitOrNoPngAreRefused)
{
    WritePng(mFolder.File("wide.png"), 4097, 1);
    WritePng(mFolder.File("edge.png"), 4096, 1);
    WritePng(mFolder.File("tall.png"), 1, 4097);
    WriteFile(mFolder.File("deep.png"), GraphicsTest::ShortSixteenBitPpm(4, 4));
    TestSupport::LogCapture log;
    Texture texture;
    EXPECT_FALSE(texture.Load("wide.png"));
    EXPECT_FALSE(texture.Load("tall.png"));
    EXPECT_FALSE(texture.Load("deep.png")) << "another format under a PNG's name";
    EXPECT_NE(log.Text().find("Failed to load texture"), std::string::npos) << log.Text();
    EXPECT_EQ(texture.GetPath(), "NO PATH") << "a refused image leaves the texture as it was";
    EXPECT_TRUE(texture.Load("edge.png"));
    EXPECT_EQ(texture.mWidth, 4096);
    EXPECT_EQ(texture.mChannels, 4);
}
} // namespace
