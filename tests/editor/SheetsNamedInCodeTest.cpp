// The sheets the program's code names are the ones its list holds: the Art
// Manager refuses to delete exactly these, so a key used in code and missing
// from the list would be deleted, and its picture gone in every later run.
#include <gtest/gtest.h>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include "editor/SheetsNamedInCode.h"
#include "support/TestSupport.h"

namespace
{
namespace fs = std::filesystem;

// Where code names a sheet: a call given its key, or a field or a constant
// given one (a constant holding a sheet's key has a name ending in "Sheet").
const std::regex kSheetCall(R"(\b(SetSpriteSheet|GetSpriteSheet|SetTilesetName|mTileTextureNames\.push_back)\s*\()");
const std::regex kSheetHolder(R"(\b(mSpriteSheetKey|SpriteName|mTilesetName|\w*Sheet)\s*=[^=])");
const std::regex kLiteral(R"re("([^"\\]*)")re");
// Comments mention sheets in prose (a line holding "//" in a string loses its
// end, which names no sheet).
const std::regex kLineComment(R"(//[^\n]*)");

// The call's arguments (to its closing parenthesis), or the rest of the statement.
std::string Extent(const std::string& code, size_t from, bool call)
{
    if (!call)
        return code.substr(from, code.find(';', from) - from);
    int depth = 0;
    for (size_t i = from; i < code.size(); ++i)
        if (code[i] == '(')
            ++depth;
        else if (code[i] == ')' && --depth == 0)
            return code.substr(from, i - from);
    return code.substr(from);
}

void CollectLiterals(const std::string& code, const std::regex& where, bool call, std::set<std::string>& keys)
{
    for (std::sregex_iterator match(code.begin(), code.end(), where), end; match != end; ++match)
    {
        const std::string extent = Extent(code, static_cast<size_t>(match->position(0)), call);
        for (std::sregex_iterator literal(extent.begin(), extent.end(), kLiteral); literal != end; ++literal)
            keys.insert((*literal)[1]);
    }
}

std::set<std::string> KeysNamedInSources()
{
    std::set<std::string> keys;
    for (const char* folder :
         {"platform", "core", "graphics", "physics", "audio", "gameplay", "game", "editor", "startup"})
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(TANDREL_SOURCE_DIR) / folder))
        {
            const std::string extension = entry.path().extension().string();
            if (extension != ".cpp" && extension != ".h")
                continue;
            const std::string code = std::regex_replace(TestSupport::ReadFile(entry.path().string()), kLineComment, "");
            CollectLiterals(code, kSheetCall, true, keys);
            CollectLiterals(code, kSheetHolder, false, keys);
        }
    return keys;
}
} // namespace

TEST(SheetsNamedInCode, TheListHoldsEveryKeyTheSourcesGiveWhereTheyNameASheet)
{
    const std::set<std::string> named = KeysNamedInSources();
    for (const std::string& key : named)
        EXPECT_TRUE(Framework::IsSheetNamedInCode(key)) << "\"" << key << "\" is named in code but not in the list";
    for (std::string_view key : Framework::SheetsNamedInCode)
        EXPECT_EQ(named.count(std::string(key)), 1u) << "\"" << key << "\" is listed but no code names it";
}
