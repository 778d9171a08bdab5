#include <gtest/gtest.h>
#include <memory>
#include <tinyxml2.h>
#include "graphics/ParticleComponent.h"
#include "graphics/ParticleSystem.h"
#include "support/RenderTestSupport.h"

using namespace Framework;

namespace
{
class ParticleComponentTest : public RenderTest::RenderFixture
{
protected:
    void SetUp() override
    {
        RenderFixture::SetUp();
        mParticles = std::make_unique<ParticleSystem>();
        mParticles->Init();
    }
    void TearDown() override
    {
        RenderFixture::TearDown(); // objects go first: they hand their emitters back
        mParticles.reset();
    }

    std::unique_ptr<ParticleSystem> mParticles;
};
} // namespace

TEST_F(ParticleComponentTest, TheSystemRegistersTheCreator)
{
    ComponentCreator* creator = mFactory->GetCreator("ParticleComponent");
    ASSERT_NE(creator, nullptr);
    EXPECT_EQ(creator->mTypeId, static_cast<uint32_t>(ComponentType::ParticleComponent));
}

TEST_F(ParticleComponentTest, AllFortyThreeValuesAndTheSheetFrameRoundTrip)
{
    const SpriteSheet& cloud = AddSheet("Cloud", 9);
    ParticleComponent source;
    source.Initialize();
    ASSERT_NE(source.mEmitter, nullptr);
    ParticleEmitter& e = *source.mEmitter;
    e.mVaryPosition = e.mLerpColour = e.mMiddleScale = e.mCircleEmission = e.mActivate = e.mGravityEnabled = true;
    e.mPosition = Vec3(1, 2, 3);
    e.mMaxDir = Vec3(-1, 0.5f, 0);
    e.mEndScale = Vec3(4, 5, 6);
    e.mGravityDirection = Vec3(0, -9.8f, 0);
    e.mMidColour = Color(0.1f, 0.2f, 0.3f, 0.4f);
    e.mDelay = 0.3f;
    e.mMaxRadius = 7.5f;
    e.mMidSpdTime = 1.25f;
    e.mMaxParticle = 120;
    e.mBurstAmount = 6;
    e.mType = 3;
    source.SpriteName = "Cloud";
    source.SheetIndex = 1;
    source.SpriteIndex = 2;

    ParticleComponent target;
    RenderTest::XmlRoundTrip(source, target, mFolder.File("p.xml"));
    ASSERT_NE(target.mEmitter, nullptr) << "reading takes an emitter first";
    ASSERT_NE(target.mEmitter, source.mEmitter);
    const ParticleEmitter& r = *target.mEmitter;
    EXPECT_TRUE(r.mVaryPosition && r.mLerpColour && r.mMiddleScale && r.mCircleEmission && r.mActivate &&
                r.mGravityEnabled);
    EXPECT_FALSE(r.mVaryScale || r.mMiddleColour || r.mLerpScale || r.mLerpVelocity || r.mMiddleVelocity ||
                 r.mFollowEmitter);
    EXPECT_EQ(r.mPosition, Vec3(1, 2, 3));
    EXPECT_EQ(r.mMaxDir, Vec3(-1, 0.5f, 0));
    EXPECT_EQ(r.mEndScale, Vec3(4, 5, 6));
    EXPECT_EQ(r.mMinScale, Vec3(0.2f, 0.2f, 0));
    EXPECT_EQ(r.mGravityDirection, Vec3(0, -9.8f, 0));
    EXPECT_EQ(r.mMidColour, Color(0.1f, 0.2f, 0.3f, 0.4f));
    EXPECT_FLOAT_EQ(r.mDelay, 0.3f);
    EXPECT_FLOAT_EQ(r.mMaxRadius, 7.5f);
    EXPECT_FLOAT_EQ(r.mMidSpdTime, 1.25f);
    EXPECT_FLOAT_EQ(r.mMinLifeSpan, 5.0f);
    EXPECT_EQ(r.mMaxParticle, 120);
    EXPECT_EQ(r.mBurstAmount, 6);
    EXPECT_EQ(r.mType, 3);
    EXPECT_EQ(target.SpriteName, "Cloud");
    EXPECT_EQ(target.SheetIndex, 1);
    EXPECT_EQ(target.SpriteIndex, 2);
    EXPECT_EQ(r.mSprite.mName, cloud.mFrames[2].mName);
    EXPECT_EQ(r.mSprite.mTextureId, 9u);
    EXPECT_EQ(r.mSprite.mCorners[3], cloud.mFrames[2].mCorners[3]);

    const std::string xml = TestSupport::ReadFile(mFolder.File("p.xml"));
    EXPECT_NE(xml.find("<CircleEmittion Value=\"true\"/>"), std::string::npos);
    tinyxml2::XMLDocument document;
    ASSERT_EQ(document.Parse(xml.c_str()), tinyxml2::XML_SUCCESS);
    size_t children = 0;
    for (auto* child = document.RootElement()->FirstChildElement("ParticleComponent")->FirstChildElement(); child;
         child = child->NextSiblingElement())
        ++children;
    EXPECT_EQ(children, 43u) << xml;
}

TEST_F(ParticleComponentTest, AMissingSheetFrameKeepsThePreviousSprite)
{
    ParticleComponent component;
    component.Initialize();
    component.SpriteIndex = 30;
    component.mSheet = &AddSheet("Cloud", 9);
    component.ApplySprite();
    EXPECT_EQ(component.mEmitter->mSprite.mName, "Sprite0");
    EXPECT_EQ(component.mEmitter->mSprite.mTextureId, 0u);
}

TEST_F(ParticleComponentTest, DestroyingTheComponentReturnsItsParticlesAtOnce)
{
    Composition* object = MakeObject("Smoke", ObjectKind::GameObject, 1, {"ParticleComponent"});
    object->Initialize();
    ParticleEmitter* emitter = object->GetComponent<ParticleComponent>()->mEmitter;
    ASSERT_NE(emitter, nullptr);
    emitter->mActivate = true;
    emitter->mMaxParticle = 8;
    emitter->mBurstAmount = 8;
    emitter->mDelay = 0.0f;
    mParticles->Update(0.1f);
    ASSERT_EQ(emitter->LiveCount(), 8u);

    Destroy(object);
    EXPECT_FALSE(emitter->mInUse);
    EXPECT_EQ(emitter->LiveCount(), 0u);
    EXPECT_EQ(emitter->ReservedCount(), 0u);
    for (const Particle& particle : mParticles->mParticles)
        ASSERT_FALSE(particle.mReserved);
}

TEST_F(ParticleComponentTest, ACloneRunsItsOwnEmitterWithTheSameSettings)
{
    Composition* object = MakeObject("Smoke", ObjectKind::GameObject, 1, {"ParticleComponent"});
    object->Initialize();
    auto* source = object->GetComponent<ParticleComponent>();
    source->mEmitter->mMaxParticle = 33;
    source->mEmitter->mActivate = true;

    std::unique_ptr<Component> copy(mFactory->GetCreator("ParticleComponent")->Clone(*source));
    auto* clone = dynamic_cast<ParticleComponent*>(copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->mEmitter, nullptr) << "not initialised yet";
    clone->Initialize();
    ASSERT_NE(clone->mEmitter, nullptr);
    EXPECT_NE(clone->mEmitter, source->mEmitter);
    EXPECT_EQ(clone->mEmitter->mMaxParticle, 33);
    EXPECT_TRUE(clone->mEmitter->mActivate);

    copy.reset();
    EXPECT_TRUE(source->mEmitter->mInUse) << "destroying the copy leaves the original's emitter alone";
}

TEST_F(ParticleComponentTest, TheFiftyFirstComponentHasNoEmitterButKeepsItsSettings)
{
    std::vector<std::unique_ptr<ParticleComponent>> components;
    for (int i = 0; i < 50; ++i)
    {
        components.push_back(std::make_unique<ParticleComponent>());
        components.back()->Initialize();
    }
    components[0]->mEmitter->mMaxParticle = 77;
    ParticleComponent extra;
    RenderTest::XmlRoundTrip(*components[0], extra, mFolder.File("p.xml"));
    EXPECT_EQ(extra.mEmitter, nullptr);
    EXPECT_EQ(extra.Settings().mMaxParticle, 77);

    // Saved as read, so a level saved meanwhile loses nothing.
    ParticleComponent again;
    components.pop_back();
    RenderTest::XmlRoundTrip(extra, again, mFolder.File("p2.xml"));
    ASSERT_NE(again.mEmitter, nullptr);
    EXPECT_EQ(again.mEmitter->mMaxParticle, 77);
}
