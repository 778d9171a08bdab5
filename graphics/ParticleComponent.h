// Gives an object a particle effect: takes one emitter from the particle
// system's pool, saves and edits its settings, and names the sheet frame that
// Texture particles show.
#pragma once
#include <memory>
#include <string>
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"
#include "graphics/ParticleEmitter.h"

namespace Framework
{
class SpriteSheet;

class ParticleComponent : public Component
{
public:
    static constexpr int32_t TypeId = ComponentType::ParticleComponent;

    ParticleComponent() = default;
    // A copy gets an emitter of its own (at Initialize) with the source's settings.
    ParticleComponent(const ParticleComponent& other);
    ParticleComponent& operator=(const ParticleComponent&) = delete;
    // Gives the emitter back to the pool; its particles go at once.
    ~ParticleComponent() override;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer&) override {}
    // Takes an emitter first (Initialize), then reads the 43 fields into it.
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer&) override {}
    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    // Takes the first free emitter of the pool when it has none; looks the sheet up.
    void Initialize() override;
    void DrawInspector() override;
    // The inspector's sheet and frame combos for Texture particles.
    void PickTexture();

    // The settings saved and edited: the pool emitter's, or (with the pool
    // exhausted) a record of them that nothing runs.
    ParticleEmitterSettings& Settings();
    // Shows frame SpriteIndex of the sheet SpriteName on Texture particles; a
    // missing sheet or frame keeps the emitter's previous sprite.
    void ApplySprite();
    // The inspector's sheet pick: a different key resets nothing but the sheet.
    void PickSheet(const std::string& key);

    ParticleEmitter* mEmitter = nullptr; // a pool slot, not owned; null when none was free
    std::string SpriteName = "Cloud";    // sheet key for Texture particles
    SpriteSheet* mSheet = nullptr;       // not owned
    int32_t SheetIndex = 0;              // SpriteName's position in the sheet keys (saved)
    int32_t SpriteIndex = 0;             // frame of the sheet

private:
    std::unique_ptr<ParticleEmitterSettings> mUnpooled; // settings waiting for, or kept without, an emitter
};
} // namespace Framework
