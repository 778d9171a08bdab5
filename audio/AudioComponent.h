// Gives an object a sound of the library: a key, whether it plays by itself,
// its volume limits, pitch and frequency, a delayed start and a fade. Scripts
// and buttons drive it; the audio manager updates the registered ones each frame.
#pragma once
#include <cstdint>
#include <string>
#include "audio/SoundEntry.h"
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"

namespace Framework
{
class AudioComponent : public Component
{
public:
    static constexpr int32_t TypeId = ComponentType::AudioComponent;
    static constexpr float DefaultFrequency = 44100.0f; // Hz; the inspector shows multiples of it

    // Registers with the audio manager.
    AudioComponent();
    // Copies every field; the copy is not registered, so the manager never updates it.
    AudioComponent(const AudioComponent& other);
    AudioComponent& operator=(const AudioComponent&) = delete;
    ~AudioComponent() override;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    void Initialize() override {}
    void DrawInspector() override;

    // Replaces the key (and stops) unless it is the current one with its sound found.
    void SetKey(const std::string& key);
    // Starts the key's sound, stopping what this component played before.
    void Play();
    // Stop, SetKey, Play: switches to another sound.
    void PlaySound(const std::string& key);
    // Stops every channel this component started.
    void Stop();
    bool IsPlaying();
    // Volume, pitch and frequency onto the component's first live channel; false without one.
    bool ApplyVolume();
    // Once a frame, from the audio manager: resolve, delayed start, fades.
    void Update(float dt);
    // Resolved, start flag and start value back to their start (AudioManager::Init).
    void ClearStart();

    // ---- Inspector edits ------------------------------------------------------
    void SetVolumeClamped(float volume); // into [Min Volume, Max Volume]
    void SetMinVolume(float volume);     // never below 0
    float GetFrequencyShown() const { return mFrequency / DefaultFrequency; }
    void SetFrequencyShown(float multiple) { mFrequency = multiple * DefaultFrequency; }
    // The combo's choice: index into the manager's sound keys (0 is " ", no sound).
    void SelectKey(int index);
    void ResetDefaults();

    bool mPlay = false;         // play as soon as the key is resolved ("Play")
    bool mStarted = false;      // start flag for scripts; cleared by AudioManager::Init
    bool mReset = false;        // "Reset": restore the defaults below
    bool mDelayedStart = false; // count mDelayTimer and play when it reaches mDelay
    bool mFadeOut = false;      // a fade-out is running
    bool mFadeIn = false;       // a fade-in is running
    int32_t mStartValue = 0;    // for scripts; cleared by AudioManager::Init
    float mMinVolume = 1.0f;
    float mMaxVolume = 100.0f;
    float mVolume = 1.0f;
    float mPitch = 1.0f;
    float mFrequency = DefaultFrequency;
    float mDelayTimer = 0.0f; // seconds since the delayed start was armed; never reset here
    float mDelay = 0.0f;
    float mFadeLevel = 0.0f; // 0 when a fade-out ends, mFadeTarget when a fade-in ends
    float mFadeTarget = 0.0f;
    float mFadeTimer = 0.0f; // shared by the fade-out and the fade-in that follows it
    float mFadeDuration = 0.0f;
    int32_t mSelectedKeyIndex = 0; // position of the key in the manager's sound keys
    SoundEntry* mEntry = nullptr;  // the key's library entry; not owned
    std::string mKey;              // the only field kept in files
    bool mResolved = false;        // mEntry was looked up for the current key

private:
    SoundEntry* Lookup(const std::string& key) const;
};
} // namespace Framework
