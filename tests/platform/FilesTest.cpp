#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include "platform/Platform.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::TempFolder;
using TestSupport::WriteFile;

TEST(IniReader, FollowsTheProfileRules)
{
    TempFolder dir;
    const std::string ini = dir.File("a.ini");
    WriteFile(ini, "; comment\r\n[Other]\r\nWidth=5\r\n[ WINDOW ]\r\n  width = 55zz\r\nHeight=0x20\r\nDepth=-3\r\nBad=zz\r\n");
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Width", 0, ini), 55);
    EXPECT_EQ(Platform::GetPrivateProfileInt("window", "HEIGHT", 0, ini), 32);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Depth", 0, ini), -3);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Bad", 7, ini), 0);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Missing", 7, ini), 7);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Nowhere", "Width", 9, ini), 9);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Width", 4, dir.File("none.ini")), 4);
}

TEST(NativePath, MapsBackslashesAndFindsNamesInAnyCase)
{
    TempFolder dir;
    WriteFile(dir.File("Resources/fonts/MAIAN.TTF"), "x");
    TestSupport::WorkingDirectory cwd(dir.Path());
    EXPECT_EQ(Platform::NativePath("Resources\\LevelData\\Level1.xml"), "Resources/LevelData/Level1.xml");
    EXPECT_EQ(Platform::NativePath("resources\\Fonts\\maian.ttf"), "Resources/fonts/MAIAN.TTF");
}

TEST(DocumentsFolder, UsesXdgSettingElseHomeDocuments)
{
    TempFolder home;
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string savedConfig = oldConfig ? oldConfig : "";
    setenv("HOME", home.Path().c_str(), 1);
    unsetenv("XDG_DOCUMENTS_DIR");
    setenv("XDG_CONFIG_HOME", home.File(".config").c_str(), 1);

    EXPECT_EQ(Platform::DocumentsFolder(), home.Path() + "/Documents");
    EXPECT_TRUE(std::filesystem::is_directory(home.File("Documents")));

    WriteFile(home.File(".config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    EXPECT_EQ(Platform::DocumentsFolder(), home.Path() + "/Papers");

    setenv("HOME", savedHome.c_str(), 1);
    if (savedConfig.empty())
        unsetenv("XDG_CONFIG_HOME");
    else
        setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
}

TEST(WriteFileAtomically, ReplacesWholeOrLeavesTheOldFile)
{
    TempFolder dir;
    const std::string path = dir.File("list.dat");
    WriteFile(path, "old");
    EXPECT_TRUE(Platform::WriteFileAtomically(path, "new text"));
    EXPECT_EQ(TestSupport::ReadFile(path), "new text");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    EXPECT_FALSE(Platform::WriteFileAtomically(dir.File("missing/dir/file"), "x"));
}

TEST(CursorCounter, VisibleWhileTheCounterIsNotNegative)
{
    const int start = Platform::GetCursorCounter();
    EXPECT_EQ(Platform::ShowCursor(false), start - 1);
    EXPECT_EQ(Platform::ShowCursor(false), start - 2);
    EXPECT_EQ(Platform::ShowCursor(true), start - 1);
    EXPECT_EQ(Platform::ShowCursor(true), start);
}

TEST(NativePath, NameTooLongForTheFileSystemIsJustNotFound)
{
    TempFolder dir;
    TestSupport::WorkingDirectory cwd(dir.Path());
    const std::string longName = "Resources\\Archetype\\" + std::string(300, 'a') + ".txt";
    std::string mapped;
    EXPECT_NO_THROW(mapped = Platform::NativePath(longName));
    EXPECT_EQ(mapped, "Resources/Archetype/" + std::string(300, 'a') + ".txt");
    EXPECT_NO_THROW(Platform::NativePath(std::string(5000, 'b')));
}
