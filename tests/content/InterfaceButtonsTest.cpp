// The interface's buttons keep a body so they can be clicked, and they ride
// with the camera; while hidden they hang in the level itself, often in the
// apple's lane. They must never stop or throw the apple.
#include <gtest/gtest.h>
#include "ContentSupport.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "gameplay/Button.h"
#include "graphics/Camera.h"
#include "physics/Body.h"

using namespace Framework;
using namespace ContentSupport;

TEST(InterfaceButtons, TheApplePassesThroughAHiddenButton)
{
    TestSupport::GameplayWorld world(true);
    InitWorld(world);
    EnterLevel(world, "Level2");
    // A view whose hidden win-page buttons hang in open air (above the
    // basket's step, clear of the shelf), where the apple could jump.
    Composition* view = world.mFactory->FindObject("MainCamera");
    Camera* camera = view ? view->GetComponent<Camera>() : nullptr;
    ASSERT_NE(camera, nullptr);
    camera->Position.x = 20.0f;
    camera->Position.y = 15.0f;
    world.Step(); // the interface places its pieces around the camera

    Composition* apple = world.mFactory->FindObject("Player");
    ASSERT_NE(apple, nullptr);
    Body* appleBody = apple->GetComponent<Body>();
    ASSERT_NE(appleBody, nullptr);

    int buttons = 0;
    for (Composition* object : ObjectsInOrder(*world.mFactory))
    {
        Body* buttonBody = object->GetComponent<Body>();
        if (!object->GetComponent<Button>() || !buttonBody || !buttonBody->mShape)
            continue;
        ++buttons;
        // Thrown up at the button from just below it, as a jump would: a
        // solid box would stop the apple and send it back down.
        const Vec3 box = buttonBody->GetShapeCenter(); // the click box sits off the picture
        const Vec3 start(box.x, box.y - 1.5f, appleBody->mPosition.z);
        appleBody->SetPosition(start);
        appleBody->mVelocity = Vec3(0.0f, 17.0f, 0.0f);
        world.Step(4);
        EXPECT_GT(appleBody->mPosition.y, start.y + 0.8f) << object->mName << " stopped the apple";
        EXPECT_GT(appleBody->mVelocity.y, 0.0f) << object->mName << " threw the apple back";
    }
    EXPECT_GT(buttons, 3);
}
