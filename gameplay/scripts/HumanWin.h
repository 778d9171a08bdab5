// The person at the end of a level ("HumanWin", with a Renderer). The win
// message (the apple touching the goal) sets it walking right to 3 units short
// of the basket "END", where it waits one second, takes the basket (the goal's
// alpha goes to 0 and the person's sheet becomes "Background_Human_wBasket")
// and walks on; 7 units past the goal it stops and the level counts as won.
// Content: "END" must come before "HumanWin" in the level file.
#pragma once
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/ScriptQueries.h"

namespace Framework
{
class HumanWin : public ScriptBase
{
public:
    static constexpr float WalkPastGoal = 7.0f; // the walk ends this far right of the goal
    static constexpr const char* BasketSheet = "Background_Human_wBasket";

    HumanWin() : ScriptBase("HumanWin") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;
    void OnWin(WinMessage* message, Behaviour* owner) override;

    bool mWalking = false;             // set by the win message, cleared when the walk ends
    ObjectHandle mGoal;                // "END"
    Vec2 mOffsetFromGoal{-3.0f, 0.0f}; // where the person stops to take the basket ("OffSetFromGoal")
    float mWalkSpeed = 5.0f;           // units per second
    float mWaitTime = 1.0f;            // seconds left to wait before taking the basket
    bool mSwapSprite = false;          // the basket sheet is still to be shown
    bool mFinished = false;            // the walk is over: the interface shows the win screen
};
} // namespace Framework
