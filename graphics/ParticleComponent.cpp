// ParticleComponent: its pooled emitter, saved settings and the inspector.
//
// Contents:
//   1. Helpers and the fields of the files: ReadColour, NameAt, the field tables, SheetKeys
//   2. Copy, destruction, the settings, Initialize
//   3. XML files: SerializeXml, UnserializeXml
//   4. The sheet and frame particles show: ApplySprite, PickSheet, PickTexture
//   5. The inspector: its field groups, DrawInspector
#include "graphics/ParticleComponent.h"
#include <algorithm>
#include <imgui.h>
#include <vector>
#include "core/objects/Composition.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Transform.h"
#include "core/serializers/XmlSerializer.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleSystem.h"

namespace Framework
{
namespace
{

// ---- 1. Helpers and the fields of the files ---------------------------------
void ReadColour(XmlSerializer& serializer, Color& value)
{
    serializer.ReadColour(value);
    serializer.NextElement();
}

bool NameAt(void* data, int index, const char** text)
{
    const auto* names = static_cast<const std::vector<std::string>*>(data);
    if (index < 0 || index >= static_cast<int>(names->size()))
        return false;
    *text = (*names)[index].c_str();
    return true;
}

// A field's name in the files and the settings member it reads and writes.
template <class T>
struct Field
{
    const char* name;
    T ParticleEmitterSettings::*field;
};
using BoolField = Field<bool>;
using VecField = Field<Vec3>;
using ColourField = Field<Color>;
using FloatField = Field<float>;
using IntField = Field<int>;
using S = ParticleEmitterSettings;

// The twelve switches, the eleven vectors, three colours, eleven floats and
// three integers, in file order.
const BoolField BoolFields[] = {
    {"VaryPosition", &S::mVaryPosition},     {"VaryScale", &S::mVaryScale},
    {"LerpColour", &S::mLerpColour},         {"MiddleColour", &S::mMiddleColour},
    {"LerpScale", &S::mLerpScale},           {"MiddleScale", &S::mMiddleScale},
    {"LerpVelocity", &S::mLerpVelocity},     {"MiddleVelocity", &S::mMiddleVelocity},
    {"CircleEmittion", &S::mCircleEmission}, {"Activate", &S::mActivate},
    {"FollowEmitter", &S::mFollowEmitter},   {"GravityEnabled", &S::mGravityEnabled},
};
const VecField VecFields[] = {
    {"Position", &S::mPosition},
    {"MinPos", &S::mMinPos},
    {"MaxPos", &S::mMaxPos},
    {"MinDir", &S::mMinDir},
    {"MaxDir", &S::mMaxDir},
    {"MinScale", &S::mMinScale},
    {"MaxScale", &S::mMaxScale},
    {"StartScale", &S::mStartScale},
    {"MidScale", &S::mMidScale},
    {"EndScale", &S::mEndScale},
    {"GravityDirection", &S::mGravityDirection},
};
const ColourField ColourFields[] = {
    {"StartColour", &S::mStartColour}, {"MidColour", &S::mMidColour}, {"EndColour", &S::mEndColour}};
const FloatField FloatFields[] = {
    {"Delay", &S::mDelay},
    {"MinLifeSpan", &S::mMinLifeSpan},
    {"MaxLifeSpan", &S::mMaxLifeSpan},
    {"MidLifeSpan", &S::mMidLifeSpan},
    {"MidScaleTime", &S::mMidScaleTime},
    {"MidSpdTime", &S::mMidSpdTime},
    {"StartSpeed", &S::mStartSpeed},
    {"MidSpeed", &S::mMidSpeed},
    {"EndSpeed", &S::mEndSpeed},
    {"MinRadius", &S::mMinRadius},
    {"MaxRadius", &S::mMaxRadius},
};
const IntField IntFields[] = {
    {"MaxParticle", &S::mMaxParticle}, {"BurstAmount", &S::mBurstAmount}, {"Type", &S::mType}};

std::vector<std::string> SheetKeys()
{
    std::vector<std::string> keys;
    if (gGraphicsSystem)
        for (const auto& [key, sheet] : gGraphicsSystem->mSpriteSheets)
            keys.push_back(key);
    return keys;
}
} // namespace

// ---- 2. Copy, destruction, the settings, Initialize -------------------------
ParticleComponent::ParticleComponent(const ParticleComponent& other)
    : Component(other), SpriteName(other.SpriteName), mSheet(other.mSheet), SheetIndex(other.SheetIndex),
      SpriteIndex(other.SpriteIndex)
{
    // Sharing the source's pool slot would free it under one of the two.
    // A source with neither emitter nor settings of its own has nothing to copy.
    if (other.mEmitter)
        mUnpooled = std::make_unique<ParticleEmitterSettings>(*other.mEmitter);
    else if (other.mUnpooled)
        mUnpooled = std::make_unique<ParticleEmitterSettings>(*other.mUnpooled);
}

ParticleComponent::~ParticleComponent()
{
    if (mEmitter && gParticles)
        gParticles->ReleaseEmitter(mEmitter);
}

ParticleEmitterSettings& ParticleComponent::Settings()
{
    if (mEmitter)
        return *mEmitter;
    if (!mUnpooled)
        mUnpooled = std::make_unique<ParticleEmitterSettings>();
    return *mUnpooled;
}

void ParticleComponent::Initialize()
{
    if (!mEmitter)
    {
        mEmitter = gParticles ? gParticles->AcquireEmitter() : nullptr;
        if (mEmitter && mUnpooled)
        {
            static_cast<ParticleEmitterSettings&>(*mEmitter) = *mUnpooled;
            mUnpooled.reset();
        }
        else if (!mEmitter && !mUnpooled)
        {
            Log("No free particle emitter for " + (mOwner ? mOwner->GetName() : std::string("an object")) +
                "; its effect is kept but not shown");
            mUnpooled = std::make_unique<ParticleEmitterSettings>();
        }
    }
    mSheet = GraphicsSystem::GetSpriteSheet(SpriteName);
}

// ---- 3. XML files -----------------------------------------------------------
void ParticleComponent::SerializeXml(XmlSerializer& serializer)
{
    ParticleEmitterSettings& settings = Settings();
    serializer.PushElement("ParticleComponent");
    for (const BoolField& f : BoolFields)
        serializer.WriteBool(f.name, settings.*f.field);
    for (const VecField& f : VecFields)
        serializer.WriteVec3(f.name, settings.*f.field);
    for (const ColourField& f : ColourFields)
        serializer.WriteColour(f.name, settings.*f.field);
    for (const FloatField& f : FloatFields)
        serializer.WriteFloat(f.name, settings.*f.field);
    for (const IntField& f : IntFields)
        serializer.WriteInt(f.name, settings.*f.field);
    serializer.WriteString("SpriteName", SpriteName);
    serializer.WriteInt("SheetIndex", SheetIndex);
    serializer.WriteInt("SpriteIndex", SpriteIndex);
    serializer.PopElement();
}

void ParticleComponent::UnserializeXml(XmlSerializer& serializer)
{
    Initialize();
    ParticleEmitterSettings& settings = Settings();
    for (const BoolField& f : BoolFields)
        serializer.ReadBool(settings.*f.field);
    for (const VecField& f : VecFields)
        serializer.ReadVec3(settings.*f.field);
    for (const ColourField& f : ColourFields)
        ReadColour(serializer, settings.*f.field);
    for (const FloatField& f : FloatFields)
        serializer.ReadFloat(settings.*f.field);
    for (const IntField& f : IntFields)
        serializer.ReadInt(settings.*f.field);
    serializer.ReadString(SpriteName);
    serializer.NextElement();
    serializer.ReadInt(SheetIndex);
    serializer.ReadInt(SpriteIndex);
    mSheet = GraphicsSystem::GetSpriteSheet(SpriteName);
    ApplySprite();
}

// ---- 4. The sheet and frame particles show ----------------------------------
void ParticleComponent::ApplySprite()
{
    if (!mSheet || SpriteIndex < 0 || SpriteIndex >= static_cast<int32_t>(mSheet->mFrames.size()))
        return;
    Settings().mSprite = mSheet->mFrames[SpriteIndex];
}

void ParticleComponent::PickSheet(const std::string& key)
{
    if (key == SpriteName)
        return;
    SpriteName = key;
    mSheet = GraphicsSystem::GetSpriteSheet(key);
}

void ParticleComponent::PickTexture()
{
    // The shown position comes from the saved name: the key list may have changed since.
    const std::vector<std::string> keys = SheetKeys();
    auto found = std::find(keys.begin(), keys.end(), SpriteName);
    const int current = found == keys.end() ? -1 : static_cast<int>(found - keys.begin());
    if (current >= 0)
        SheetIndex = current;
    int picked = current;
    const int keyCount = static_cast<int>(keys.size());
    if (ImGui::Combo("Texture", &picked, NameAt, const_cast<std::vector<std::string>*>(&keys), keyCount,
                     keyCount > 0 ? keyCount : -1) &&
        picked != current && picked >= 0 && picked < keyCount)
    {
        SheetIndex = picked;
        PickSheet(keys[picked]);
    }
    mSheet = GraphicsSystem::GetSpriteSheet(SpriteName);

    std::vector<std::string> frameNames;
    if (mSheet)
        for (const Sprite& frame : mSheet->mFrames)
            frameNames.push_back(frame.mName);
    const int frameCount = static_cast<int>(frameNames.size());
    ImGui::Combo("Sprite", &SpriteIndex, NameAt, &frameNames, frameCount, frameCount > 0 ? frameCount : -1);
    ApplySprite();
}

// ---- 5. The inspector -------------------------------------------------------
namespace
{
constexpr ImGuiColorEditFlags kPickerFlags = ImGuiColorEditFlags_NoSmallPreview | ImGuiColorEditFlags_NoSidePreview |
                                             ImGuiColorEditFlags_DisplayRGB | ImGuiColorEditFlags_PickerHueWheel;

// Where particles start and which way they go.
void EmissionFields(ParticleEmitter& e)
{
    ImGui::Checkbox("Randomize Position", &e.mVaryPosition);
    if (e.mVaryPosition)
    {
        ImGui::Text("Range for Particle to emit");
        ImGui::DragFloat2("Min Range", &e.mMinPos.x);
        ImGui::DragFloat2("Max Range", &e.mMaxPos.x);
    }
    ImGui::Text(" ");
    ImGui::Checkbox("Circle", &e.mCircleEmission);
    if (e.mCircleEmission)
    {
        ImGui::Text("Circle Emittion");
        ImGui::DragFloat("Min Radius", &e.mMinRadius);
        ImGui::DragFloat("Max Radius", &e.mMaxRadius);
    }
    ImGui::Text(" ");
    ImGui::Text("Gravity Enabled?");
    ImGui::Checkbox("##GravityEnabled", &e.mGravityEnabled); // no label: ImGui needs an ID all the same
    ImGui::DragFloat2("Gravity Direction", &e.mGravityDirection.x);
    ImGui::Text(" ");
    ImGui::Text("Direction for Particle to go");
    ImGui::DragFloat2("Min Direction", &e.mMinDir.x);
    ImGui::DragFloat2("Max Direction", &e.mMaxDir.x);
}

// How many particles, how many at once and how often; counts edit as whole numbers.
void AmountFields(ParticleEmitter& e)
{
    ImGui::Text("Additional Settings");
    float maxParticle = static_cast<float>(e.mMaxParticle);
    if (ImGui::DragFloat("Max No. Particle", &maxParticle, 1.0f, 0.0f, 0.0f, "%.0f"))
        e.mMaxParticle = static_cast<int>(maxParticle);
    float burst = static_cast<float>(e.mBurstAmount);
    if (ImGui::DragFloat("Burst Amount", &burst, 1.0f, 0.0f, 0.0f, "%.0f"))
        e.mBurstAmount = static_cast<int>(burst);
    ImGui::DragFloat("Spawn Delay", &e.mDelay);
}

void SpeedFields(ParticleEmitter& e)
{
    ImGui::Text("Particle Speed");
    ImGui::Checkbox("Different End Speed", &e.mLerpVelocity);
    if (e.mLerpVelocity)
    {
        ImGui::Checkbox("Additional Mid Speed", &e.mMiddleVelocity);
        if (e.mMiddleVelocity)
            ImGui::DragFloat("Middle Speed Time", &e.mMidSpdTime);
        ImGui::Text("Speed Attribute");
        ImGui::DragFloat("Min Speed", &e.mStartSpeed);
        if (e.mMiddleVelocity)
            ImGui::DragFloat("Mid Speed", &e.mMidSpeed);
        ImGui::DragFloat("Max Speed", &e.mEndSpeed);
    }
    else
    {
        ImGui::DragFloat("Speed", &e.mStartSpeed);
    }
}

void ScaleFields(ParticleEmitter& e)
{
    ImGui::Text("Scale property per Particle");
    ImGui::Checkbox("Randomize Scale", &e.mVaryScale);
    ImGui::Checkbox("Different End Scale", &e.mLerpScale);
    if (e.mLerpScale)
        ImGui::Checkbox("Additional Mid Scale", &e.mMiddleScale);
    if (e.mMiddleScale)
        ImGui::DragFloat("Middle Scale Time", &e.mMidScaleTime);
    if (e.mVaryScale)
    {
        ImGui::Text("Range for scale per Particle");
        ImGui::DragFloat2("Min Scale", &e.mMinScale.x);
        ImGui::DragFloat2("Max Scale", &e.mMaxScale.x);
    }
    else
    {
        ImGui::Text("Scale per Particle");
        ImGui::DragFloat2("Scale", &e.mMinScale.x);
    }
    if (e.mLerpScale)
        ImGui::Text("Additional Scale Property");
    if (e.mMiddleScale)
        ImGui::DragFloat2("Middle Scale", &e.mMidScale.x);
    if (e.mLerpScale)
        ImGui::DragFloat2("End Scale", &e.mEndScale.x);
}

void ColourPickers(ParticleEmitter& e)
{
    ImGui::Checkbox("Different End Colour", &e.mLerpColour);
    if (e.mLerpColour)
        ImGui::Checkbox("Additional Mid Colour", &e.mMiddleColour);
    if (e.mMiddleColour)
        ImGui::DragFloat("Middle Colour Time", &e.mMidLifeSpan);
    ImGui::ColorPicker4("Start Colour", &e.mStartColour.r, kPickerFlags);
    if (e.mMiddleColour)
        ImGui::ColorPicker4("Mid Colour", &e.mMidColour.r, kPickerFlags);
    if (e.mLerpColour)
        ImGui::ColorPicker4("End Colour", &e.mEndColour.r, kPickerFlags);
}
} // namespace

void ParticleComponent::DrawInspector()
{
    // Without a pool emitter there is nothing running to inspect.
    if (!mEmitter)
    {
        ImGui::Text("No free particle emitter");
        return;
    }
    ParticleEmitter& e = *mEmitter;

    ImGui::PushID(static_cast<int>(e.mId));
    // Named children under the emitter's ID: ImGui refuses a child ID of 0,
    // which the first object of a level has.
    ImGui::BeginChild("##EmitterProperties", ImVec2(ImGui::GetContentRegionAvail().x, 250.0f), true);
    ImGui::Text("Particle Emitter Property");
    ImGui::Text("Particle Used : %d", static_cast<int>(e.LiveCount()));
    ImGui::Text("Particle Total : %d", static_cast<int>(e.ReservedCount()));
    ImGui::Checkbox("Activate Emitter", &e.mActivate);
    ImGui::Checkbox("Follow Emitter", &e.mFollowEmitter);
    ImGui::Separator();
    EmissionFields(e);
    ImGui::Text(" ");
    AmountFields(e);
    ImGui::EndChild();

    ImGui::BeginChild("##ParticleProperties", ImVec2(ImGui::GetContentRegionAvail().x, 400.0f), true);
    ImGui::Text("Particle Property");
    ImGui::Separator();
    ImGui::Text("Particle Rotation");
    ImGui::Checkbox("Enable", &e.mRotationEnabled);
    if (e.mRotationEnabled)
        ImGui::DragFloat("Angle", &e.mAngle, 1.0f, 0.0f, 360.0f);
    ImGui::Text(" ");
    SpeedFields(e);
    ImGui::Text(" ");
    ScaleFields(e);
    ImGui::Text(" ");
    ImGui::Text("Duration");
    ImGui::DragFloat("Min lifespan", &e.mMinLifeSpan);
    ImGui::DragFloat("Max lifespan", &e.mMaxLifeSpan);
    ImGui::Text(" ");
    const char* shapes[] = {"None", "Circle", "Box", "Texture"};
    ImGui::Combo("Particle Shape", &e.mType, shapes, 4, 4);
    if (e.mType == static_cast<int>(ParticleType::Texture))
        PickTexture();
    ImGui::Text(" ");
    ColourPickers(e);
    ImGui::EndChild();

    // An inspected emitter follows its object.
    if (Transform* transform = mOwner ? mOwner->GetComponent<Transform>() : nullptr)
        e.mPosition = transform->mPosition;
    ImGui::PopID();
}
} // namespace Framework
