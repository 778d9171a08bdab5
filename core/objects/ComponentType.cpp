#include "core/objects/ComponentType.h"

namespace Framework
{
const char* const gComponentTypeNames[ComponentType::Count] = {
    "None",   "Transform", "Body",      "Sprite",         "Renderer", "Animation",    "Animator", "Controller",
    "Circle", "OBB",       "Behaviour", "AudioComponent", "Button",   "TextRenderer", "Camera",   "ParticleComponent",
};
} // namespace Framework
