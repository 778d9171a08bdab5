// Music and sound effects: the sound library read from the sound list, one
// channel group for music and one for effects, mute on M, and the update of
// every audio component. Gameplay reaches channels and groups only through here.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "audio/SoundEntry.h"
#include "audio/SoundList.h"
#include "audio/sound/SoundHandles.h"
#include "audio/sound/SoundResult.h"
#include "core/engine/System.h"

namespace Framework
{
class AudioComponent;
namespace Sound
{
class System;
class Mixer;
} // namespace Sound

class AudioManager : public System
{
public:
    static constexpr const char* AudioFolder = "Resources/Audio/";
    static constexpr const char* SoundListName = "Audio.dat";
    static constexpr int ChannelCount = 10;

    // output: where the mix goes; tests choose a silent output they drive themselves.
    explicit AudioManager(Sound::OutputType output = Sound::OutputType::AutoDetect);
    ~AudioManager() override;
    void Update(float dt) override;
    void Init() override;
    std::string GetName() override { return "Audio Manager"; }
    void SendMessage(Message*) override {}

    // ---- Library ---------------------------------------------------------------
    // The entry of the key; null for an unknown key or an empty library.
    SoundEntry* FindSound(const std::string& key);
    std::vector<std::string> GetSoundKeys() const { return mSoundKeys; }
    // Loads the sound of the key's entry: looping for music, once for effects.
    void LoadSound(const std::string& file, const std::string& key, uint32_t type);
    // A new effect at gNewSoundVolume; a key already in the library has its
    // entry updated instead. Keys and paths with blanks are refused.
    void AddSound(const std::string& file, const std::string& key);
    const SoundEntries& GetSounds() const { return mSounds; }

    // ---- Components ------------------------------------------------------------
    void RegisterComponent(AudioComponent* component);
    void UnregisterComponent(AudioComponent* component);
    // Drops every channel pair of the component from the library's entries.
    void ForgetComponent(AudioComponent* component);
    const std::vector<AudioComponent*>& GetComponents() const { return mComponents; }

    // ---- Playback --------------------------------------------------------------
    // Starts sound as music (type 0, looping, volume 1) or as an effect (type 1);
    // a null handle for any other type or when nothing plays.
    Sound::ChannelHandle PlaySound(Sound::SoundHandle sound, int type, float volume, float pitch, float frequency);
    // Replaces the music in gMusicChannel; an unknown key only stops it.
    void PlayMusic(const std::string& key);
    // Replaces the effect in gEffectChannel, at the effects group's volume.
    void PlayOneShot(const std::string& key);
    // Stops gEffectChannel and every channel of the effects group.
    void StopEffects();
    // Type 0: the smaller of the music group's and gMusicChannel's volume;
    // type 1: the effects group's volume; other types: 0.
    float GetVolume(int type);

    // ---- Channels and groups for gameplay (type 0 music, 1 effects) -----------------
    void StopMusic();  // gMusicChannel
    void StopEffect(); // gEffectChannel alone
    float GetGroupVolume(int type);
    void SetGroupVolume(int type, float volume);
    // gMusicChannel's or gEffectChannel's volume; 0 when it is not playing.
    float GetChannelVolume(int type);
    void SetChannelVolume(int type, float volume);
    bool IsMusicPlaying();

    // ---- Channels of components (audio/ only) ---------------------------------
    void StopChannel(Sound::ChannelHandle channel);
    bool IsChannelPlaying(Sound::ChannelHandle channel);
    void SetChannelSound(Sound::ChannelHandle channel, float volume, float pitch, float frequency);

    // Prints a failed result to standard output.
    static void CheckError(Sound::Result result);

    // The sound layer, for the audio tests and the audio component's internals.
    Sound::Mixer& GetMixer();
    Sound::System& GetSoundSystem() { return *mSystem; }
    Sound::GroupHandle GetMusicGroup() const { return mMusicGroup; }
    Sound::GroupHandle GetEffectsGroup() const { return mEffectsGroup; }

    bool mMuted = false;
    bool mPaused = false; // set by the core engine's pause and by loss of focus

private:
    void SetMuteEverywhere(bool mute);
    void PruneEndedChannels();
    // Prints and logs a sound's failed load.
    static void ReportLoad(const std::string& file, const std::string& key, Sound::Result result);
    // Prints a failed play, and logs it when the sound's file could not be opened.
    void ReportPlay(Sound::SoundHandle sound, Sound::Result result);
    // The sound list's sounds at start-up: the handle at once, the sound from a worker thread.
    void LoadInBackground(SoundEntry& entry);
    // Waits for the decode of mDecodingSounds[index] and takes it off the list;
    // a file that could not be decoded is reported and its entry loses its sound.
    void TakeDecode(size_t index);
    void TakeFinishedDecodes();                  // those whose decode has ended; never waits
    void FinishDecode(Sound::SoundHandle sound); // before sound first plays
    static std::string ListPath() { return std::string(AudioFolder) + SoundListName; }

    std::unique_ptr<Sound::System> mSystem;
    Sound::GroupHandle mEffectsGroup;
    Sound::GroupHandle mMusicGroup;
    SoundEntries mSounds;                            // list order, then added sounds
    std::map<std::string, SoundEntry*> mSoundsByKey; // the first record of a key wins
    std::vector<std::string> mSoundKeys;             // " " (no sound), then the keys sorted
    std::vector<AudioComponent*> mComponents;        // registration order; not owned
    std::vector<SoundEntry*> mDecodingSounds;        // sounds whose background decode has not been taken yet
    bool mListReadOk = false;                        // the list is rewritten at shutdown only after a clean read
};

extern AudioManager* gAudio;
extern Sound::ChannelHandle gMusicChannel;  // the music PlayMusic started
extern Sound::ChannelHandle gEffectChannel; // the last effect PlayOneShot started
extern float gNewSoundVolume;               // volume of sounds added by AddSound
} // namespace Framework
