#include <gtest/gtest.h>
#include <cstdio>
#include "core/serializers/XmlSerializer.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::ReadFile;
using TestSupport::TempFolder;
using TestSupport::WriteFile;

TEST(XmlSerializerFormat, FloatsUseEightSignificantDigits)
{
    TempFolder folder;
    XmlSerializer xml;
    xml.CreateRoot("Root");
    xml.PushElement("Holder");
    xml.WriteFloat("A", 0.3f);
    xml.WriteFloat("B", 1.0f);
    xml.WriteFloat("C", 1234567.0f);
    xml.WriteInt("D", -4);
    xml.PopElement();
    ASSERT_TRUE(xml.SaveFile(folder.File("f.xml")));
    EXPECT_EQ(ReadFile(folder.File("f.xml")),
              "<Root>\n    <Holder>\n        <A Value=\"0.30000001\"/>\n        <B Value=\"1\"/>\n"
              "        <C Value=\"1234567\"/>\n        <D Value=\"-4\"/>\n    </Holder>\n</Root>\n");
}

TEST(XmlSerializerStack, PushesNestUnderTheUpperElementAndThePopReachesTheRoot)
{
    XmlSerializer xml;
    xml.CreateRoot("Root");
    xml.PushElement("Outer");
    xml.PushElement("Inner");
    xml.WriteInt("Field", 1);
    xml.PopElement();
    xml.PopElement();
    const tinyxml2::XMLElement* outer = xml.GetRoot()->FirstChildElement("Outer");
    ASSERT_NE(outer, nullptr);
    ASSERT_NE(outer->FirstChildElement("Inner"), nullptr);
    EXPECT_NE(outer->FirstChildElement("Inner")->FirstChildElement("Field"), nullptr);
    EXPECT_EQ(xml.GetRoot()->FirstChildElement("Field"), nullptr);
}

TEST(XmlSerializerRead, FieldsAreReadByPositionUntilNull)
{
    TempFolder folder;
    WriteFile(folder.File("r.xml"), "<R><E><A Value=\"1.5\"/><B Value=\"2\"/><C X=\"1\" Y=\"2\" Z=\"3\"/></E></R>");
    XmlSerializer xml;
    ASSERT_TRUE(xml.LoadFile(folder.File("r.xml")));
    xml.EnterChild();
    xml.EnterChild();
    float a = 0;
    int b = 0;
    Vec3 c;
    xml.ReadFloat(a);
    xml.ReadInt(b);
    xml.ReadVec3(c);
    EXPECT_EQ(a, 1.5f);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, Vec3(1, 2, 3));
    EXPECT_EQ(xml.Current(), nullptr);
    float untouched = 9;
    xml.ReadFloat(untouched); // reading past the end is harmless
    EXPECT_EQ(untouched, 9.0f);
    EXPECT_EQ(xml.GetElementName(), "");
    EXPECT_EQ(xml.ReadGameObjectName(), "");
}

TEST(XmlSerializerRead, MissingAttributesLeaveTargetsUnchanged)
{
    TempFolder folder;
    WriteFile(folder.File("m.xml"), "<R><E><Col R=\"0.5\" A=\"0.25\"/><V X=\"3\"/><S Value=\"text\"/></E></R>");
    XmlSerializer xml;
    ASSERT_TRUE(xml.LoadFile(folder.File("m.xml")));
    xml.EnterChild();
    xml.EnterChild();
    Color colour(1, 1, 1, 1);
    xml.ReadColour(colour);
    EXPECT_EQ(colour, Color(0.5f, 1, 1, 0.25f));
    xml.NextElement();
    Vec3 v(7, 7, 7);
    xml.ReadVec3(v);
    EXPECT_EQ(v, Vec3(3, 7, 7));
    std::string s;
    xml.ReadString(s);
    EXPECT_EQ(s, "text");
}

TEST(XmlSerializerLoad, TheRootIsTheFirstElementAfterADeclarationOrComment)
{
    TempFolder folder;
    WriteFile(folder.File("d.xml"), "<?xml version=\"1.0\"?>\n<!-- level -->\n<Level><GameObjects/></Level>\n");
    XmlSerializer xml;
    ASSERT_TRUE(xml.LoadFile(folder.File("d.xml")));
    xml.EnterChild();
    EXPECT_EQ(xml.GetElementName(), "GameObjects");
}

TEST(XmlSerializerLoad, AMissingFilePrintsErrorThree)
{
    TempFolder folder;
    XmlSerializer xml;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(xml.LoadFile(folder.File("none.xml")));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error: 3\n");
    EXPECT_EQ(xml.GetRoot(), nullptr);
    xml.EnterChild();
    EXPECT_EQ(xml.Current(), nullptr);
}

TEST(XmlSerializerSave, AnUnwritablePathPrintsErrorFourAndKeepsNothing)
{
    TempFolder folder;
    XmlSerializer xml;
    xml.CreateRoot("R");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(xml.SaveFile(folder.File("no/such/folder/x.xml")));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error: 4\n");
}
