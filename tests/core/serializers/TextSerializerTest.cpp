#include <gtest/gtest.h>
#include <filesystem>
#include "core/serializers/TextSerializer.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::ReadFile;
using TestSupport::TempFolder;
using TestSupport::WriteFile;

TEST(TextSerializerFormat, FloatsUseSixSignificantDigits)
{
    TempFolder folder;
    const std::string path = folder.File("floats.txt");
    {
        TextSerializer out(path, TextSerializer::Write);
        for (float f : {0.1f, 100.0f, 1234567.0f, -8.0f, 0.5f})
            out.WriteFloat(f);
    }
    EXPECT_EQ(ReadFile(path), "0.1\n100\n1.23457e+06\n-8\n0.5\n");
    TextSerializer in(path, TextSerializer::ReadOnly);
    float a = 0, b = 0, c = 0;
    in.ReadFloat(a);
    in.ReadFloat(b);
    in.ReadFloat(c);
    EXPECT_FLOAT_EQ(c, 1234570.0f);
}

TEST(TextSerializerFormat, Vec3BoolUnsignedAndStrings)
{
    TempFolder folder;
    const std::string path = folder.File("values.txt");
    {
        TextSerializer out(path, TextSerializer::Write);
        out.WriteVec3(Vec3(1.5f, -2.0f, 0.0f));
        out.WriteBool(true);
        out.WriteUnsigned(4000000000u);
        out.WriteInt(-12);
        out.WriteString("Resources\\Art\\Box.png two");
    }
    EXPECT_EQ(ReadFile(path), "1.5 -2 0\n1\n4000000000\n-12\nResources\\Art\\Box.png two\n");
    TextSerializer in(path, TextSerializer::ReadOnly);
    Vec3 v;
    bool b = false;
    uint32_t u = 0;
    int i = 0;
    std::string first, second;
    in.ReadVec3(v);
    in.ReadBool(b);
    in.ReadUnsigned(u);
    in.ReadInt(i);
    in.ReadString(first);
    in.ReadString(second);
    EXPECT_EQ(v, Vec3(1.5f, -2.0f, 0.0f));
    EXPECT_TRUE(b);
    EXPECT_EQ(u, 4000000000u);
    EXPECT_EQ(i, -12);
    EXPECT_EQ(first, "Resources\\Art\\Box.png");
    EXPECT_EQ(second, "two");
}

TEST(TextSerializerFailure, AFailedConversionKeepsTheTargetAndEndsTheFile)
{
    TempFolder folder;
    const std::string path = folder.File("bad.txt");
    WriteFile(path, "true\n12\nword\n");
    TextSerializer in(path, TextSerializer::ReadOnly);
    bool b = false;
    in.ReadBool(b); // the word "true" is no numeric bool
    EXPECT_FALSE(b);
    EXPECT_FALSE(in.IsGood());
    int i = 5;
    in.ReadInt(i);
    EXPECT_EQ(i, 5);
}

TEST(TextSerializerFailure, ANegativeUnsignedFails)
{
    TempFolder folder;
    const std::string path = folder.File("neg.txt");
    WriteFile(path, "-1\n");
    TextSerializer in(path, TextSerializer::ReadOnly);
    uint32_t u = 7;
    in.ReadUnsigned(u);
    EXPECT_EQ(u, 7u);
    EXPECT_FALSE(in.IsGood());
}

TEST(TextSerializerOpen, ReadingNeverCreatesAFileInAnyMode)
{
    TempFolder folder;
    const std::string path = folder.File("missing.txt");
    TextSerializer in(path, TextSerializer::ReadOnly);
    EXPECT_FALSE(std::filesystem::exists(path)) << "a mistyped list entry used to leave an empty file";
    EXPECT_TRUE(in.IsMissing());
    std::string word = "x";
    in.ReadString(word);
    EXPECT_EQ(word, "");
    EXPECT_FALSE(in.IsGood());
}

TEST(TextSerializerOpen, AFolderIsNotReadAndNotMissing)
{
    TempFolder folder;
    std::filesystem::create_directories(folder.File("Art.dat"));
    TextSerializer in(folder.File("Art.dat"), TextSerializer::ReadOnly);
    EXPECT_FALSE(in.IsOpen());
    EXPECT_FALSE(in.IsMissing()) << "a writer must leave it alone";
}

TEST(TextSerializerOpen, ReadOnlyModeNeverCreatesAFile)
{
    TempFolder folder;
    const std::string path = folder.File("missing.txt");
    TextSerializer in(path, TextSerializer::ReadOnly);
    EXPECT_FALSE(in.IsOpen());
    EXPECT_FALSE(in.IsGood());
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(TextSerializerOpen, ReadOnlyContentIsStillRead)
{
    TempFolder folder;
    const std::string path = folder.File("locked.txt");
    WriteFile(path, "42\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read, std::filesystem::perm_options::replace);
    TextSerializer in(path, TextSerializer::ReadOnly);
    int value = 0;
    in.ReadInt(value);
    EXPECT_EQ(value, 42);
}

TEST(TextSerializerOpen, BackslashPathsOpenOnThisSystem)
{
    TempFolder folder;
    WriteFile(folder.File("Sub/file.txt"), "7\n");
    TextSerializer in(folder.Path() + "\\Sub\\file.txt", TextSerializer::ReadOnly);
    int value = 0;
    in.ReadInt(value);
    EXPECT_EQ(value, 7);
}

TEST(TextSerializerWrite, ContentReplacesTheOldFileOnlyWhenComplete)
{
    TempFolder folder;
    const std::string path = folder.File("list.dat");
    WriteFile(path, "old\n");
    {
        TextSerializer out(path, TextSerializer::Write);
        out.WriteString("new");
        EXPECT_EQ(ReadFile(path), "old\n"); // nothing visible until the close
    }
    EXPECT_EQ(ReadFile(path), "new\n");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(TextSerializerReadLine, StripsCarriageReturnAndReadsTheRestOfALine)
{
    TempFolder folder;
    const std::string path = folder.File("crlf.txt");
    WriteFile(path, "Word\r\nwhole line here\r\n\r\n");
    TextSerializer in(path, TextSerializer::ReadOnly);
    std::string word, rest = "x", line, empty = "x";
    in.ReadString(word);
    in.ReadLine(rest);
    in.ReadLine(line);
    in.ReadLine(empty);
    EXPECT_EQ(word, "Word");
    EXPECT_EQ(rest, "");
    EXPECT_EQ(line, "whole line here");
    EXPECT_EQ(empty, "");
}
