#include "core/game/Levels.h"
#include <array>
#include <cstddef>

namespace Framework
{
const char* const gGameSettingsPath = "Resources\\LevelData\\GameSettings.xml";

namespace
{
struct LevelRow
{
    const char* mPath;
    bool mNoHud;          // played without the HUD: no UI level before it
    float mStarLimits[3]; // seconds below which it earns 3, 2 and 1 stars; read for the play levels only
};

// Rows of the table: the numbered levels first, so that level n is row n - 1.
enum Row : int
{
    ScrollingRow = PlayLevelCount,
    EndingRow,
    SplashScreenRow,
    MainMenuRow,
    StoryRow,
    CreditsRow,
    UiRow,
    PlayTestRow,
    RowCount
};
constexpr int NumberedLevelCount = EndingRow + 1;

// Every path is spelled out whole, so that a search for one finds this table.
// clang-format off
constexpr LevelRow Table[] = {
    // path                                  no HUD  star limits (seconds)
    {"Resources\\LevelData\\Level1",         false,  {40.0f, 55.0f, 70.0f}},
    {"Resources\\LevelData\\Level2",         false,  {50.0f, 65.0f, 80.0f}},
    {"Resources\\LevelData\\Level3",         false,  {37.0f, 52.0f, 67.0f}},
    {"Resources\\LevelData\\Level4",         false,  {51.0f, 61.0f, 71.0f}},
    {"Resources\\LevelData\\Level5",         false,  {48.0f, 63.0f, 78.0f}},
    {"Resources\\LevelData\\Level6",         false,  {75.0f, 90.0f, 105.0f}},
    {"Resources\\LevelData\\Level7",         false,  {75.0f, 90.0f, 105.0f}},
    {"Resources\\LevelData\\Level8",         false,  {75.0f, 90.0f, 105.0f}},
    {"Resources\\LevelData\\Level9",         false,  {75.0f, 90.0f, 105.0f}},
    {"Resources\\LevelData\\Level10",        true,   {}}, // ScrollingRow
    {"Resources\\LevelData\\Level11",        true,   {}}, // EndingRow
    {"Resources\\LevelData\\SplashScreen",   false,  {}},
    {"Resources\\LevelData\\NewMenu",        false,  {}},
    {"Resources\\LevelData\\Story",          false,  {}},
    {"Resources\\LevelData\\Credits",        false,  {}},
    {"Resources\\LevelData\\UI",             false,  {}},
    {"Resources\\LevelData\\level_test",     true,   {}}, // PlayTestRow
};
// clang-format on
static_assert(sizeof(Table) / sizeof(Table[0]) == RowCount, "one row per level, in the order of Row");

// The paths as strings, made once: the level switch and the scripts compare
// and hand them over without copying.
const std::string& PathOf(int row)
{
    static const std::array<std::string, RowCount> paths = []
    {
        std::array<std::string, RowCount> made;
        for (size_t i = 0; i < made.size(); ++i)
            made[i] = Table[i].mPath;
        return made;
    }();
    return paths[static_cast<size_t>(row)];
}

// The row of path, or RowCount when it names no level of the table.
int RowOf(const std::string& path)
{
    for (int row = 0; row < RowCount; ++row)
        if (path == PathOf(row))
            return row;
    return RowCount;
}
} // namespace

const std::string& LevelPath(int n)
{
    static const std::string none;
    return n >= 1 && n <= NumberedLevelCount ? PathOf(n - 1) : none;
}

const std::string& ScrollingLevel() { return PathOf(ScrollingRow); }
const std::string& EndingLevel() { return PathOf(EndingRow); }
const std::string& SplashScreenLevel() { return PathOf(SplashScreenRow); }
const std::string& MainMenuLevel() { return PathOf(MainMenuRow); }
const std::string& StoryLevel() { return PathOf(StoryRow); }
const std::string& CreditsLevel() { return PathOf(CreditsRow); }
const std::string& UiLevel() { return PathOf(UiRow); }
const std::string& PlayTestLevel() { return PathOf(PlayTestRow); }

bool IsScrollingLevel(const std::string& path) { return path == ScrollingLevel(); }
bool IsEndingLevel(const std::string& path) { return path == EndingLevel(); }

bool HasNoHud(const std::string& path)
{
    const int row = RowOf(path);
    return row < RowCount && Table[row].mNoHud;
}

const float* StarLimits(const std::string& path)
{
    const int row = RowOf(path);
    return row < PlayLevelCount ? Table[row].mStarLimits : nullptr;
}
} // namespace Framework
