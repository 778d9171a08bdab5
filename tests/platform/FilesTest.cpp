#include <gtest/gtest.h>
#include <sys/stat.h>
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
    WriteFile(
        ini,
        "; comment\r\n[Other]\r\nWidth=5\r\n[ WINDOW ]\r\n  width = 55zz\r\nHeight=0x20\r\nDepth=-3\r\nBad=zz\r\n");
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Width", 0, ini), 55);
    EXPECT_EQ(Platform::GetPrivateProfileInt("window", "HEIGHT", 0, ini), 32);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Depth", 0, ini), -3);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Bad", 7, ini), 0);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Missing", 7, ini), 7);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Nowhere", "Width", 9, ini), 9);
    // Past an int's range a number stops at its end instead of wrapping round
    // to some other, plausible size.
    WriteFile(dir.File("big.ini"), "[Window]\nWidth=99999999999\nHeight=-99999999999\nDepth=0x123456789\n"
                                   "Long=99999999999999999999999999999999\n");
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Width", 0, dir.File("big.ini")), 2147483647);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Height", 0, dir.File("big.ini")), -2147483647 - 1);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Depth", 0, dir.File("big.ini")), 2147483647);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Long", 0, dir.File("big.ini")), 2147483647);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Width", 4, dir.File("none.ini")), 4);
    // Neither a pipe (blocks until someone writes) nor an endless device is read.
    ASSERT_EQ(mkfifo(dir.File("pipe.ini").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", dir.File("zero.ini"));
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Width", 5, dir.File("pipe.ini")), 5);
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Width", 6, dir.File("zero.ini")), 6);
    // Nor a file longer than any configuration (sparse: it takes no disk).
    std::filesystem::copy_file(dir.File("big.ini"), dir.File("huge.ini"));
    std::filesystem::resize_file(dir.File("huge.ini"), Platform::MaxWholeFileBytes + 1);
    std::string text = "old";
    EXPECT_FALSE(Platform::ReadWholeFile(dir.File("huge.ini"), text));
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(Platform::GetPrivateProfileInt("Window", "Width", 8, dir.File("huge.ini")), 8);
    EXPECT_EQ(Platform::KindOfFile(dir.File("pipe.ini")), Platform::FileKind::Other);
    EXPECT_EQ(Platform::KindOfFile(ini), Platform::FileKind::Regular);
    EXPECT_EQ(Platform::KindOfFile(dir.File("none.ini")), Platform::FileKind::Missing);
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
    // The home folder itself means the documents folder is not configured.
    for (const char* value : {"$HOME", "$HOME/"})
    {
        WriteFile(home.File(".config/user-dirs.dirs"), std::string("XDG_DOCUMENTS_DIR=\"") + value + "\"\n");
        EXPECT_EQ(Platform::DocumentsFolder(), home.Path() + "/Documents") << value;
    }
    for (const std::string& value : {home.Path(), home.Path() + "/"})
    {
        setenv("XDG_DOCUMENTS_DIR", value.c_str(), 1);
        EXPECT_EQ(Platform::DocumentsFolder(), home.Path() + "/Documents") << "from the environment: " << value;
    }
    setenv("XDG_DOCUMENTS_DIR", home.File("Letters").c_str(), 1);
    EXPECT_EQ(Platform::DocumentsFolder(), home.Path() + "/Letters");
    unsetenv("XDG_DOCUMENTS_DIR");
    // A relative folder would depend on where the program was started: unset.
    TestSupport::WorkingDirectory cwd(home.Path());
    WriteFile(home.File(".config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"Docs\"\n");
    setenv("XDG_DOCUMENTS_DIR", "Docs", 1);
    EXPECT_EQ(Platform::DocumentsFolder(), home.Path() + "/Documents");
    unsetenv("XDG_DOCUMENTS_DIR");
    EXPECT_FALSE(std::filesystem::exists("Docs"));

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

    // A link is written through to its file, the new version made beside it.
    namespace fs = std::filesystem;
    WriteFile(dir.File("real/list.dat"), "old");
    chmod(dir.File("real/list.dat").c_str(), 0600);
    fs::create_symlink("real/list.dat", dir.File("link.dat"));
    EXPECT_TRUE(Platform::WriteFileAtomically(dir.File("link.dat"), "through"));
    EXPECT_TRUE(fs::is_symlink(dir.File("link.dat")));
    EXPECT_EQ(TestSupport::ReadFile(dir.File("real/list.dat")), "through");
    EXPECT_EQ(fs::status(dir.File("real/list.dat")).permissions(), fs::perms(0600)) << "permissions are kept";

    // What cannot be followed, is no file, or was made read-only stays as it is.
    fs::create_symlink("nowhere.dat", dir.File("dangling.dat"));
    fs::create_symlink("loop.dat", dir.File("loop.dat"));
    ASSERT_EQ(mkfifo(dir.File("pipe.dat").c_str(), 0644), 0);
    WriteFile(dir.File("locked.dat"), "mine");
    chmod(dir.File("locked.dat").c_str(), 0444);
    for (const char* name : {"dangling.dat", "loop.dat", "pipe.dat", "locked.dat"})
    {
        std::string refusal;
        EXPECT_FALSE(Platform::WriteFileAtomically(dir.File(name), "new", &refusal)) << name;
        EXPECT_FALSE(refusal.empty()) << name;
        EXPECT_FALSE(fs::exists(dir.File(name) + ".tmp")) << name;
    }
    EXPECT_TRUE(fs::is_symlink(dir.File("dangling.dat")));
    EXPECT_FALSE(fs::exists(dir.File("nowhere.dat")));
    EXPECT_TRUE(fs::is_symlink(dir.File("loop.dat")));
    EXPECT_TRUE(fs::is_fifo(dir.File("pipe.dat")));
    EXPECT_EQ(TestSupport::ReadFile(dir.File("locked.dat")), "mine");
    EXPECT_EQ(fs::status(dir.File("locked.dat")).permissions(), fs::perms(0444));

    // A temporary left by a program killed while writing goes at the next read.
    WriteFile(dir.File("real/list.dat.tmp"), "half");
    Platform::RemoveLeftoverTemporary(dir.File("link.dat"));
    EXPECT_FALSE(fs::exists(dir.File("real/list.dat.tmp")));
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
