// The component editor's "Transform" header: position, rotation and scale.
// An object with a Body moves through its body so the body, its shape's
// pivot and the physics grid stay with it; a scale change re-enters the grid
// with the new size.
#include <imgui.h>
#include "core/objects/Composition.h"
#include "core/objects/Transform.h"
#include "editor/EditPanels.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"
#include "physics/ShapeOBB.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
namespace
{
constexpr float kDragSpeed = 1.0f;
constexpr float kDegreesToRadians = 3.1415927f / 180.0f;
const char* const kFormat = "%.3f";

// Only a live object's body is in the physics grid; an archetype's never is.
bool InGrid(const Composition& object, const Body& body)
{
    return object.mKind != ObjectKind::Archetype && body.mShape && gSpatialGrid;
}
} // namespace

void TransformHeader(Composition& object)
{
    Transform* transform = object.GetComponent<Transform>();
    if (!ImGui::CollapsingHeader("Transform") || !transform)
        return;
    Body* body = object.GetComponent<Body>();

    float position[3] = {transform->mPosition.x, transform->mPosition.y, transform->mPosition.z};
    float scale[2] = {transform->mScale.x, transform->mScale.y};
    const bool moved = ImGui::DragFloat3("Position", position, kDragSpeed, 0.0f, 0.0f, kFormat);
    const bool turned = ImGui::DragFloat("Rotation", &transform->mRotation, kDragSpeed, 0.0f, 0.0f, kFormat);
    const bool scaled = ImGui::DragFloat2("Scale", scale, kDragSpeed, 0.0f, 0.0f, kFormat);
    const Vec3 newPosition(position[0], position[1], position[2]);

    if (turned && body)
        body->SetOrientation(transform->mRotation * kDegreesToRadians);
    if (!body)
    {
        transform->mPosition = newPosition;
        transform->mScale.x = scale[0];
        transform->mScale.y = scale[1];
        if (moved || turned || scaled)
            transform->UpdateMatrix();
        return;
    }

    if (moved)
    {
        auto* box = dynamic_cast<ShapeOBB*>(body->mShape);
        if (box && box->RotateFixedPoint)
            box->PivotPosition =
                Vec3(newPosition.x + box->PivotOffset.x, newPosition.y + box->PivotOffset.y, newPosition.z);
        PlaceObjectAt(object, newPosition);
    }
    if (scaled)
    {
        const bool inGrid = InGrid(object, *body);
        if (inGrid)
            gSpatialGrid->Remove(body);
        transform->mScale.x = scale[0];
        transform->mScale.y = scale[1];
        transform->UpdateMatrix();
        if (inGrid)
            gSpatialGrid->Insert(body);
    }
    if (body->mShape)
    {
        body->mShape->UpdateWorldSize();
        body->mShape->SetRotationDegrees(transform->mRotation);
    }
}
} // namespace Framework
