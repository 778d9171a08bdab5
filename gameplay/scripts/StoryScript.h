// The story screen (state PLAY_STORY, "Resources\LevelData\Story"): one
// picture fades in over 3 s, holds, and fades out by 6 s; then, or on Space,
// the game plays the first level ("Resources\LevelData\Level1").
//
// What the story level must hold: one object with this script and a Renderer
// (the picture).
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class StoryScript : public ScriptBase
{
public:
    static constexpr float FadeRate = 0.5f;  // alpha per second
    static constexpr float FadeInEnd = 3.0f; // seconds
    static constexpr float FadeOutStart = 4.5f;
    static constexpr float End = 6.0f;
    static constexpr int SpaceKey = 32;

    StoryScript() = default;
    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    float mTime = 0.0f; // seconds since Init

    static float sAlpha; // the picture's fade
};
} // namespace Framework
