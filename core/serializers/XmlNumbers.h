// Attribute texts to numbers, with exactly the results of tinyxml2's own
// conversions (XMLUtil::ToInt, ToFloat, ToBool) but without their sscanf, which
// costs several times the conversion itself and dominated reading a level's
// fields. Every text is accepted or refused as tinyxml2 does, partial texts
// ("3.4x" reads 3.4) and leading white space included. The common shapes (a
// decimal, "true", "false") are converted here; anything else (hex, inf, nan,
// letters) goes to tinyxml2 itself, so rare shapes keep its exact answer.
#pragma once

namespace Framework
{
namespace XmlNumbers
{
// False, value unchanged, when tinyxml2 would refuse the text.
bool ToInt(const char* text, int& value);
bool ToFloat(const char* text, float& value);
bool ToBool(const char* text, bool& value);
} // namespace XmlNumbers
} // namespace Framework
