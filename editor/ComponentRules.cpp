// Which components the component editor lets the user add and delete. Some
// components find a sibling once and keep its address: an Animator and a
// Button their Renderer, a Controller and a shape their Body. Adding one
// needs the sibling first; deleting the sibling while one of them holds it
// would leave them pointing at freed memory, so that is refused too.
#include "core/objects/Composition.h"
#include "editor/EditPanels.h"

namespace Framework
{
namespace
{
struct Need
{
    int32_t mDependent; // the component that keeps the address
    int32_t mNeeded;    // of this sibling
};

const Need kNeeds[] = {
    {ComponentType::Animator, ComponentType::Renderer}, {ComponentType::Button, ComponentType::Renderer},
    {ComponentType::Controller, ComponentType::Body},   {ComponentType::Circle, ComponentType::Body},
    {ComponentType::OBB, ComponentType::Body},
};
} // namespace

std::string AddComponentRefusal(const Composition& object, int32_t typeId)
{
    if (object.GetComponent(typeId))
        return "Add Component Error";
    const bool needsBody =
        typeId == ComponentType::Controller || typeId == ComponentType::Circle || typeId == ComponentType::OBB;
    if (needsBody && !object.GetComponent(ComponentType::Body))
        return "No Body Component Found";
    if (typeId == ComponentType::Animator && !object.GetComponent(ComponentType::Renderer))
        return "No Renderer";
    if ((typeId == ComponentType::Circle && object.GetComponent(ComponentType::OBB)) ||
        (typeId == ComponentType::OBB && object.GetComponent(ComponentType::Circle)))
        return "Repeat";
    return "";
}

int32_t ComponentNeededBy(const Composition& object, const Component& component)
{
    for (const Need& need : kNeeds)
    {
        if (need.mNeeded != component.mTypeId)
            continue;
        Component* dependent = object.GetComponent(need.mDependent);
        if (dependent && !object.mPendingRemoval.count(dependent))
            return need.mDependent;
    }
    return ComponentType::None;
}
} // namespace Framework
