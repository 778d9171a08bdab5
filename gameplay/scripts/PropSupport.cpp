#include "gameplay/scripts/PropSupport.h"
#include "core/objects/Transform.h"
#include "physics/Body.h"

namespace Framework
{
namespace Props
{
void MoveObjectTo(Composition* object, const Vec3& position)
{
    if (!object)
        return;
    Body* body = object->GetComponent<Body>();
    if (body)
        body->SetPosition(position);
    else if (Transform* transform = object->GetComponent<Transform>())
        transform->mPosition = position;
}
} // namespace Props
} // namespace Framework
