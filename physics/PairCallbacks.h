// What the game decides about pairs of bodies and learns of their contacts,
// as a physics engine's custom filter and contact events: the physics knows
// no game rule. The game sets them on the physics system with one call and a
// context pointer that every callback gets back, and the one who set them
// clears them. Null callbacks: every pair is tested, and a contact or a step
// means nothing more.
#pragma once

namespace Framework
{
class Body;

struct PairCallbacks
{
    // Whether the pair is kept out of the narrow phase this step. It answers
    // only: the pair test may ask about a pair several times in a step.
    bool (*mSkipPair)(void* context, Body* a, Body* b) = nullptr;
    // A pair in contact, once both objects have had their collision messages.
    void (*mContact)(void* context, Body* a, Body* b) = nullptr;
    // A running step is about to detect its contacts (bodies are where the
    // pair tests will find them).
    void (*mStepBegins)(void* context) = nullptr;
    void* mContext = nullptr; // handed back to each callback; names who set them
};
} // namespace Framework
