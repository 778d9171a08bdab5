// Fixtures of the render component tests: a temporary working folder with the
// rendering manager, a context-free graphics system and a factory with the
// render creators, plus round trips through both file formats.
#pragma once
#include <gtest/gtest.h>
#include <filesystem>
#include <memory>
#include <string>
#include "core/objects/Composition.h"
#include "core/objects/ComponentCreator.h"
#include "core/objects/Factory.h"
#include "core/serializers/TextSerializer.h"
#include "core/objects/Transform.h"
#include "core/serializers/XmlSerializer.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"
#include "support/TestSupport.h"

namespace RenderTest
{
class RenderFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(mFolder.File("Resources/Art"));
        mWorkingDirectory = std::make_unique<TestSupport::WorkingDirectory>(mFolder.Path());
        mFactory = std::make_unique<Framework::GameObjectFactory>();
        mFactory->AddComponentCreator("Transform", new Framework::ComponentCreatorType<Framework::Transform>(
                                                       Framework::ComponentType::Transform));
        Framework::RegisterRenderComponentCreators();
        mRendering = std::make_unique<Framework::RenderingManager>();
        mGraphics = std::make_unique<Framework::GraphicsSystem>();
        mGraphics->mEditorCamera.SetUpForEditing(1366.0f, 768.0f);
        mGraphics->mShaders = {{"Test", 3}};
    }

    void TearDown() override
    {
        for (Framework::Composition* object : mObjects)
            delete object;
        mObjects.clear();
        mGraphics.reset();
        mRendering.reset();
        mFactory.reset();
        mWorkingDirectory.reset();
    }

    // A 2 x 2 sheet on texture `texture`, in the graphics system's table.
    Framework::SpriteSheet& AddSheet(const std::string& key, uint32_t texture)
    {
        Framework::SpriteSheet& sheet = mGraphics->mSpriteSheets[key];
        sheet.mName = key;
        sheet.mId = texture;
        sheet.mRows = sheet.mCols = 2;
        sheet.Slice();
        return sheet;
    }

    // An object of that kind and id holding a Transform and the named components,
    // not yet initialised; deleted by the fixture.
    Framework::Composition* MakeObject(const std::string& name, Framework::ObjectKind kind, uint32_t id,
                                       std::initializer_list<const char*> components)
    {
        auto* object = new Framework::Composition(name);
        object->mKind = kind;
        object->mId = id;
        mFactory->AddComponent(object, "Transform");
        for (const char* component : components)
            mFactory->AddComponent(object, component);
        mObjects.push_back(object);
        return object;
    }

    void Destroy(Framework::Composition* object)
    {
        mObjects.erase(std::remove(mObjects.begin(), mObjects.end(), object), mObjects.end());
        delete object;
    }

    TestSupport::TempFolder mFolder;
    std::unique_ptr<TestSupport::WorkingDirectory> mWorkingDirectory;
    std::unique_ptr<Framework::GameObjectFactory> mFactory;
    std::unique_ptr<Framework::RenderingManager> mRendering;
    std::unique_ptr<Framework::GraphicsSystem> mGraphics;
    std::vector<Framework::Composition*> mObjects;
};

// Writes source as one XML element, reads it back into target through a file.
template <class T>
void XmlRoundTrip(T& source, T& target, const std::string& path)
{
    {
        Framework::XmlSerializer out;
        out.CreateRoot("Test");
        source.SerializeXml(out);
        ASSERT_TRUE(out.SaveFile(path));
    }
    Framework::XmlSerializer in;
    ASSERT_TRUE(in.LoadFile(path));
    in.EnterChild(); // the component's element
    in.EnterChild(); // its first field
    target.UnserializeXml(in);
}

// Writes source's text record, then reads the type-name word and the fields into target.
template <class T>
std::string TextRoundTrip(T& source, T& target, const std::string& path)
{
    {
        Framework::TextSerializer out(path, Framework::TextSerializer::Write);
        source.SerializeText(out);
        out.Close();
    }
    Framework::TextSerializer in(path, Framework::TextSerializer::ReadOnly);
    std::string typeName;
    in.ReadString(typeName);
    target.UnserializeText(in);
    return typeName;
}
} // namespace RenderTest
