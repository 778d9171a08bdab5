#include "ContentSupport.h"
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include "core/objects/ComponentCreator.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "graphics/Camera.h"
#include "graphics/FontLoader.h"
#include "graphics/TextRenderer.h"
#include "physics/Physics.h"
#include "platform/Win32Types.h"

namespace ContentSupport
{
namespace
{
std::string Resources() { return std::string(TANDREL_SOURCE_DIR) + "/Resources"; }

const std::map<char, Framework::GlyphBitmap>& GameGlyphs()
{
    static const std::map<char, Framework::GlyphBitmap> glyphs = Framework::RenderFontGlyphs(
        std::string(TANDREL_SOURCE_DIR) + "/" + Framework::GameFontPath, Framework::GameFontPixelSize);
    return glyphs;
}

std::vector<std::string> Lines(const std::string& path)
{
    std::vector<std::string> lines;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// A sheet's text file starts with its rows and columns.
int SheetFrameCount(const std::string& path)
{
    std::ifstream in(path);
    int rows = 0, cols = 0;
    in >> rows >> cols;
    return rows * cols;
}

Vocabulary ReadVocabulary()
{
    Vocabulary names;
    const std::vector<std::string> art = Lines(Resources() + "/Art/Art.dat");
    for (size_t i = 0; i + 1 < art.size(); i += 2)
    {
        std::string file = art[i + 1];
        std::replace(file.begin(), file.end(), '\\', '/');
        names.mSheetFrames[art[i]] = SheetFrameCount(std::string(TANDREL_SOURCE_DIR) + "/" + file);
    }
    // Five lines per animation: id, sheet, name, frames ending in -1, rate.
    const std::vector<std::string> animations = Lines(Resources() + "/Art/Animations.dat");
    for (size_t i = 0; i + 4 < animations.size() + 1 && i + 3 < animations.size(); i += 5)
    {
        const std::string& name = animations[i + 2];
        names.mAnimationSheets[name] = animations[i + 1];
        std::istringstream frames(animations[i + 3]);
        int frame = 0;
        while (frames >> frame && frame >= 0)
            names.mAnimationFrames[name].push_back(frame);
    }
    // Five lines per sound: tag, file, key, type, volume.
    const std::vector<std::string> sounds = Lines(Resources() + "/Audio/Audio.dat");
    for (size_t i = 0; i + 2 < sounds.size(); i += 5)
        names.mSoundKeys.insert(sounds[i + 2]);
    return names;
}
} // namespace

std::vector<std::string> LevelNames()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Resources() + "/LevelData"))
        if (entry.path().extension() == ".xml" && entry.path().stem() != "GameSettings")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

bool IsPlayLevel(const std::string& name)
{
    return name.size() == 6 && name.compare(0, 5, "Level") == 0 && name[5] >= '1' && name[5] <= '9';
}

std::string LevelPath(const std::string& name) { return "Resources\\LevelData\\" + name; }

const Vocabulary& Names()
{
    static const Vocabulary names = ReadVocabulary();
    return names;
}

std::vector<Framework::Composition*> ObjectsInOrder(Framework::GameObjectFactory& factory)
{
    std::vector<Framework::Composition*> objects;
    for (const auto& [id, object] : factory.mObjects)
        objects.push_back(object);
    return objects;
}

void InitWorld(TestSupport::GameplayWorld& world)
{
    world.Init();
    if (!world.mFactory->GetCreator("Camera"))
        world.mFactory->AddComponentCreator(
            "Camera", new Framework::ComponentCreatorType<Framework::Camera>(Framework::ComponentType::Camera));
}

std::string FirstDifference(const std::string& a, const std::string& b)
{
    std::istringstream left(a), right(b);
    std::string l, r;
    for (int number = 1;; ++number)
    {
        const bool moreLeft = static_cast<bool>(std::getline(left, l));
        const bool moreRight = static_cast<bool>(std::getline(right, r));
        if (!moreLeft && !moreRight)
            return "";
        if (!moreLeft || !moreRight || l != r)
            return "line " + std::to_string(number) + ": \"" + (moreLeft ? l : "<end>") + "\" vs \"" +
                   (moreRight ? r : "<end>") + "\"";
    }
}

void EnterLevel(TestSupport::GameplayWorld& world, const std::string& name)
{
    using namespace Framework;
    uint32_t state = GameState::LEVEL;
    if (name == "SplashScreen")
        state = GameState::SPLASH_SCREEN;
    else if (name == "NewMenu")
        state = GameState::MAIN_MENU;
    else if (name == "Story")
        state = GameState::PLAY_STORY;
    else if (name == "Credits")
        state = GameState::CREDITS;
    world.SetState(state);
    LevelState& levelState = world.mLogic->mState;
    levelState.mNextLevelPath = LevelPath(name);
    levelState.mFirstLevelPath = LevelPath("Level1");
    world.mLogic->SwitchLevel();
}

Recording ReadRecording(const std::string& path)
{
    Recording recording;
    std::ifstream in(path);
    if (!in)
    {
        recording.mError = "no recording " + path;
        return recording;
    }
    std::string line;
    int number = 0;
    while (std::getline(in, line))
    {
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string first, second;
        fields >> first >> second;
        const bool frameNumber =
            !first.empty() && first.size() < 9 && first.find_first_not_of("0123456789") == std::string::npos;
        const std::string bad = path + ":" + std::to_string(number) + ": bad line \"" + line + "\"";
        if (first == "end")
        {
            if (second.empty() || second.size() >= 9 || second.find_first_not_of("0123456789") != std::string::npos)
            {
                recording.mError = bad;
                return recording;
            }
            recording.mEnd = std::stoi(second);
            continue;
        }
        if (frameNumber && second == "CLICK")
        {
            Click click;
            if (!(fields >> click.mX >> click.mY))
            {
                recording.mError = bad;
                return recording;
            }
            recording.mClicks.emplace(std::stoi(first), click);
            continue;
        }
        const int key = KeyCode(second);
        if (key == 0 || !frameNumber)
        {
            recording.mError = bad;
            return recording;
        }
        recording.mTaps.emplace(std::stoi(first), key);
    }
    if (recording.mEnd == 0)
        recording.mError = path + ": no \"end\" line";
    return recording;
}

Recording Shifted(const Recording& recording, int frames)
{
    Recording shifted;
    shifted.mEnd = recording.mEnd;
    shifted.mError = recording.mError;
    for (const auto& [frame, key] : recording.mTaps)
        shifted.mTaps.emplace(std::max(0, frame + frames), key);
    for (const auto& [frame, click] : recording.mClicks)
        shifted.mClicks.emplace(std::max(0, frame + frames), click);
    return shifted;
}

size_t InputCount(const Recording& recording) { return recording.mTaps.size() + recording.mClicks.size(); }

Recording ShiftedOne(const Recording& recording, size_t input, int frames)
{
    Recording shifted;
    shifted.mEnd = recording.mEnd;
    shifted.mError = recording.mError;
    size_t index = 0;
    for (const auto& [frame, key] : recording.mTaps)
        shifted.mTaps.emplace(index++ == input ? std::max(0, frame + frames) : frame, key);
    for (const auto& [frame, click] : recording.mClicks)
        shifted.mClicks.emplace(index++ == input ? std::max(0, frame + frames) : frame, click);
    return shifted;
}

int KeyCode(const std::string& name)
{
    if (name == "SPACE")
        return Framework::VK_SPACE;
    if (name == "UP")
        return Framework::VK_UP;
    if (name == "RIGHT")
        return Framework::VK_RIGHT;
    if (name == "ESCAPE")
        return Framework::VK_ESCAPE;
    return 0;
}
bool GameFontReadable() { return !GameGlyphs().empty(); }

WordsExtent WordsOf(const Framework::TextRenderer& text, const Framework::Transform& t)
{
    const float scale = text.FontSize * t.mScale.x / 500.0f;
    WordsExtent words;
    for (char c : text.GetText())
        if (auto glyph = GameGlyphs().find(c); glyph != GameGlyphs().end())
            words.mWidth += static_cast<float>(glyph->second.mMetrics.mAdvance >> 6) * scale;
    const float em = Framework::GameFontPixelSize * scale;
    words.mLeft = t.mPosition.x;
    words.mRight = t.mPosition.x + words.mWidth;
    words.mBottom = t.mPosition.y - 0.25f * em;
    words.mTop = t.mPosition.y + 0.85f * em;
    return words;
}
} // namespace ContentSupport
