// Starting and stopping a prop's Animator by hand: the props run their
// animation only for a set time after the apple touches them.
#pragma once
#include "graphics/Animator.h"

namespace Framework
{
namespace Props
{
// Steps at fps frames per second.
inline void RunAnimator(Animator& animator, int fps)
{
    animator.mFPS = fps;
    animator.mFrameDuration = 1.0f / static_cast<float>(fps);
}

// Holds the current frame.
inline void StopAnimator(Animator& animator)
{
    animator.mFPS = 0;
    animator.mFrameDuration = 0.0f;
}
} // namespace Props
} // namespace Framework
