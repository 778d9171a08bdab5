// A gameplay world for the menu and scene scripts: objects built in code with
// the components a script looks for, one-frame clicks and timed runs.
#pragma once
#include <cmath>
#include <initializer_list>
#include <string>
#include "audio/AudioComponent.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/Button.h"
#include "gameplay/ScriptLookup.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"
#include "support/GameplayFixtures.h"

namespace TestSupport
{
class ScriptWorld
{
public:
    explicit ScriptWorld(uint32_t state) : mWorld(true)
    {
        mWorld.Init();
        mWorld.SetState(state);
    }

    // A live object at position with the named components ("Renderer",
    // "Button", "AudioComponent", ...) and, when script >= 0, a Behaviour with
    // that script number, initialised like a loaded level object.
    Framework::Composition* Make(const std::string& name, std::initializer_list<const char*> components,
                                 int32_t script = -1, Framework::Vec3 position = Framework::Vec3(0.0f))
    {
        Framework::Composition* object = Framework::gFactory->CreateObject(name, Framework::ObjectKind::GameObject);
        object->GetComponent<Framework::Transform>()->mPosition = position;
        for (const char* component : components)
            Framework::gFactory->AddComponent(object, component);
        if (script >= 0)
            static_cast<Framework::Behaviour*>(Framework::gFactory->AddComponent(object, "Behaviour"))->ScriptID =
                script;
        object->Initialize();
        return object;
    }

    // The object's Button is clicked: its script sees Click in the next frame,
    // and the button (not under the mouse) clears it again in that frame.
    void Click(Framework::Composition* object)
    {
        object->GetComponent<Framework::Button>()->Click = true;
        mWorld.Step();
    }

    // Steps whole frames for about seconds.
    void Run(float seconds) { mWorld.Step(static_cast<int>(std::lround(seconds / GameplayWorld::Dt))); }

    Framework::Camera& ActiveCamera() { return *Framework::gGraphicsSystem->GetActiveCamera(); }
    Framework::LevelState& State() { return mWorld.mLogic->mState; }

    GameplayWorld mWorld;
};

template <class T>
T* Get(Framework::Composition* object)
{
    return object->GetComponent<T>();
}
} // namespace TestSupport
