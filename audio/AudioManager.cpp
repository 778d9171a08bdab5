// AudioManager: the game's sounds, music and effects over the sound system's mixer.
//
// Contents:
//   1. Construction and shutdown: the sound system, groups, Init
//   2. Frame: Update, SetMuteEverywhere, PruneEndedChannels
//   3. Library: FindSound, LoadSound, sounds loading in the background, AddSound
//   4. Components: RegisterComponent, UnregisterComponent, ForgetComponent
//   5. Playback: PlaySound, PlayMusic, PlayOneShot, StopEffects, GetVolume
//   6. Channels and groups for gameplay: music and effect stops, group and channel volumes
//   7. Channels of components: StopChannel, IsChannelPlaying, SetChannelSound, CheckError
#include "audio/AudioManager.h"
#include <algorithm>
#include <cctype>
#include <iostream>
#include "audio/AudioComponent.h"
#include "audio/sound/SoundSystem.h"
#include "core/objects/ComponentCreator.h"
#include "core/objects/ComponentType.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"

namespace Framework
{
AudioManager* gAudio = nullptr;
Sound::ChannelHandle gMusicChannel;
Sound::ChannelHandle gEffectChannel;
float gNewSoundVolume = 1.0f;

namespace
{
constexpr int MuteKey = 'M';

// Words of the sound list are read whitespace-delimited: a blank would shift every later field.
bool IsOneWord(const std::string& text)
{
    return !text.empty() &&
           std::none_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}
} // namespace

// ---- 1. Construction and shutdown -------------------------------------------

AudioManager::AudioManager(Sound::OutputType output) : mSystem(std::make_unique<Sound::System>())
{
    Log("Audio Manager Constructed");
    gAudio = this;

    mListReadOk = ReadSoundList(ListPath(), mSounds);
    mSoundKeys.push_back(" ");
    for (const auto& entry : mSounds)
        mSoundsByKey.emplace(entry->mKey, entry.get()); // keeps the first record of a key
    for (const auto& [key, entry] : mSoundsByKey)
        mSoundKeys.push_back(key);
    if (gFactory)
        gFactory->AddComponentCreator("AudioComponent",
                                      new ComponentCreatorType<AudioComponent>(ComponentType::AudioComponent));

    if (output != Sound::OutputType::AutoDetect)
        CheckError(mSystem->SetOutput(output));
    int drivers = 0;
    CheckError(mSystem->GetNumDrivers(&drivers));
    if (drivers == 0 && output == Sound::OutputType::AutoDetect)
        CheckError(mSystem->SetOutput(Sound::OutputType::NoSound));
    static_assert(SoundEntry::ReservedChannels >= ChannelCount, "a sound's channel list must hold every channel");
    CheckError(mSystem->Init(ChannelCount));
    CheckError(GetMixer().CreateChannelGroup(&mMusicGroup));
    CheckError(GetMixer().CreateChannelGroup(&mEffectsGroup));

    // Effects decode and music opens on worker threads: nothing waits for them
    // here. Music streams from its file as it plays.
    for (const auto& [key, entry] : mSoundsByKey)
        LoadInBackground(*entry);

    GetMixer().SetVolume(mMusicGroup, 1.0f);
    GetMixer().SetVolume(mEffectsGroup, 1.0f);
}

AudioManager::~AudioManager()
{
    GetMixer().ReleaseChannelGroup(mEffectsGroup);
    GetMixer().ReleaseChannelGroup(mMusicGroup);
    CheckError(mSystem->Close());
    CheckError(mSystem->Release());
    gMusicChannel = {};
    gEffectChannel = {};
    Log("Audio Manager Destructed");

    if (mListReadOk)
    {
        if (!WriteSoundList(ListPath(), mSounds))
            Log("Sound list \"" + ListPath() + "\" could not be written; the old one is kept.");
    }
    else
        Log("Sound list \"" + ListPath() + "\" was not read cleanly; it is left as it was.");

    // Components that outlive the manager must not reach it.
    for (AudioComponent* component : mComponents)
        component->mEntry = nullptr;
    if (gAudio == this)
        gAudio = nullptr;
}

void AudioManager::Init()
{
    for (AudioComponent* component : mComponents)
        component->ClearStart();
}

// ---- 2. Frame ---------------------------------------------------------------

void AudioManager::Update(float dt)
{
    if (!mDecodingSounds.empty())
        TakeFinishedDecodes();
    mSystem->Update();
    if (gInput && gInput->mState.IsTriggered(MuteKey))
        mMuted = !mMuted;
    SetMuteEverywhere(mMuted);
    PruneEndedChannels();
    // By index: a component's update may register or unregister components.
    for (size_t i = 0; i < mComponents.size(); ++i)
        mComponents[i]->Update(dt);
}

void AudioManager::SetMuteEverywhere(bool mute)
{
    Sound::Mixer& mixer = GetMixer();
    mixer.SetMute(mMusicGroup, mute);
    mixer.SetMute(gMusicChannel, mute);
    mixer.SetMute(mEffectsGroup, mute);
    mixer.SetMute(gEffectChannel, mute);
}

void AudioManager::PruneEndedChannels()
{
    for (const auto& entry : mSounds)
        for (auto it = entry->mChannels.begin(); it != entry->mChannels.end();)
            it = IsChannelPlaying(it->first) ? std::next(it) : entry->mChannels.erase(it);
}

// ---- 3. Library -------------------------------------------------------------

SoundEntry* AudioManager::FindSound(const std::string& key)
{
    auto it = mSoundsByKey.find(key);
    return it == mSoundsByKey.end() ? nullptr : it->second;
}

void AudioManager::LoadSound(const std::string& file, const std::string& key, uint32_t type)
{
    SoundEntry* entry = FindSound(key);
    Sound::SoundHandle sound;
    if (type == SoundType::Music || type == SoundType::Effect)
    {
        const Sound::Mode mode = type == SoundType::Music ? Sound::Mode::LoopNormal : Sound::Mode::Default;
        const Sound::Result result = type == SoundType::Music ? GetMixer().CreateStream(file, mode, &sound)
                                                              : GetMixer().CreateSound(file, mode, &sound);
        ReportLoad(file, key, result);
    }
    if (sound.IsNull())
        std::cout << "Sound cannot be loaded" << std::endl;
    if (entry)
        entry->mSound = sound;
    else if (!sound.IsNull())
        GetMixer().ReleaseSound(sound);
}

void AudioManager::ReportLoad(const std::string& file, const std::string& key, Sound::Result result)
{
    CheckError(result);
    if (result != Sound::Result::Ok)
        Log("Sound \"" + file + "\" (" + key + ") cannot be loaded: " + Sound::ErrorString(result));
}

void AudioManager::ReportPlay(Sound::SoundHandle sound, Sound::Result result)
{
    CheckError(result);
    // A streamed sound opens its file again for every play: the file may have
    // gone or changed since it loaded. Other failures (no sound) were reported at the load.
    if (result != Sound::Result::FileNotFound && result != Sound::Result::FileBad && result != Sound::Result::Format)
        return;
    for (const auto& entry : mSounds)
        if (entry->mSound == sound)
        {
            Log("Sound \"" + entry->mFile + "\" (" + entry->mKey + ") cannot be played: " + Sound::ErrorString(result));
            return;
        }
}

void AudioManager::LoadInBackground(SoundEntry& entry)
{
    if (entry.mType != SoundType::Music && entry.mType != SoundType::Effect)
    {
        LoadSound(entry.mFile, entry.mKey, entry.mType); // no sound for it: reported now
        return;
    }
    Sound::Mixer& mixer = GetMixer();
    const Sound::Result result =
        entry.mType == SoundType::Music
            ? mixer.CreateStreamInBackground(entry.mFile, Sound::Mode::LoopNormal, &entry.mSound)
            : mixer.CreateSoundInBackground(entry.mFile, Sound::Mode::Default, &entry.mSound);
    if (result == Sound::Result::Ok)
    {
        mDecodingSounds.push_back(&entry);
        return;
    }
    ReportLoad(entry.mFile, entry.mKey, result);
    std::cout << "Sound cannot be loaded" << std::endl;
}

void AudioManager::TakeDecode(size_t index)
{
    SoundEntry& entry = *mDecodingSounds[index];
    mDecodingSounds.erase(mDecodingSounds.begin() + static_cast<std::ptrdiff_t>(index));
    const Sound::Result result = GetMixer().FinishSound(entry.mSound);
    if (result == Sound::Result::Ok)
        return;
    // Skipped as a sound that fails at start-up is: reported, and its entry left without a sound.
    ReportLoad(entry.mFile, entry.mKey, result);
    std::cout << "Sound cannot be loaded" << std::endl;
    GetMixer().ReleaseSound(entry.mSound);
    entry.mSound = {};
}

void AudioManager::TakeFinishedDecodes()
{
    for (size_t i = mDecodingSounds.size(); i-- > 0;)
        if (!GetMixer().IsSoundDecoding(mDecodingSounds[i]->mSound))
            TakeDecode(i);
}

void AudioManager::FinishDecode(Sound::SoundHandle sound)
{
    for (size_t i = 0; i < mDecodingSounds.size(); ++i)
        if (mDecodingSounds[i]->mSound == sound)
        {
            TakeDecode(i);
            return;
        }
}

void AudioManager::AddSound(const std::string& file, const std::string& key)
{
    if (!IsOneWord(file) || !IsOneWord(key))
    {
        std::cout << "Sound cannot be added: the key \"" << key << "\" and the file \"" << file
                  << "\" must each be one word" << std::endl;
        return;
    }
    if (SoundEntry* entry = FindSound(key))
    {
        // A second record of the key would never be played and would come back at every start.
        mDecodingSounds.erase(std::remove(mDecodingSounds.begin(), mDecodingSounds.end(), entry),
                              mDecodingSounds.end());
        if (!entry->mSound.IsNull())
            GetMixer().ReleaseSound(entry->mSound);
        entry->mSound = {};
        entry->mFile = file;
        entry->mVolume = gNewSoundVolume;
        LoadSound(file, key, entry->mType);
        return;
    }
    mSounds.push_back(std::make_unique<SoundEntry>(file, key, SoundType::Effect, gNewSoundVolume));
    mSoundKeys.push_back(key);
    mSoundsByKey.emplace(key, mSounds.back().get());
    LoadSound(file, key, SoundType::Effect);
}

// ---- 4. Components ----------------------------------------------------------

void AudioManager::RegisterComponent(AudioComponent* component) { mComponents.push_back(component); }

void AudioManager::UnregisterComponent(AudioComponent* component)
{
    mComponents.erase(std::remove(mComponents.begin(), mComponents.end(), component), mComponents.end());
}

void AudioManager::ForgetComponent(AudioComponent* component)
{
    for (const auto& entry : mSounds)
        for (auto it = entry->mChannels.begin(); it != entry->mChannels.end();)
            it = it->second == component ? entry->mChannels.erase(it) : std::next(it);
}

// ---- 5. Playback ------------------------------------------------------------

Sound::ChannelHandle AudioManager::PlaySound(Sound::SoundHandle sound, int type, float volume, float pitch,
                                             float frequency)
{
    FinishDecode(sound);
    Sound::Mixer& mixer = GetMixer();
    Sound::ChannelHandle channel;
    if (type == static_cast<int>(SoundType::Effect))
        ReportPlay(sound, mixer.PlaySound(sound, mEffectsGroup, false, &channel));
    else if (type == static_cast<int>(SoundType::Music))
    {
        ReportPlay(sound, mixer.PlaySound(sound, mMusicGroup, false, &channel));
        mixer.SetLoopCount(channel, Sound::LoopForever);
        volume = 1.0f; // music always starts full; the music group sets its level
    }
    else
        return {};
    if (channel.IsNull())
        return {};
    CheckError(mixer.SetVolume(channel, volume));
    CheckError(mixer.SetPitch(channel, pitch));
    CheckError(mixer.SetPaused(channel, false));
    CheckError(mixer.SetFrequency(channel, frequency));
    return channel;
}

void AudioManager::PlayMusic(const std::string& key)
{
    Sound::Mixer& mixer = GetMixer();
    mixer.Stop(gMusicChannel);
    gMusicChannel = {};
    SoundEntry* entry = FindSound(key);
    if (!entry)
    {
        Log("No sound has the key \"" + key + "\"; no music plays.");
        return;
    }
    FinishDecode(entry->mSound);
    ReportPlay(entry->mSound, mixer.PlaySound(entry->mSound, mMusicGroup, false, &gMusicChannel));
    float groupVolume = 1.0f;
    float channelVolume = 1.0f;
    mixer.GetVolume(mMusicGroup, &groupVolume);
    mixer.GetVolume(gMusicChannel, &channelVolume);
    mixer.SetVolume(gMusicChannel, std::min(groupVolume, channelVolume));
}

void AudioManager::PlayOneShot(const std::string& key)
{
    Sound::Mixer& mixer = GetMixer();
    mixer.Stop(gEffectChannel);
    gEffectChannel = {};
    SoundEntry* entry = FindSound(key);
    if (!entry)
    {
        Log("No sound has the key \"" + key + "\"; no effect plays.");
        return;
    }
    FinishDecode(entry->mSound);
    ReportPlay(entry->mSound, mixer.PlaySound(entry->mSound, mixer.GetMasterChannelGroup(), false, &gEffectChannel));
    float effectsVolume = 1.0f;
    mixer.GetVolume(mEffectsGroup, &effectsVolume);
    mixer.SetVolume(gEffectChannel, effectsVolume);
}

void AudioManager::StopEffects()
{
    if (mEffectsGroup.IsNull())
        return;
    GetMixer().Stop(gEffectChannel);
    GetMixer().Stop(mEffectsGroup);
}

float AudioManager::GetVolume(int type)
{
    if (type == static_cast<int>(SoundType::Music))
    {
        float groupVolume = GetGroupVolume(type);
        float channelVolume = 0.0f;
        // Without music playing the group alone says how loud music would be.
        if (GetMixer().GetVolume(gMusicChannel, &channelVolume) != Sound::Result::Ok)
            return groupVolume;
        return std::min(groupVolume, channelVolume);
    }
    if (type == static_cast<int>(SoundType::Effect))
        return GetGroupVolume(type);
    return 0.0f;
}

// ---- 6. Channels and groups for gameplay ------------------------------------

void AudioManager::StopMusic() { GetMixer().Stop(gMusicChannel); }

void AudioManager::StopEffect() { GetMixer().Stop(gEffectChannel); }

float AudioManager::GetGroupVolume(int type)
{
    float volume = 0.0f;
    if (type == static_cast<int>(SoundType::Music))
        GetMixer().GetVolume(mMusicGroup, &volume);
    else if (type == static_cast<int>(SoundType::Effect))
        GetMixer().GetVolume(mEffectsGroup, &volume);
    return volume;
}

void AudioManager::SetGroupVolume(int type, float volume)
{
    if (type == static_cast<int>(SoundType::Music))
        GetMixer().SetVolume(mMusicGroup, volume);
    else if (type == static_cast<int>(SoundType::Effect))
        GetMixer().SetVolume(mEffectsGroup, volume);
}

float AudioManager::GetChannelVolume(int type)
{
    float volume = 0.0f;
    if (type == static_cast<int>(SoundType::Music))
        GetMixer().GetVolume(gMusicChannel, &volume);
    else if (type == static_cast<int>(SoundType::Effect))
        GetMixer().GetVolume(gEffectChannel, &volume);
    return volume;
}

void AudioManager::SetChannelVolume(int type, float volume)
{
    if (type == static_cast<int>(SoundType::Music))
        GetMixer().SetVolume(gMusicChannel, volume);
    else if (type == static_cast<int>(SoundType::Effect))
        GetMixer().SetVolume(gEffectChannel, volume);
}

bool AudioManager::IsMusicPlaying() { return IsChannelPlaying(gMusicChannel); }

// ---- 7. Channels of components ----------------------------------------------

void AudioManager::StopChannel(Sound::ChannelHandle channel) { GetMixer().Stop(channel); }

bool AudioManager::IsChannelPlaying(Sound::ChannelHandle channel)
{
    bool playing = false;
    return GetMixer().IsPlaying(channel, &playing) == Sound::Result::Ok && playing;
}

void AudioManager::SetChannelSound(Sound::ChannelHandle channel, float volume, float pitch, float frequency)
{
    Sound::Mixer& mixer = GetMixer();
    mixer.SetVolume(channel, volume);
    mixer.SetPitch(channel, pitch);
    mixer.SetFrequency(channel, frequency);
}

void AudioManager::CheckError(Sound::Result result)
{
    if (result != Sound::Result::Ok)
        std::cout << "FMOD Message " << static_cast<int>(result) << " : " << Sound::ErrorString(result) << std::endl;
}

Sound::Mixer& AudioManager::GetMixer() { return mSystem->GetMixer(); }
} // namespace Framework
