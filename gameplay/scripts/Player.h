// The apple, the player character. This header carries the fields other
// scripts read or set; the apple's own behaviour fills in the rest.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Player : public ScriptBase
{
public:
    Player() : ScriptBase("Player") {}

    bool mLosePending = true;   // the lose music and dying animation are still to come
    int mPlayerHealth = 3;      // 0 to 3
    bool mPlayerRight = true;   // facing: true = right
    bool mPlayerMoving = false; // the apple rolls
    bool mImmune = false;       // G key: roaches, rats and icicles do no harm
    bool mBounceRequest = false;// set from outside; the next Update bounces
    bool mLiftFromBelow = false;// air stream: the apple entered from below
    bool mInStream = false;     // air stream: inside a fan's column this step
    bool mLiftOn = false;       // set by an air conditioner that is on
    bool mLanded = false;       // the landing effect is due
    bool mTurned = false;       // set on every turn; the turn effect reads it
    float mPlayerSpeed = 15.0f; // rolling force on the ground
};
} // namespace Framework
