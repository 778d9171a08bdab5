// Constants shared by the physics files.
#pragma once

namespace Framework
{
// Below this a length or a mass counts as zero.
constexpr float PhysicsEpsilon = 1e-11f;
// The float pi that every degree-radian conversion uses.
constexpr float PhysicsPi = 3.1415927f;
// Start value of "largest so far" searches (the largest float).
constexpr float LargestFloat = 3.4028235e38f;

// Brings degrees once into [0, 360): a value two turns out stays out.
inline float WrapDegreesOnce(float degrees)
{
    if (degrees >= 360.0f)
        return degrees - 360.0f;
    if (degrees < 0.0f)
        return degrees + 360.0f;
    return degrees;
}
} // namespace Framework
