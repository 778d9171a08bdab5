// Where the play levels' pieces stand once the game runs them: icicles hang
// from the ledges above them and fall clear of every sign, and no sign of the
// first view sits under the interface's pieces (hearts, clock, speed button).
#include <gtest/gtest.h>
#include <cmath>
#include <map>
#include <vector>
#include "ContentSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/objects/ObjectTag.h"
#include "core/objects/Transform.h"
#include "core/tiles/TileGrid.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ScriptId.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/IcicleScript.h"
#include "gameplay/scripts/WalkerSound.h"
#include "graphics/FontLoader.h"
#include "graphics/Renderer.h"
#include "graphics/TextRenderer.h"

using namespace Framework;
using namespace ContentSupport;

namespace
{
struct Box
{
    float mLeft, mBottom, mRight, mTop;
    bool Overlaps(const Box& o) const
    {
        return mLeft < o.mRight && o.mLeft < mRight && mBottom < o.mTop && o.mBottom < mTop;
    }
};

Box PictureOf(const Composition& object)
{
    const Transform& t = *object.GetComponent<Transform>();
    return {t.mPosition.x - t.mScale.x / 2, t.mPosition.y - t.mScale.y / 2, t.mPosition.x + t.mScale.x / 2,
            t.mPosition.y + t.mScale.y / 2};
}

bool Solid(const TileGrid& grid, int x, int y)
{
    return y >= 0 && x >= 0 && static_cast<size_t>(y) < grid.mRows.size() &&
           static_cast<size_t>(x) < grid.mRows[y].size() && grid.mRows[y][x].mUsed;
}

bool OfTheInterface(const Composition& object)
{
    const Behaviour* behaviour = object.GetComponent<Behaviour>();
    return behaviour && behaviour->ScriptID == ScriptId::UIScript;
}

// Every sign of the level: its boards and the boxes of its words, as the
// text is laid out (advance of each glyph, from 0.25 em below the baseline
// to 0.85 em above it). The interface's own text is not a sign.
std::vector<std::pair<std::string, Box>> Signs(const std::vector<Composition*>& objects)
{
    std::vector<std::pair<std::string, Box>> signs;
    for (const Composition* object : objects)
    {
        if (OfTheInterface(*object))
            continue;
        const Renderer* renderer = object->GetComponent<Renderer>();
        if (renderer && renderer->mSpriteSheetKey == "SignBoard")
            signs.emplace_back(object->mName, PictureOf(*object));
        const TextRenderer* text = object->GetComponent<TextRenderer>();
        const Transform* t = object->GetComponent<Transform>();
        if (!text || !t)
            continue;
        const WordsExtent words = WordsOf(*text, *t);
        signs.emplace_back("\"" + text->GetText() + "\"", Box{words.mLeft, words.mBottom, words.mRight, words.mTop});
    }
    return signs;
}

// A play level entered as the game does (the interface level first), its
// apple left resting where it lands.
struct RunningLevel
{
    explicit RunningLevel(const std::string& name) : mWorld(true)
    {
        SeedWalkerRandom(1);
        InitWorld(mWorld);
        EnterLevel(mWorld, name);
    }
    std::vector<Composition*> Objects() { return ObjectsInOrder(*mWorld.mFactory); }
    TestSupport::GameplayWorld mWorld;
};
} // namespace

TEST(LevelLayout, IciclesHangFromTheirLedgesAndFallClearOfTheSigns)
{
    int icicles = 0;
    for (const std::string& name : LevelNames())
    {
        if (!IsPlayLevel(name))
            continue;
        SCOPED_TRACE(name);
        RunningLevel level(name);
        std::vector<Composition*> hanging;
        for (Composition* object : level.Objects())
            if (object->mTag == ObjectTag::Icicle && ScriptOf<IcicleScript>(object))
                hanging.push_back(object);
        if (hanging.empty())
            continue;
        icicles += static_cast<int>(hanging.size());
        // They grow down from where they are placed, then hang still.
        auto allStill = [&]
        {
            for (Composition* icicle : hanging)
                if (!ScriptOf<IcicleScript>(icicle)->mStatic)
                    return false;
            return true;
        };
        for (int frame = 0; frame < 64 * 10 && !allStill(); ++frame)
            level.mWorld.Step();
        ASSERT_TRUE(allStill()) << "an icicle never stopped growing";

        const TileGrid& grid = level.mWorld.mFactory->mTileGrid;
        const auto signs = Signs(level.Objects());
        for (Composition* icicle : hanging)
        {
            SCOPED_TRACE(icicle->mName);
            const Box picture = PictureOf(*icicle);
            const int column = static_cast<int>(std::floor((picture.mLeft + picture.mRight) / 2.0f));
            const int ledge = static_cast<int>(std::lround(picture.mTop));
            // Its top meets the underside of a ledge, within a pixel (1/35 unit).
            EXPECT_NEAR(picture.mTop, static_cast<float>(ledge), 1.0f / 35.0f);
            EXPECT_TRUE(Solid(grid, column, ledge)) << "no ledge above the icicle";
            EXPECT_FALSE(Solid(grid, column, ledge - 1)) << "the icicle hangs inside a tile";
            // The way it falls, down to the ground under it.
            int ground = ledge - 1;
            while (ground > 0 && !Solid(grid, column, ground - 1))
                --ground;
            const Box fall{picture.mLeft, static_cast<float>(ground), picture.mRight, picture.mTop};
            for (const auto& [sign, box] : signs)
            {
                EXPECT_FALSE(fall.Overlaps(box)) << "the icicle crosses the sign " << sign;
            }
        }
    }
    EXPECT_GE(icicles, 4) << "the freezer levels have icicles";
}

TEST(LevelLayout, NoSignOfTheFirstViewSitsUnderTheInterface)
{
    // The interface's pieces along the top of the screen, placed by their
    // script around the camera as the level starts.
    const char* const pieces[] = {"UIApple", "Heart", "Heart1", "Heart2", "TimerBG", "SpeedIndicator"};
    for (const std::string& name : LevelNames())
    {
        if (!IsPlayLevel(name))
            continue;
        SCOPED_TRACE(name);
        RunningLevel level(name);
        level.mWorld.Step(4);
        const std::vector<Composition*> objects = level.Objects();
        std::vector<std::pair<std::string, Box>> interface;
        for (const char* piece : pieces)
            if (const Composition* object = level.mWorld.mFactory->FindObject(piece))
                interface.emplace_back(piece, PictureOf(*object));
        ASSERT_EQ(interface.size(), std::size(pieces));
        for (const auto& [sign, box] : Signs(objects))
            for (const auto& [piece, picture] : interface)
            {
                EXPECT_FALSE(box.Overlaps(picture)) << "the sign " << sign << " meets the " << piece;
            }
    }
}
