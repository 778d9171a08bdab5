#include <gtest/gtest.h>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <tinyxml2.h>
#include "core/serializers/XmlNumbers.h"
#include "core/serializers/XmlSerializer.h"

using namespace Framework;

namespace
{
// Whether our conversions answer a text exactly as tinyxml2's sscanf-based ones:
// the same acceptance and, bit for bit, the same value (target untouched on refusal).
void ExpectSameAsTinyXml(const std::string& text)
{
    int intOurs = -77, intTheirs = -77;
    EXPECT_EQ(XmlNumbers::ToInt(text.c_str(), intOurs), tinyxml2::XMLUtil::ToInt(text.c_str(), &intTheirs))
        << "int \"" << text << "\"";
    EXPECT_EQ(intOurs, intTheirs) << "int \"" << text << "\"";

    float floatOurs = -77.0f, floatTheirs = -77.0f;
    EXPECT_EQ(XmlNumbers::ToFloat(text.c_str(), floatOurs), tinyxml2::XMLUtil::ToFloat(text.c_str(), &floatTheirs))
        << "float \"" << text << "\"";
    EXPECT_EQ(std::memcmp(&floatOurs, &floatTheirs, sizeof(float)), 0)
        << "float \"" << text << "\": " << floatOurs << " against " << floatTheirs;

    bool boolOurs = false, boolTheirs = false;
    EXPECT_EQ(XmlNumbers::ToBool(text.c_str(), boolOurs), tinyxml2::XMLUtil::ToBool(text.c_str(), &boolTheirs))
        << "bool \"" << text << "\"";
    EXPECT_EQ(boolOurs, boolTheirs) << "bool \"" << text << "\"";
}
} // namespace

TEST(XmlNumbers, EdgeTextsReadAsTinyXmlReadsThem)
{
    const char* texts[] = {"1.5",
                           " 2",
                           "\t\n7",
                           "1e3",
                           "abc",
                           "",
                           "  ",
                           "3.4x",
                           "nan",
                           "-nan",
                           "nan(1)",
                           "NAN",
                           "inf",
                           "-inf",
                           "infinity",
                           "infinit",
                           "in",
                           "-0",
                           "+5",
                           "-",
                           "+",
                           ".",
                           ".5",
                           "5.",
                           "+.5",
                           "1e",
                           "1e+",
                           "1e-50",
                           "1e50",
                           "1e-40",
                           "0x10",
                           "0X1f",
                           " 0x10",
                           "0x",
                           "0xg",
                           "-0x10",
                           "0x1p3",
                           "0x1.8p1",
                           "0xFFFFFFFF",
                           "0x1FFFFFFFF",
                           "2147483648",
                           "-2147483649",
                           "4294967296",
                           "99999999999999999999",
                           "-99999999999999999999",
                           "010",
                           "0.30000001",
                           "3.4028235e38",
                           "3.4028236e38",
                           "1.17549435e-38",
                           "true",
                           "false",
                           "True",
                           "FALSE",
                           "yes",
                           "1",
                           "0",
                           "- 5",
                           "1..2",
                           "1.5e+x"};
    for (const char* text : texts)
        ExpectSameAsTinyXml(text);
}

TEST(XmlNumbers, RandomTextsReadAsTinyXmlReadsThem)
{
    // Fragments of numbers, words and white space, and printed floats, in any order.
    const std::string alphabet = std::string("0123456789.eE+-xXpPinfatyINFATYlsru() \t\n\v\f\r") + "\x85" + "F";
    std::mt19937 random(20261209u);
    for (int i = 0; i < 60000; ++i)
    {
        std::string text;
        if (i % 3 == 0)
        {
            const size_t length = random() % 10;
            for (size_t k = 0; k < length; ++k)
                text += alphabet[random() % alphabet.size()];
        }
        else if (i % 3 == 1)
        {
            text = random() % 4 == 0 ? "-" : "";
            for (int digits = 1 + static_cast<int>(random() % 20); digits > 0; --digits)
                text += static_cast<char>('0' + random() % 10);
            if (random() % 2)
                text += "." + std::to_string(random() % 100000000);
            if (random() % 3 == 0)
                text += "e" + std::to_string(static_cast<int>(random() % 90) - 45);
        }
        else
        {
            const uint32_t bits = static_cast<uint32_t>(random());
            float value;
            std::memcpy(&value, &bits, sizeof value);
            char printed[64];
            std::snprintf(printed, sizeof printed, random() % 2 ? "%.8g" : "%.9g", value);
            text = printed;
        }
        ExpectSameAsTinyXml(text);
        if (HasFailure())
            return; // one bad text is enough to read
    }
}

TEST(XmlNumbers, FieldsReadByNameInAnyOrderAndABadOneKeepsItsValue)
{
    XmlSerializer xml;
    tinyxml2::XMLElement* root = xml.CreateRoot("Root");
    tinyxml2::XMLElement* position = xml.GetDocument().NewElement("P");
    position->SetAttribute("Z", "-0");
    position->SetAttribute("Extra", "9");
    position->SetAttribute("X", "abc");
    position->SetAttribute("Y", " 3.4x");
    root->InsertEndChild(position);
    tinyxml2::XMLElement* colour = xml.GetDocument().NewElement("C");
    colour->SetAttribute("A", "0.5");
    colour->SetAttribute("Blue", "7"); // not "B"
    colour->SetAttribute("R", "1e3");
    root->InsertEndChild(colour);

    xml.EnterChild();
    Vec3 value(7.0f, 7.0f, 7.0f);
    xml.ReadVec3(value);
    EXPECT_EQ(value.x, 7.0f);
    EXPECT_EQ(value.y, 3.4f);
    EXPECT_TRUE(value.z == 0.0f && std::signbit(value.z));
    Color tint(9.0f, 9.0f, 9.0f, 9.0f);
    xml.ReadColour(tint);
    EXPECT_EQ(tint, Color(1000.0f, 9.0f, 9.0f, 0.5f));
}
