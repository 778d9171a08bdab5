#include <gtest/gtest.h>
#include "editor/NameRules.h"

using namespace Framework;

TEST(NameRules, DroppedPathsAreSplitOnEitherSeparator)
{
    EXPECT_EQ(FileNameOfPath("/home/me/art/hero.png"), "hero.png");
    EXPECT_EQ(FileNameOfPath("C:\\art\\hero.png"), "hero.png");
    EXPECT_EQ(FileNameOfPath("mixed\\dir/hero.png"), "hero.png");
    EXPECT_EQ(FileNameOfPath("hero.png"), "hero.png");
    EXPECT_EQ(ExtensionOf("hero.png"), "png");
    EXPECT_EQ(ExtensionOf("tune.tar.OGG"), "OGG");
    EXPECT_EQ(ExtensionOf("README"), "README");
}

TEST(NameRules, FileNamesMustStayInsideTheirFolder)
{
    EXPECT_TRUE(IsPlainFileName("Level1"));
    EXPECT_TRUE(IsPlainFileName("hero.png"));
    EXPECT_TRUE(IsPlainFileName("..hidden"));
    for (const char* bad :
         {"", ".", "..", "../Level1", "a/b", "a\\b", "/etc/passwd", "C:evil", "two words", "tab\tname", "new\nline"})
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
    EXPECT_FALSE(IsPlainFileName(std::string(64, 'a')));
    EXPECT_TRUE(IsPlainFileName(std::string(63, 'a')));
}

TEST(NameRules, IdentifiersAreSingleNonEmptyWords)
{
    EXPECT_TRUE(IsSingleWordIdentifier("Hero_Run"));
    EXPECT_TRUE(IsSingleWordIdentifier("Sprite12"));
    for (const char* bad : {"", " ", "two words", "trailing ", "\tTab", "line\n"})
        EXPECT_FALSE(IsSingleWordIdentifier(bad)) << bad;
    EXPECT_FALSE(IdentifierProblem("").empty());
}
