// The shipped levels, read with the engine's own loaders: each one saves back
// to the same bytes, holds the objects its scripts look for in the order they
// look for them, and names only sheets, frames, animations, sounds and
// scripts that exist.
#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include "ContentSupport.h"
#include "audio/AudioComponent.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/objects/ObjectTag.h"
#include "core/objects/Transform.h"
#include "core/tiles/TileGrid.h"
#include "gameplay/Behaviour.h"
#include "gameplay/Button.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/ScriptTable.h"
#include "graphics/Animator.h"
#include "graphics/Camera.h"
#include "graphics/FontLoader.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleComponent.h"
#include "graphics/Renderer.h"
#include "graphics/TextRenderer.h"
#include "physics/Body.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"
#include "support/TestSupport.h"
#include "game/GameFrame.h"

using namespace Framework;
using namespace ContentSupport;

namespace
{
ScriptBase* NoScript(int32_t) { return nullptr; }

// One level loaded by itself (no UI level) in the state that plays it, as
// the components read it: the scripts, which set their objects up for play
// as they start (stars shrunk to nothing, sounds chosen), are left out.
struct LoadedLevel
{
    explicit LoadedLevel(const std::string& name) : mWorld(true)
    {
        InitWorld(mWorld);
        mWorld.SetState(GameState::LEVEL);
        const ScriptMaker maker = gScriptMaker;
        gScriptMaker = &NoScript;
        GameFrame::LoadLevel(LevelPath(name));
        gScriptMaker = maker;
        mObjects = ObjectsInOrder(*mWorld.mFactory);
    }

    int IndexOf(const std::string& name) const
    {
        for (size_t i = 0; i < mObjects.size(); ++i)
            if (mObjects[i]->mName == name)
                return static_cast<int>(i);
        return -1;
    }

    TestSupport::GameplayWorld mWorld;
    std::vector<Composition*> mObjects;
};

int32_t ScriptOfObject(const Composition* object)
{
    const Behaviour* behaviour = object->GetComponent<Behaviour>();
    return behaviour ? behaviour->ScriptID : -1;
}

// A Camera saves the position it took from its object, while its view matrix
// is built from the position in the file: the files keep that one at x 0,
// y 0 (see tools/levelgen/objects.py). This puts a saved camera back there.
std::string WithCameraAtRest(std::string xml)
{
    const std::string open = "<Camera>";
    for (size_t at = xml.find(open); at != std::string::npos; at = xml.find(open, at + 1))
    {
        const size_t begin = xml.find("<Position ", at);
        const size_t end = xml.find("/>", begin);
        if (begin == std::string::npos || end == std::string::npos)
            break;
        const size_t z = xml.find(" Z=", begin);
        xml.replace(begin, z - begin, "<Position X=\"0\" Y=\"0\"");
    }
    return xml;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}
} // namespace

TEST(LevelContent, EveryStateHasItsLevelAndNinePlayLevelsExist)
{
    const std::vector<std::string> names = LevelNames();
    for (const char* needed :
         {"SplashScreen", "NewMenu", "Story", "Credits", "UI", "Level1", "Level2", "Level3", "Level4", "Level5",
          "Level6", "Level7", "Level8", "Level9", "Level10", "Level11", "level_test"})
        EXPECT_NE(std::find(names.begin(), names.end(), needed), names.end()) << needed;

    // Every path the level table gives the game names a shipped level pair.
    std::vector<std::string> table = {SplashScreenLevel(), MainMenuLevel(),  StoryLevel(),  CreditsLevel(),
                                      UiLevel(),           ScrollingLevel(), EndingLevel(), PlayTestLevel()};
    for (int n = 1; n <= PlayLevelCount; ++n)
        table.push_back(LevelPath(n));
    for (const std::string& path : table)
        EXPECT_TRUE(
            std::any_of(names.begin(), names.end(), [&](const std::string& name) { return LevelPath(name) == path; }))
            << path;
}

TEST(LevelContent, EveryLevelSavesBackToTheSameBytes)
{
    for (const std::string& name : LevelNames())
    {
        SCOPED_TRACE(name);
        LoadedLevel level(name);
        ASSERT_FALSE(level.mObjects.empty());
        std::filesystem::create_directories(level.mWorld.File("saved"));
        const std::string saved = level.mWorld.File("saved/" + name);
        ASSERT_TRUE(level.mWorld.mFactory->SaveLevel(saved));
        const std::string original = level.mWorld.File("Resources/LevelData/" + name);
        EXPECT_EQ(FirstDifference(WithCameraAtRest(TestSupport::ReadFile(saved + ".xml")),
                                  TestSupport::ReadFile(original + ".xml")),
                  "");
        EXPECT_EQ(FirstDifference(TestSupport::ReadFile(saved + ".dat"), TestSupport::ReadFile(original + ".dat")), "");
    }
}

TEST(LevelContent, ObjectsStandInTheOrderTheirScriptsLookForThem)
{
    for (const std::string& name : LevelNames())
    {
        SCOPED_TRACE(name);
        LoadedLevel level(name);
        const std::vector<Composition*>& objects = level.mObjects;

        // A camera before anything that reads the active camera as it starts.
        int firstCamera = -1;
        for (size_t i = 0; i < objects.size() && firstCamera < 0; ++i)
            if (objects[i]->GetComponent<Camera>())
                firstCamera = static_cast<int>(i);
        if (name != "UI")
        {
            EXPECT_GE(firstCamera, 0) << "no camera";
        }
        for (size_t i = 0; i < objects.size(); ++i)
        {
            const int32_t script = ScriptOfObject(objects[i]);
            if (script == ScriptId::BackGround || script == ScriptId::FollowCamera)
            {
                EXPECT_LT(firstCamera, static_cast<int>(i)) << objects[i]->mName << " starts before the camera";
            }
        }

        int players = 0, lastRoach = -1, player = -1;
        for (size_t i = 0; i < objects.size(); ++i)
        {
            const Composition* object = objects[i];
            const int index = static_cast<int>(i);
            if (object->mTag == ObjectTag::Player)
            {
                ++players;
                player = index;
                EXPECT_EQ(object->mName, "Player");
                EXPECT_EQ(ScriptOfObject(object), ScriptId::Player) << "a Player-tagged object runs another script";
            }
            if (object->mTag == ObjectTag::Roach)
                lastRoach = index;
            const int32_t script = ScriptOfObject(object);
            if (script == ScriptId::RoachTop)
            {
                EXPECT_GE(lastRoach, 0) << object->mName << " has no roach before it";
            }
            if (script == ScriptId::SmokeEffect)
            {
                EXPECT_GE(player, 0) << object->mName << " comes before the apple";
            }
            if (object->mName.rfind("ClickableSwitch", 0) == 0 && !object->mName.empty())
            {
                const char c = object->mName.back();
                EXPECT_GE(level.IndexOf(std::string("ClickableAirCon") + c), 0) << object->mName;
                EXPECT_LT(level.IndexOf(std::string("ClickableAirCon") + c), index) << object->mName;
                EXPECT_NE(object->mTag, ObjectTag::Switch)
                    << "a clickable switch tagged Switch is released every frame";
            }
        }
        EXPECT_LE(players, 1) << "more than one object tagged Player";

        if (IsPlayLevel(name) || name == "level_test")
        {
            EXPECT_EQ(players, 1);
            const int camera = level.IndexOf("MainCamera");
            ASSERT_GE(camera, 0);
            EXPECT_LT(level.IndexOf("Player"), camera) << "the camera script finds the apple only as it starts";
            EXPECT_EQ(ScriptOfObject(objects[camera]), ScriptId::CameraScript);
            ASSERT_GE(level.IndexOf("END"), 0);
            ASSERT_GE(level.IndexOf("HumanWin"), 0);
            EXPECT_LT(level.IndexOf("END"), level.IndexOf("HumanWin"));
            EXPECT_EQ(ScriptOfObject(objects[level.IndexOf("HumanWin")]), ScriptId::HumanWin);
            bool goal = false;
            for (const Composition* object : objects)
                goal = goal || (object->mTag == ObjectTag::Goal && object->GetComponent<Body>());
            EXPECT_TRUE(goal) << "nothing to touch to win";
            const Composition* apple = objects[level.IndexOf("Player")];
            EXPECT_TRUE(apple->GetComponent<Body>() && apple->GetComponent<ShapeCircle>());
            EXPECT_TRUE(apple->GetComponent<Renderer>() && apple->GetComponent<Animator>());
            EXPECT_TRUE(apple->GetComponent<AudioComponent>());
        }
        if (name == "UI")
            for (const Composition* object : objects)
            {
                SCOPED_TRACE(object->mName);
                EXPECT_EQ(ScriptOfObject(object), ScriptId::UIScript);
                if (object->mName != "SurroundingAudio" && !object->GetComponent<ParticleComponent>() &&
                    !object->GetComponent<TextRenderer>())
                {
                    EXPECT_TRUE(object->GetComponent<Renderer>());
                }
                if (const Button* button = object->GetComponent<Button>())
                {
                    EXPECT_EQ(button->TargetState, 0u);
                    EXPECT_TRUE(object->GetComponent<ShapeOBB>() && object->GetComponent<AudioComponent>());
                }
            }
        for (const Composition* object : objects)
            if (const Button* button = object->GetComponent<Button>())
                if (button->TargetState == GameState::LEVEL)
                {
                    EXPECT_TRUE(object->mName.rfind("Level", 0) == 0 && EndsWith(object->mName, "Pick"))
                        << object->mName << " would load an empty level path";
                }
    }
}

TEST(LevelContent, EveryNameALevelUsesExists)
{
    const Vocabulary& names = Names();
    for (const std::string& name : LevelNames())
    {
        SCOPED_TRACE(name);
        LoadedLevel level(name);
        for (const Composition* object : level.mObjects)
        {
            SCOPED_TRACE(object->mName);
            if (const Renderer* renderer = object->GetComponent<Renderer>())
            {
                const auto sheet = names.mSheetFrames.find(renderer->mSpriteSheetKey);
                ASSERT_NE(sheet, names.mSheetFrames.end()) << "sheet " << renderer->mSpriteSheetKey;
                EXPECT_LT(renderer->mIndex, sheet->second) << "frame of " << renderer->mSpriteSheetKey;
                EXPECT_GE(renderer->mIndex, 0);
            }
            if (const Animator* animator = object->GetComponent<Animator>())
            {
                EXPECT_EQ(names.mAnimationSheets.count(animator->mAniName), 1u) << "animation " << animator->mAniName;
            }
            if (const AudioComponent* audio = object->GetComponent<AudioComponent>())
            {
                EXPECT_EQ(names.mSoundKeys.count(audio->mKey), 1u) << "sound " << audio->mKey;
            }
            if (const ParticleComponent* particles = object->GetComponent<ParticleComponent>())
            {
                EXPECT_EQ(names.mSheetFrames.count(particles->SpriteName), 1u)
                    << "particle sheet " << particles->SpriteName;
            }
            if (const Behaviour* behaviour = object->GetComponent<Behaviour>())
            {
                EXPECT_GE(behaviour->ScriptID, 0);
                EXPECT_LT(behaviour->ScriptID, ScriptId::Count);
                EXPECT_NE(behaviour->ScriptID, ScriptId::EditorCameraScript);
                if (behaviour->ScriptID != ScriptId::None)
                {
                    std::unique_ptr<ScriptBase> script(MakeScript(behaviour->ScriptID));
                    EXPECT_NE(script, nullptr) << "script " << behaviour->ScriptID << " has no class";
                }
            }
            if (const Button* button = object->GetComponent<Button>())
            {
                EXPECT_LE(button->TargetState, static_cast<uint32_t>(GameState::CREDITS));
            }
        }
        const TileGrid& grid = level.mWorld.mFactory->mTileGrid;
        const auto tileset = names.mSheetFrames.find(level.mWorld.mGraphics->mTilesetName);
        ASSERT_NE(tileset, names.mSheetFrames.end());
        for (const auto& row : grid.mRows)
            for (const auto& cell : row)
                if (cell.mUsed)
                {
                    EXPECT_LT(cell.mFrame, tileset->second);
                    EXPECT_TRUE(cell.mKind >= 1 && cell.mKind <= 7);
                }
    }
}

namespace
{
struct Box
{
    float mLeft, mBottom, mRight, mTop;
    bool Holds(const Box& b) const
    {
        return mLeft <= b.mLeft && b.mRight <= mRight && mBottom <= b.mBottom && b.mTop <= mTop;
    }
    bool Misses(const Box& b) const
    {
        return b.mRight < mLeft || mRight < b.mLeft || b.mTop < mBottom || mTop < b.mBottom;
    }
};

Box BoxOf(const Transform& t) // a sprite's picture
{
    return {t.mPosition.x - t.mScale.x / 2, t.mPosition.y - t.mScale.y / 2, t.mPosition.x + t.mScale.x / 2,
            t.mPosition.y + t.mScale.y / 2};
}

// Where the camera script's clamp puts a camera at p: the lower bound is
// tested first, so a rectangle lower than the view leaves the camera
// swinging between both bounds from frame to frame.
std::vector<float> ClampedCentres(float p, float low, float high, float half)
{
    if (p < low + half)
        return {low + half, high - half};
    if (p > high - half)
        return {high - half, low + half};
    return {p};
}
} // namespace

TEST(LevelContent, TheBackdropFillsEveryViewAndSignsShowWholeAtTheStart)
{
    // The program's window is 1366 x 768; a level plays at zoom 35 and the
    // wheel zooms out to 27 at most.
    const float halfWidth = 683.0f, halfHeight = 384.0f;
    ASSERT_TRUE(GameFontReadable());
    for (const std::string& name : LevelNames())
    {
        if (!IsPlayLevel(name) && name != "Level10" && name != "Level11")
            continue;
        SCOPED_TRACE(name);
        LoadedLevel level(name);
        const Composition* cameraObject = level.mObjects[level.IndexOf("MainCamera")];
        const Camera* camera = cameraObject->GetComponent<Camera>();
        const Vec3 start = cameraObject->GetComponent<Transform>()->mPosition;
        ASSERT_TRUE(camera);

        // Every camera position the clamp allows (its two ends, at both zoom
        // limits) sees backdrop only: a layer that follows the camera stands
        // at its start x less the camera's travel / 3 ("Top_BG") or / 2
        // after the first Space, and still before it.
        for (const float zoom : {camera->CamSize.x, 27.0f})
        {
            const float hx = halfWidth / zoom, hy = halfHeight / zoom;
            // (A clamp narrower than the view swings the camera between both.)
            for (const float x : {camera->MinClamp.x + hx, camera->MaxClamp.x - hx})
                for (const float y : {camera->MinClamp.y + hy, camera->MaxClamp.y - hy})
                    for (const bool following : {false, true})
                    {
                        const Box view{x - hx, y - hy, x + hx, y + hy};
                        bool covered = false;
                        for (const Composition* object : level.mObjects)
                        {
                            const Transform* t = object->GetComponent<Transform>();
                            if (!object->GetComponent<Renderer>() || !t || t->mPosition.z != -9.0f)
                                continue;
                            Box layer = BoxOf(*t);
                            const bool moves = ScriptOfObject(object) == ScriptId::BackGround;
                            if (moves && following)
                            {
                                const float shift = (x - start.x) / (object->mName == "Top_BG" ? 3.0f : 2.0f);
                                layer.mLeft -= shift, layer.mRight -= shift;
                            }
                            if (moves && object->mName != "Top_BG") // a near layer need only span the view
                            {
                                EXPECT_TRUE(layer.mLeft <= view.mLeft && view.mRight <= layer.mRight)
                                    << object->mName << " ends inside the view at x " << x << " zoom " << zoom;
                            }
                            covered = covered || layer.Holds(view);
                        }
                        EXPECT_TRUE(covered)
                            << "the view at (" << x << ", " << y << ") zoom " << zoom
                            << (following ? " with the layers following" : "") << " shows past the backdrop";
                    }
        }

        // A sign shows whole at the first view or not at all.
        const float hx = halfWidth / camera->CamSize.x, hy = halfHeight / camera->CamSize.y;
        const float x = ClampedCentres(start.x, camera->MinClamp.x, camera->MaxClamp.x, hx)[0];
        const float y = ClampedCentres(start.y, camera->MinClamp.y, camera->MaxClamp.y, hy)[0];
        const Box firstView{x - hx, y - hy, x + hx, y + hy};
        for (const Composition* object : level.mObjects)
        {
            const TextRenderer* text = object->GetComponent<TextRenderer>();
            const Transform* t = object->GetComponent<Transform>();
            if (!text || !t)
                continue;
            const WordsExtent extent = WordsOf(*text, *t);
            const Box words{extent.mLeft, extent.mBottom, extent.mRight, extent.mTop};
            EXPECT_TRUE(firstView.Holds(words) || firstView.Misses(words))
                << "\"" << text->GetText() << "\" is cut at the edge of the first view";
            if (text->GetText() == "THE END") // the ending's top view is centred on x 23
            {
                EXPECT_NEAR(t->mPosition.x + extent.mWidth / 2.0f, 23.0f, 0.25f);
            }
        }
    }
}

TEST(LevelContent, TheLevelsPageShowsItsPicksApartFromBackAndNoTile)
{
    LoadedLevel menu("NewMenu");
    // The page's view: the camera at (47.5, 15.1), zoom 76.8, on 1366 x 768.
    const Box page{47.5f - 683.0f / 76.8f, 15.1f - 384.0f / 76.8f, 47.5f + 683.0f / 76.8f, 15.1f + 384.0f / 76.8f};
    const TileGrid& grid = menu.mWorld.mFactory->mTileGrid;
    for (size_t y = 0; y < grid.mRows.size(); ++y)
        for (size_t x = 0; x < grid.mRows[y].size(); ++x)
            if (grid.mRows[y][x].mUsed)
            {
                const Box tile{float(x), float(y), x + 1.0f, y + 1.0f};
                EXPECT_TRUE(page.Misses(tile)) << "tile " << x << ", " << y << " shows on the LEVELS page";
            }
    std::vector<Box> pieces;
    for (const Composition* object : menu.mObjects)
        if (object->GetComponent<Button>() && page.Holds(BoxOf(*object->GetComponent<Transform>())))
            pieces.push_back(BoxOf(*object->GetComponent<Transform>()));
    ASSERT_EQ(pieces.size(), 10u) << "nine picks and BACK";
    for (size_t i = 0; i < pieces.size(); ++i)
        for (size_t j = i + 1; j < pieces.size(); ++j)
            EXPECT_TRUE(pieces[i].Misses(pieces[j])) << "buttons " << i << " and " << j << " overlap";
}

TEST(LevelContent, TheApplesAnimationsShareItsSheet)
{
    // The rolling frames are plain indices into the sheet the Renderer has at
    // the time, so every animation the apple plays must be on the apple's sheet.
    const Vocabulary& names = Names();
    for (const char* animation : {"Apple100", "Apple75", "Apple50", "Apple100Pop", "Apple75Pop", "Apple50Pop",
                                  "AppleDyingAni", "AppleLand", "AppleChangeDirAni"})
    {
        ASSERT_EQ(names.mAnimationSheets.count(animation), 1u) << animation;
        EXPECT_EQ(names.mAnimationSheets.at(animation), "Apple") << animation;
    }
    EXPECT_GE(names.mSheetFrames.at("Apple"), 67);
}

TEST(LevelContent, TheArchetypesSaveBackToTheSameBytes)
{
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    world.mFactory->LoadArchetypes();
    EXPECT_GE(world.mFactory->mArchetypes.size(), 20u);
    world.mFactory->SaveArchetypes();
    for (const auto& entry : std::filesystem::directory_iterator(world.File("Resources/Archetype")))
    {
        const std::string file = entry.path().filename().string();
        EXPECT_EQ(
            FirstDifference(TestSupport::ReadFile(entry.path().string()),
                            TestSupport::ReadFile(std::string(TANDREL_SOURCE_DIR) + "/Resources/Archetype/" + file)),
            "")
            << file;
    }
}
