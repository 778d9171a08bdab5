// The false-tile rules read and set the alpha of an object's Renderer. The
// graphics code installs these; until then no object counts as having one.
#pragma once

namespace Framework
{
class Composition;

struct RendererAlphaAccess
{
    // Whether the object has a Renderer; its alpha into alpha.
    bool (*mGet)(Composition* object, float& alpha) = nullptr;
    // Sets the alpha of the object's Renderer, when it has one.
    void (*mSet)(Composition* object, float alpha) = nullptr;
};
extern RendererAlphaAccess gRendererAlpha;
} // namespace Framework
