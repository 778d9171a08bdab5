// The layer map kept up renderer by renderer holds what a rebuild from the lists holds.
#include <gtest/gtest.h>
#include "support/RenderTestSupport.h"

using namespace Framework;

namespace
{
class LayerMapTest : public RenderTest::RenderFixture
{
protected:
    Composition* Add(ObjectKind kind, uint32_t id, float z)
    {
        Composition* object = MakeObject("Thing", kind, id, {"Renderer"});
        object->GetComponent<Transform>()->mPosition.z = z;
        object->Initialize();
        return object;
    }

    using Layers = std::map<int, std::vector<std::pair<uint32_t, Renderer*>>>;
    Layers Snapshot() const
    {
        Layers layers;
        for (const auto& [layer, entries] : mRendering->mLayers)
            for (const RenderingManager::RendererEntry& entry : entries)
                layers[layer].push_back({entry.mObjectId, entry.mRenderer});
        for (auto it = layers.begin(); it != layers.end();)
            it = it->second.empty() ? layers.erase(it) : std::next(it);
        return layers;
    }
};
} // namespace

TEST_F(LayerMapTest, AddingAndRemovingKeepsTheMapARebuildWouldMake)
{
    // Live and tile renderers interleaved over shared layers, negative depths included.
    const float depths[] = {2.5f, 0.0f, -0.5f, 2.1f, -8.0f, 3.0f, 0.2f, -8.0f, 2.5f};
    std::vector<Composition*> objects;
    for (uint32_t i = 0; i < 9; ++i)
        objects.push_back(Add(i % 3 == 1 ? ObjectKind::Tile : ObjectKind::GameObject, i + 1, depths[i]));
    const Layers incremental = Snapshot();
    mRendering->BuildLayers();
    EXPECT_EQ(incremental, Snapshot());
    EXPECT_EQ(incremental.at(3).size(), 4u) << "2.1, 2.5, 2.5 and 3.0 round up to 3";

    mRendering->RemoveRenderer(objects[3]->mId, objects[3]->GetComponent<Renderer>());
    mRendering->RemoveMode2Renderer(objects[4]->mId);
    Add(ObjectKind::GameObject, 20, 3.0f);
    Add(ObjectKind::Tile, 21, 3.0f);
    const Layers afterChanges = Snapshot();
    mRendering->BuildLayers();
    EXPECT_EQ(afterChanges, Snapshot());
}
