#include <gtest/gtest.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include "editor/ResourceList.h"
#include "support/ObjectTestSupport.h"
#include "support/TestSupport.h"

using namespace Framework;
namespace fs = std::filesystem;

namespace
{
using Names = std::vector<std::string>;

struct ResourceTree : ::testing::Test
{
    void SetUp() override
    {
        for (const char* folder : {"Art", "Audio", "Archetype", "LevelData/Old", "Shaders"})
            fs::create_directories(mFolder.File(std::string("Resources/") + folder));
        for (const char* file : {"LevelData/Level1.xml", "LevelData/Level1.dat", "LevelData/Old/Level0.xml",
                                 "Art/Art.dat", "Shaders/basic.vert"})
            TestSupport::WriteFile(mFolder.File(std::string("Resources/") + file), "x");
    }
    std::string Root() const { return mFolder.File("Resources"); }
    TestSupport::TempFolder mFolder;
};
} // namespace

TEST_F(ResourceTree, EveryEntryIsListedUnderTheTopFolderThatHoldsIt)
{
    ResourceList list(Root());
    EXPECT_EQ(list.Entries("LevelData"), (Names{"Level0.xml", "Level1.dat", "Level1.xml", "Old"}));
    EXPECT_EQ(list.Entries("Art"), (Names{"Art.dat"}));
    EXPECT_TRUE(list.Entries("Audio").empty());
    // Only the four folders are keys: "Shaders" adds nothing.
    EXPECT_EQ(list.mFolders.size(), 4u);
    EXPECT_EQ(list.mFolders.count("Shaders"), 0u);
}

TEST_F(ResourceTree, RefreshingAgainSeesNewFilesAndDoublesNothing)
{
    ResourceList list(Root());
    TestSupport::WriteFile(mFolder.File("Resources/LevelData/Level2.xml"), "x");
    list.Refresh();
    list.Refresh();
    EXPECT_EQ(list.Entries("LevelData"), (Names{"Level0.xml", "Level1.dat", "Level1.xml", "Level2.xml", "Old"}));
}

TEST(ResourceList, AMissingOrUnreadableRootIsLoggedAndListsNothing)
{
    TestSupport::LogCapture log;
    TestSupport::TempFolder folder;
    ResourceList missing(folder.File("nowhere"));
    for (const auto& entry : missing.mFolders)
        EXPECT_TRUE(entry.second.empty());
    EXPECT_NE(log.Text().find("could not be listed"), std::string::npos);

    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    fs::create_directories(folder.File("Resources/LevelData"));
    TestSupport::WriteFile(folder.File("Resources/LevelData/Level1.xml"), "x");
    chmod(folder.File("Resources/LevelData").c_str(), 0);
    ResourceList locked(folder.File("Resources"));
    EXPECT_TRUE(locked.Entries("LevelData").empty());
    chmod(folder.File("Resources/LevelData").c_str(), 0755);
}
