// Quit confirmation: camera moves on the two dialog buttons.
#include "gameplay/scripts/Quit.h"
#include "core/objects/Composition.h"
#include "gameplay/Behaviour.h"
#include "gameplay/Button.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"

namespace Framework
{
void Quit::Update(Behaviour* owner, float)
{
    const Composition* object = owner ? owner->GetOwner() : nullptr;
    const Button* button = object ? object->GetComponent<Button>() : nullptr;
    Camera* camera = gGraphicsSystem ? gGraphicsSystem->GetActiveCamera() : nullptr;
    if (!button || !button->Click || !camera)
        return;
    if (object->mName == "QuitButton")
    {
        camera->Position.x = ConfirmX;
        camera->Position.y = ConfirmY;
    }
    else if (object->mName == "NoButton")
    {
        camera->Position.x = MenuX;
        camera->Position.y = MenuY;
    }
}
} // namespace Framework
