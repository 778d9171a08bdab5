// Vector and colour types shared by every subsystem.
#pragma once
#include <glm/glm.hpp>

namespace Framework
{
using Vec2 = glm::vec2;
using Vec3 = glm::vec3;  // positions, scales, velocities: x, y, z
using Color = glm::vec4; // r, g, b, a in 0..1
using Mat4 = glm::mat4;
} // namespace Framework
