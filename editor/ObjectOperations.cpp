// What the buttons of "All Game Objects" do to the factory's objects and
// archetypes, apart from the drawing, so each works the same from a click,
// a key or a test.
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "editor/EditorWidgets.h"
#include "editor/EditPanels.h"
#include "physics/Body.h"

namespace Framework
{
int ClampSelection(int selected, size_t count)
{
    return selected < 0 || static_cast<size_t>(selected) >= count ? 0 : selected;
}

Composition* CloneArchetype(int n)
{
    if (!gFactory || n < 0 || static_cast<size_t>(n) >= gFactory->mArchetypes.size())
        return nullptr;
    Composition* archetype = MapValueAt(gFactory->mArchetypes, n);
    return archetype ? gFactory->Instantiate(archetype) : nullptr;
}

bool DeleteArchetype(int n)
{
    if (!gFactory || n < 0 || static_cast<size_t>(n) >= gFactory->mArchetypes.size())
        return false;
    auto it = std::next(gFactory->mArchetypes.begin(), n);
    Composition* archetype = it->second;
    gFactory->mArchetypes.erase(it);
    // Its components leave their systems' lists as they are deleted.
    delete archetype;
    return true;
}

bool MakeArchetype(int n)
{
    if (!gFactory || n < 0 || static_cast<size_t>(n) >= gFactory->mObjects.size())
        return false;
    const Composition* object = MapValueAt(gFactory->mObjects, n);
    return object && gFactory->AddArchetype(*object);
}

void PlaceObjectAt(Composition& object, const Vec3& position)
{
    Body* body = object.GetComponent<Body>();
    // An archetype's body stays out of the physics grid: it is never simulated.
    if (body && object.mKind != ObjectKind::Archetype)
    {
        body->SetPosition(position);
        return;
    }
    if (body)
        body->mPosition = position;
    if (Transform* transform = object.GetComponent<Transform>())
    {
        transform->mPosition = position;
        transform->UpdateMatrix();
    }
}

bool PickedIsAlive(const EditPanelsState& state)
{
    Composition* picked = state.mPicked.Get();
    return picked && gFactory && !gFactory->mDestroySet.count(picked);
}
} // namespace Framework
