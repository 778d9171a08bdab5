#include "core/serializers/XmlNumbers.h"
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <tinyxml2.h>

namespace Framework
{
namespace XmlNumbers
{
namespace
{
// After the white space and sign that sscanf skips: the first character of the number.
const char* NumberStart(const char* text)
{
    while (std::isspace(static_cast<unsigned char>(*text)))
        ++text;
    if (*text == '+' || *text == '-')
        ++text;
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether strtof reads the text as sscanf's "%f" does: a plain decimal. sscanf
// refuses some texts that strtof reads a prefix of ("0x", "infinit"), so hex,
// inf and nan go to tinyxml2.
bool IsPlainDecimal(const char* text)
{
    const char* at = NumberStart(text);
    if (at[0] == '0' && (at[1] == 'x' || at[1] == 'X'))
        return false;
    return IsDigit(at[0]) || at[0] == '.';
}
} // namespace

bool ToInt(const char* text, int& value)
{
    if (!text)
        return false;
    if (tinyxml2::XMLUtil::IsPrefixHex(text))
    {
        int read;
        if (!tinyxml2::XMLUtil::ToInt(text, &read))
            return false;
        value = read;
        return true;
    }
    // sscanf's "%d" converts with strtol and keeps the low 32 bits of the long,
    // overflow included (a saturated long becomes -1 or 0), as this cast does.
    char* end = nullptr;
    const long read = std::strtol(text, &end, 10);
    if (end == text)
        return false;
    value = static_cast<int>(read);
    return true;
}

bool ToFloat(const char* text, float& value)
{
    if (!text)
        return false;
    if (!IsPlainDecimal(text))
    {
        float read;
        if (!tinyxml2::XMLUtil::ToFloat(text, &read))
            return false;
        value = read;
        return true;
    }
    // sscanf's "%f" is strtof on the characters it takes, and it takes every
    // character strtof would read of a decimal (out-of-range values included).
    char* end = nullptr;
    const float read = std::strtof(text, &end);
    if (end == text)
        return false;
    value = read;
    return true;
}

bool ToBool(const char* text, bool& value)
{
    if (!text)
        return false;
    int number = 0;
    if (ToInt(text, number))
    {
        value = number != 0;
        return true;
    }
    // The words every level file holds; other spellings are tinyxml2's to judge.
    if (std::strcmp(text, "true") == 0)
    {
        value = true;
        return true;
    }
    if (std::strcmp(text, "false") == 0)
    {
        value = false;
        return true;
    }
    bool read;
    if (!tinyxml2::XMLUtil::ToBool(text, &read))
        return false;
    value = read;
    return true;
}
} // namespace XmlNumbers
} // namespace Framework
