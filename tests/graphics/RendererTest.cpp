#include <gtest/gtest.h>
#include "support/RenderTestSupport.h"
#include "support/TestSupport.h"

using namespace Framework;

namespace
{
class RendererTest : public RenderTest::RenderFixture
{
};

size_t QueuedSprites(const GraphicsSystem& graphics)
{
    size_t quads = 0;
    for (const auto& [layer, textures] : graphics.mSpriteBatches)
        for (const auto& [texture, programs] : textures)
            for (const auto& [program, batch] : programs)
                quads += batch.mQuadCount;
    return quads;
}
} // namespace

TEST_F(RendererTest, DefaultsRoundTripThroughXmlAndText)
{
    Renderer source;
    Renderer fromXml;
    fromXml.mSpriteSheetKey = "Other";
    fromXml.mAlpha = 0.3f;
    fromXml.mInvertX = true;
    RenderTest::XmlRoundTrip(source, fromXml, mFolder.File("renderer.xml"));
    EXPECT_EQ(fromXml.mSpriteSheetKey, "PlaceHolder1");
    EXPECT_EQ(fromXml.mIndex, 0);
    EXPECT_FLOAT_EQ(fromXml.mAlpha, 1.0f);
    EXPECT_FALSE(fromXml.mInvertX);
    EXPECT_FALSE(fromXml.mInvertY);
    EXPECT_FALSE(fromXml.mInvisible);
    const std::string xml = TestSupport::ReadFile(mFolder.File("renderer.xml"));
    EXPECT_NE(xml.find("<InvertX Value=\"false\"/>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<SpriteSheetKey Value=\"PlaceHolder1\"/>"), std::string::npos);

    Renderer fromText;
    fromText.mIndex = 9;
    EXPECT_EQ(RenderTest::TextRoundTrip(source, fromText, mFolder.File("renderer.txt")), "Renderer");
    EXPECT_EQ(fromText.mIndex, 0);
    EXPECT_EQ(TestSupport::ReadFile(mFolder.File("renderer.txt")), "Renderer\n0\n0\n0\n0\nPlaceHolder1\n1\n");
}

TEST_F(RendererTest, EveryFieldRoundTrips)
{
    Renderer source;
    source.mInvertX = true;
    source.mInvisible = true;
    source.mIndex = 5;
    source.mSpriteSheetKey = "Cloud";
    source.mAlpha = 0.25f;
    for (int format = 0; format < 2; ++format)
    {
        Renderer target;
        if (format == 0)
            RenderTest::XmlRoundTrip(source, target, mFolder.File("r.xml"));
        else
            RenderTest::TextRoundTrip(source, target, mFolder.File("r.txt"));
        EXPECT_TRUE(target.mInvertX);
        EXPECT_FALSE(target.mInvertY);
        EXPECT_TRUE(target.mInvisible);
        EXPECT_EQ(target.mIndex, 5);
        EXPECT_EQ(target.mSpriteSheetKey, "Cloud");
        EXPECT_FLOAT_EQ(target.mAlpha, 0.25f);
    }
}

TEST_F(RendererTest, InspectorAlphaIsClampedAndOnlyANewSheetResetsTheFrame)
{
    Renderer renderer;
    renderer.SetAlpha(3.5f);
    EXPECT_FLOAT_EQ(renderer.mAlpha, 1.0f);
    renderer.SetAlpha(-2.0f);
    EXPECT_FLOAT_EQ(renderer.mAlpha, 0.0f);

    AddSheet("Cloud", 7);
    renderer.mIndex = 3;
    renderer.PickSpriteSheet("PlaceHolder1");
    EXPECT_EQ(renderer.mIndex, 3) << "picking the sheet already shown changes nothing";
    renderer.PickSpriteSheet("Cloud");
    EXPECT_EQ(renderer.mIndex, 0);
    EXPECT_EQ(renderer.mSpriteSheetKey, "Cloud");
    EXPECT_EQ(renderer.mSpriteSheet, &mGraphics->mSpriteSheets["Cloud"]);
}

TEST_F(RendererTest, EachKindJoinsItsOwnListAndLeavesIt)
{
    Composition* live = MakeObject("Live", ObjectKind::GameObject, 1, {"Renderer"});
    Composition* tile = MakeObject("Tile", ObjectKind::Tile, 2, {"Renderer"});
    Composition* archetype = MakeObject("Arch", ObjectKind::Archetype, 100, {"Renderer"});
    live->GetComponent<Transform>()->mPosition.z = 2.5f;
    live->Initialize();
    tile->Initialize();
    archetype->Initialize();
    ASSERT_EQ(mRendering->mLiveRenderers.size(), 1u);
    EXPECT_EQ(mRendering->mLiveRenderers[0].mRenderer, live->GetComponent<Renderer>());
    ASSERT_EQ(mRendering->mTileRenderers.size(), 1u);
    EXPECT_EQ(mRendering->mTileRenderers[0].mObjectId, 2u);
    EXPECT_EQ(mRendering->mArchetypeRenderers.size(), 1u);
    EXPECT_EQ(mRendering->mLayers[3].size(), 1u) << "z 2.5 is layer 3";
    EXPECT_EQ(live->GetComponent<Renderer>()->mTransform, live->GetComponent<Transform>());

    Destroy(tile);
    EXPECT_TRUE(mRendering->mTileRenderers.empty());
    Destroy(live);
    EXPECT_TRUE(mRendering->mLiveRenderers.empty());
}

TEST_F(RendererTest, VisibleRenderersAreQueuedFromTheirSheetFrame)
{
    AddSheet("PlaceHolder1", 4);
    Composition* object = MakeObject("Apple", ObjectKind::GameObject, 1, {"Renderer"});
    object->Initialize();
    Renderer* renderer = object->GetComponent<Renderer>();
    renderer->mIndex = 3;
    renderer->mInvertX = true;
    mRendering->Update(0.016f);
    ASSERT_EQ(QueuedSprites(*mGraphics), 1u);
    const SpriteBatch& batch = mGraphics->mSpriteBatches[0][4][3];
    EXPECT_EQ(batch.mTextureId, 4u);
    // Frame 3 is the bottom-right quarter; flipX swaps u, so vertex 0 takes u 1.
    EXPECT_FLOAT_EQ(batch.mVertices[7], 1.0f);
    EXPECT_FLOAT_EQ(batch.mVertices[8], 1.0f);

    renderer->mInvisible = true;
    mGraphics->mSpriteBatches.clear();
    mRendering->Update(0.016f);
    EXPECT_EQ(QueuedSprites(*mGraphics), 0u);
}

TEST_F(RendererTest, AMissingSheetFrameOrTransformIsSkipped)
{
    Composition* object = MakeObject("Ghost", ObjectKind::GameObject, 1, {"Renderer"});
    object->Initialize();
    Renderer* renderer = object->GetComponent<Renderer>();
    EXPECT_EQ(renderer->mSpriteSheet, nullptr);
    EXPECT_FALSE(renderer->QueueSprite());

    renderer->SetSpriteSheet("Cloud");
    EXPECT_EQ(renderer->mSpriteSheet, nullptr) << "looked up when the key changes";
    AddSheet("Cloud", 2);
    renderer->SetSpriteSheet("Cloud");
    renderer->mIndex = 4;
    EXPECT_FALSE(renderer->QueueSprite()) << "a 2 x 2 sheet has frames 0..3";
    renderer->mIndex = -1;
    EXPECT_FALSE(renderer->QueueSprite());
    renderer->mIndex = 0;
    renderer->mTransform = nullptr;
    EXPECT_FALSE(renderer->QueueSprite());
    EXPECT_EQ(QueuedSprites(*mGraphics), 0u);
}

TEST_F(RendererTest, ACloneCopiesEveryField)
{
    AddSheet("Cloud", 2);
    Composition* object = MakeObject("Source", ObjectKind::GameObject, 1, {"Renderer"});
    object->Initialize();
    Renderer* source = object->GetComponent<Renderer>();
    source->SetSpriteSheet("Cloud");
    source->mIndex = 2;
    std::unique_ptr<Component> copy(mFactory->GetCreator("Renderer")->Clone(*source));
    auto* clone = dynamic_cast<Renderer*>(copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->mTypeId, ComponentType::Renderer);
    EXPECT_EQ(clone->mIndex, 2);
    EXPECT_EQ(clone->mSpriteSheet, source->mSpriteSheet);
    clone->mOwner = nullptr; // never initialised: it joined nothing
}
