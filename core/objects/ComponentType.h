// The component type ids and their names, shared by level files, creators and the editor.
#pragma once
#include <cstdint>

namespace Framework
{
namespace ComponentType
{
enum : int32_t
{
    None = 0,
    Transform = 1,
    Body = 2,
    Sprite = 3, // no creator is ever registered: kept so old files still parse
    Renderer = 4,
    Animation = 5, // no creator is ever registered
    Animator = 6,
    Controller = 7,
    Circle = 8,
    OBB = 9,
    Behaviour = 10,
    AudioComponent = 11,
    Button = 12,
    TextRenderer = 13,
    Camera = 14,
    ParticleComponent = 15,
    Count = 16,
};
}

// Names in id order; creators are registered under these names.
extern const char* const gComponentTypeNames[ComponentType::Count];
} // namespace Framework
