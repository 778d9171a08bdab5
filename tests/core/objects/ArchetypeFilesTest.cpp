#include <gtest/gtest.h>
#include <chrono>
#include <filesystem>
#include "support/ObjectTestSupport.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::FactoryScope;
using TestSupport::ReadFile;
using TestSupport::TempFolder;
using TestSupport::WriteFile;

namespace
{
// A scratch working folder holding Resources/Archetype.
struct ArchetypeFolder
{
    TempFolder folder;
    TestSupport::WorkingDirectory cwd{folder.Path()};
    FactoryScope factory;
    ArchetypeFolder() { std::filesystem::create_directories("Resources/Archetype"); }
    std::string Archetype(const std::string& file) const { return folder.File("Resources/Archetype/" + file); }
};

const char* const kBox = "Box\n31\nTransform\n0 0 0\n1 1 1\n0\nEND\n";
} // namespace

TEST(ArchetypeFiles, TheBoxExampleLoadsAndSavesByteForByte)
{
    ArchetypeFolder dir;
    WriteFile(dir.Archetype("Archetype.dat"), "Resources\\Archetype\\Box.txt\n");
    WriteFile(dir.Archetype("Box.txt"), kBox);
    dir.factory->LoadArchetypes();
    ASSERT_EQ(dir.factory->mArchetypes.size(), 1u);
    Composition* box = dir.factory->mArchetypes.at(100);
    EXPECT_EQ(box->mName, "Box");
    EXPECT_EQ(box->mTag, ObjectTag::Crate);
    EXPECT_EQ(box->mKind, ObjectKind::Archetype);
    ASSERT_NE(box->GetComponent<Transform>(), nullptr);
    EXPECT_EQ(box->GetComponent<Transform>()->mOwner, box);

    dir.factory->SaveArchetypes();
    EXPECT_EQ(ReadFile(dir.Archetype("Archetype.dat")), "Resources\\Archetype\\Box.txt\n");
    EXPECT_EQ(ReadFile(dir.Archetype("Box.txt")), kBox);
}

TEST(ArchetypeFiles, AFileListedAgainLoadsOnceAndMakesNoNewFiles)
{
    ArchetypeFolder dir;
    TestSupport::LogCapture log;
    std::string list;
    for (int i = 0; i < 100; ++i)
        list += "Resources\\Archetype\\Box.txt\nResources/Archetype/Box.txt\n";
    WriteFile(dir.Archetype("Archetype.dat"), list);
    WriteFile(dir.Archetype("Box.txt"), kBox);
    dir.factory->LoadArchetypes();
    EXPECT_EQ(dir.factory->mArchetypes.size(), 1u);
    EXPECT_NE(log.Text().find("Archetype list names \"Resources/Archetype/Box.txt\" again"), std::string::npos);
    dir.factory->SaveArchetypes();
    EXPECT_EQ(ReadFile(dir.Archetype("Archetype.dat")), "Resources\\Archetype\\Box.txt\n");
    EXPECT_EQ(ReadFile(dir.Archetype("Box.txt")), kBox);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Archetype("")))
        ++files;
    EXPECT_EQ(files, 2u) << "each repeat used to be saved as a new archetype file";
}

TEST(ArchetypeFiles, TheListNamesArchetypesInIdOrder)
{
    ArchetypeFolder dir;
    dir.factory->CreateObject("Zeta", ObjectKind::Archetype);
    dir.factory->CreateObject("Alpha", ObjectKind::Archetype);
    dir.factory->SaveArchetypes();
    EXPECT_EQ(ReadFile(dir.Archetype("Archetype.dat")),
              "Resources\\Archetype\\Zeta.txt\nResources\\Archetype\\Alpha.txt\n");
}

TEST(ArchetypeFiles, ClashingAndUnsafeNamesGetFilesOfTheirOwnThatLoadBack)
{
    ArchetypeFolder dir;
    for (const char* name : {"New_Archetype", "New_Archetype", "new_archetype", "two words", ""})
        dir.factory->CreateObject(name, ObjectKind::Archetype);
    dir.factory->SaveArchetypes();
    EXPECT_EQ(ReadFile(dir.Archetype("Archetype.dat")),
              "Resources\\Archetype\\New_Archetype.txt\nResources\\Archetype\\New_Archetype_1.txt\n"
              "Resources\\Archetype\\new_archetype_2.txt\nResources\\Archetype\\two_words.txt\n"
              "Resources\\Archetype\\Archetype.txt\n");

    FactoryScope reloaded;
    reloaded->LoadArchetypes();
    std::vector<std::string> names;
    for (const auto& entry : reloaded->mArchetypes)
        names.push_back(entry.second->mName);
    EXPECT_EQ(names, (std::vector<std::string>{"New_Archetype", "New_Archetype_1", "new_archetype_2", "two_words",
                                               "Archetype"}));
}

TEST(ArchetypeFiles, AFileWithoutEndKeepsTheComponentsRead)
{
    ArchetypeFolder dir;
    WriteFile(dir.Archetype("A.txt"), "A\n2\nProbe\n7\nTransform\n1 2 3\n4 5 6\n90\n");
    Composition* a = dir.factory->LoadArchetypeFile("Resources\\Archetype\\A.txt");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->mComponents.size(), 2u);
    EXPECT_EQ(a->GetComponent<Transform>()->mRotation, 90.0f);
    EXPECT_EQ(static_cast<TestSupport::ProbeComponent*>(a->GetComponent(12))->mValue, 7);
}

TEST(ArchetypeFiles, UnknownComponentWordsAreSkipped)
{
    ArchetypeFolder dir;
    WriteFile(dir.Archetype("A.txt"), "A\n0\nSprite\nTransform\n1 1 1\n2 2 2\n0\nEND\n");
    Composition* a = dir.factory->LoadArchetypeFile("Resources\\Archetype\\A.txt");
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(a->mComponents.size(), 1u);
    EXPECT_EQ(a->GetComponent<Transform>()->mPosition, Vec3(1, 1, 1));
}

TEST(ArchetypeFiles, AMalformedNumberEndsTheLoadInsteadOfSpinning)
{
    ArchetypeFolder dir;
    WriteFile(dir.Archetype("Bad.txt"), "Bad\n0\nTransform\nabc 0 0\n1 1 1\n0\nEND\n");
    const auto start = std::chrono::steady_clock::now();
    Composition* bad = dir.factory->LoadArchetypeFile("Resources\\Archetype\\Bad.txt");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ASSERT_NE(bad, nullptr);
    EXPECT_EQ(bad->GetComponent<Transform>()->mPosition, Vec3(0, 0, 0));
}

TEST(ArchetypeFiles, EmptyOrMissingFilesGiveNoArchetype)
{
    ArchetypeFolder dir;
    WriteFile(dir.Archetype("Archetype.dat"), "Resources\\Archetype\\Gone.txt\r\n");
    dir.factory->LoadArchetypes();
    EXPECT_TRUE(dir.factory->mArchetypes.empty());
    EXPECT_EQ(dir.factory->LoadArchetypeFile("Resources\\Archetype\\Gone.txt"), nullptr);

    TempFolder other;
    TestSupport::WorkingDirectory cwd(other.Path());
    std::filesystem::create_directories("Resources/Archetype");
    dir.factory->LoadArchetypes(); // a missing list is created empty
    EXPECT_EQ(ReadFile(other.File("Resources/Archetype/Archetype.dat")), "");
}

TEST(ArchetypeFiles, AFailedSaveKeepsTheOldList)
{
    ArchetypeFolder dir;
    WriteFile(dir.Archetype("Archetype.dat"), "Resources\\Archetype\\Box.txt\n");
    WriteFile(dir.Archetype("Box.txt"), kBox);
    dir.factory->LoadArchetypes();
    // A folder where the new list's temporary file should go makes the write fail.
    std::filesystem::create_directories(dir.Archetype("Archetype.dat.tmp"));
    dir.factory->SaveArchetypes();
    EXPECT_EQ(ReadFile(dir.Archetype("Archetype.dat")), "Resources\\Archetype\\Box.txt\n");
}
