// A view onto the world: position and zoom, the matrices every draw uses.
#pragma once
#include "core/MathTypes.h"

namespace Framework
{
class Camera
{
public:
    unsigned mMode = 1;                  // 1 editor controls on, 2 off
    Vec3 Position{0.0f, 0.0f, 0.0f};     // world units
    Vec3 CamSize{25.0f, 25.0f, 1.0f};    // zoom: world-to-pixel scale in x and y
};
} // namespace Framework
