#include <gtest/gtest.h>
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "support/PhysicsTestSupport.h"
#include "support/TestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
template <class T>
void WriteXml(T& component, const std::string& path)
{
    XmlSerializer out;
    out.CreateRoot("Root");
    component.SerializeXml(out);
    ASSERT_TRUE(out.SaveFile(path));
}

template <class T>
void ReadXml(T& component, const std::string& path)
{
    XmlSerializer in;
    ASSERT_TRUE(in.LoadFile(path));
    in.EnterChild(); // the component's element
    in.EnterChild(); // its first field
    component.UnserializeXml(in);
}
} // namespace

TEST(BodyFiles, XmlKeepsTheStoredNamesAndReadsByPosition)
{
    TempFolder folder;
    Body body;
    body.mMass = 2.5f;
    body.mRestitution = 0.75f;
    body.mCollide = false;
    body.mInteractable = true;
    WriteXml(body, folder.File("body.xml"));
    const std::string text = ReadFile(folder.File("body.xml"));
    EXPECT_NE(text.find("<Restiution Value=\"0.75\""), std::string::npos);
    EXPECT_NE(text.find("<Collide Value=\"false\""), std::string::npos);

    Body copy;
    ReadXml(copy, folder.File("body.xml"));
    EXPECT_FLOAT_EQ(copy.mMass, 2.5f);
    EXPECT_FLOAT_EQ(copy.mRestitution, 0.75f);
    EXPECT_FALSE(copy.mCollide);
    EXPECT_TRUE(copy.mRotation);
    EXPECT_TRUE(copy.mInteractable);
}

TEST(BodyFiles, TextRecordIsTheWordThenFiveLines)
{
    TempFolder folder;
    Body body;
    body.mMass = 3.0f;
    body.mRotation = false;
    {
        TextSerializer out(folder.File("body.txt"), TextSerializer::Write);
        body.SerializeText(out);
    }
    EXPECT_EQ(ReadLines(folder.File("body.txt")), (std::vector<std::string>{"Body", "3", "0.2", "1", "0", "0"}));
    TextSerializer in(folder.File("body.txt"), TextSerializer::ReadOnly);
    std::string word;
    in.ReadString(word);
    Body copy;
    copy.UnserializeText(in);
    EXPECT_FLOAT_EQ(copy.mMass, 3.0f);
    EXPECT_FALSE(copy.mRotation);
}

TEST(ShapeFiles, BoxXmlCarriesTheRotationOffsetAndTextDoesNot)
{
    TempFolder folder;
    ShapeOBB box;
    box.HalfLength = Vec3(3, 2, 0);
    box.Offset = Vec3(0.5f, -1, 0);
    box.RotateFixedPoint = true;
    box.mRotationOffset = 0.5f;
    WriteXml(box, folder.File("box.xml"));
    ShapeOBB copy;
    ReadXml(copy, folder.File("box.xml"));
    EXPECT_EQ(copy.HalfLength, Vec3(3, 2, 0));
    EXPECT_EQ(copy.Offset, Vec3(0.5f, -1, 0));
    EXPECT_TRUE(copy.RotateFixedPoint);
    EXPECT_FLOAT_EQ(copy.mRotationOffset, 0.5f);
    {
        TextSerializer out(folder.File("box.txt"), TextSerializer::Write);
        box.SerializeText(out);
    }
    EXPECT_EQ(ReadLines(folder.File("box.txt")).size(), 6u);
}

TEST(ShapePick, BoxEdgeIsInsideAndCircleRimIsOutside)
{
    PhysicsScope scope;
    Body* box = BodyOf(scope.Box(Vec3(5, 5, 0)));
    Vec3 closest;
    EXPECT_TRUE(box->mShape->IntersectSegment(Vec3(5.5f, 5, 0), Vec3(5.5f, 5, -50), closest));
    EXPECT_FALSE(box->mShape->IntersectSegment(Vec3(5.51f, 5, 0), Vec3(5.51f, 5, -50), closest));
    Body* circle = BodyOf(scope.Circle(Vec3(10, 5, 0)));
    EXPECT_FALSE(circle->mShape->IntersectSegment(Vec3(10.5f, 5, 0), Vec3(10.5f, 5, -50), closest));
    EXPECT_TRUE(circle->mShape->IntersectSegment(Vec3(10.49f, 5, 0), Vec3(10.49f, 5, -50), closest));
}

TEST(ShapePivot, RotateToPointFacesThePointAndIgnoresThePivotItself)
{
    PhysicsScope scope;
    Composition* object = scope.Box(Vec3(5, 5, 0));
    auto* box = static_cast<ShapeOBB*>(BodyOf(object)->mShape);
    box->PivotPosition = Vec3(5, 5, 0);
    box->RotateToPoint(Vec3(6, 4, 0)); // below right: a in (3pi/2, 2pi)
    const float belowRight = BodyOf(object)->mOrientation + 1.5707964f;
    EXPECT_GT(belowRight, 3.0f * 3.1415927f / 2.0f);
    EXPECT_LT(belowRight, 2.0f * 3.1415927f);
    box->RotateToPoint(Vec3(3, 5, 0)); // straight left: a in (pi/2, 3pi/2)
    const float left = BodyOf(object)->mOrientation + 1.5707964f;
    EXPECT_GT(left, 3.1415927f / 2.0f);
    EXPECT_LT(left, 3.0f * 3.1415927f / 2.0f);
    const float before = BodyOf(object)->mOrientation;
    box->RotateToPoint(Vec3(5, 5, 0));
    EXPECT_EQ(BodyOf(object)->mOrientation, before);
    EXPECT_TRUE(std::isfinite(BodyOf(object)->mPosition.x));
}
