#include "gameplay/scripts/AirConScript.h"
#include <imgui.h>
#include "core/engine/Message.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/PropSupport.h"
#include "graphics/ParticleComponent.h"
#include "physics/Body.h"

namespace Framework
{
void AirConScript::Update(Behaviour* owner, float)
{
    // The air particles run exactly while the air conditioner is on.
    if (ParticleComponent* particles = Props::Part<ParticleComponent>(owner))
        if (particles->mEmitter)
            particles->mEmitter->mActivate = mOn;
    mAirConSpeed = mOn ? BlowSpeed : 0.0f;
}

void AirConScript::DrawInspector() { ImGui::DragFloat("AirConSpeed", &mAirConSpeed, 1.0f, 0.0f, 0.0f, "%.3f"); }

void AirConScript::OnCollision(CollisionMessage* message, Behaviour*)
{
    if (!message || !message->mOther || message->mOther->mTag != ObjectTag::Player)
        return;
    // The apple is the object of the physics system's player body; content may
    // give it another script, then there is no lift to set.
    const Composition* apple = gPhysics && gPhysics->mPlayerBody ? gPhysics->mPlayerBody->GetOwner() : nullptr;
    if (Player* player = ScriptOf<Player>(apple))
        player->mLiftOn = mOn;
}
} // namespace Framework
