// AudioComponent: an object's sound by key, its volume, start delay and fade.
//
// Contents:
//   1. Construction and copy
//   2. Files: XML and text
//   3. Playback: the key, Play, PlaySound, Stop, the volume, Update
//   4. Inspector: choosing a key, defaults, DrawInspector
#include "audio/AudioComponent.h"
#include <algorithm>
#include <imgui.h>
#include <iostream>
#include "audio/AudioManager.h"
#include "core/engine/DebugSystem.h"
#include "core/game/GameLogic.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"

namespace Framework
{
namespace
{
// A key line without surrounding blanks (and the CR of CRLF files).
std::string TrimmedKey(const std::string& line)
{
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}
} // namespace

// ---- 1. Construction and copy -----------------------------------------------
AudioComponent::AudioComponent()
{
    if (gAudio)
        gAudio->RegisterComponent(this);
}

AudioComponent::AudioComponent(const AudioComponent& other) : Component(other)
{
    mPlay = other.mPlay;
    mStarted = other.mStarted;
    mReset = other.mReset;
    mDelayedStart = other.mDelayedStart;
    mFadeOut = other.mFadeOut;
    mFadeIn = other.mFadeIn;
    mStartValue = other.mStartValue;
    mMinVolume = other.mMinVolume;
    mMaxVolume = other.mMaxVolume;
    mVolume = other.mVolume;
    mPitch = other.mPitch;
    mFrequency = other.mFrequency;
    mDelayTimer = other.mDelayTimer;
    mDelay = other.mDelay;
    mFadeLevel = other.mFadeLevel;
    mFadeTarget = other.mFadeTarget;
    mFadeTimer = other.mFadeTimer;
    mFadeDuration = other.mFadeDuration;
    mSelectedKeyIndex = other.mSelectedKeyIndex;
    mEntry = other.mEntry;
    mKey = other.mKey;
    mResolved = other.mResolved;
}

AudioComponent::~AudioComponent()
{
    // The channels it started play on; only the pairs that name it go.
    if (gAudio)
    {
        gAudio->UnregisterComponent(this);
        gAudio->ForgetComponent(this);
    }
}

// ---- 2. Files ---------------------------------------------------------------

void AudioComponent::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("AudioComponent");
    serializer.WriteString("Key", mKey);
    serializer.PopElement();
}

void AudioComponent::UnserializeXml(XmlSerializer& serializer)
{
    serializer.ReadString(mKey);
    serializer.NextElement();
}

void AudioComponent::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("AudioComponent");
    serializer.WriteString(mKey);
}

void AudioComponent::UnserializeText(TextSerializer& serializer)
{
    // The key is a whole line: an empty key is a blank line, and reading it as
    // a word would take the next component's type line for the key.
    std::istream& in = serializer.Stream();
    std::string line;
    if (!std::getline(in, line)) // the rest of the type line
        return;
    if (TrimmedKey(line).empty() && !std::getline(in, line))
        return;
    mKey = TrimmedKey(line);
}

// ---- 3. Playback ------------------------------------------------------------

SoundEntry* AudioComponent::Lookup(const std::string& key) const { return gAudio ? gAudio->FindSound(key) : nullptr; }

void AudioComponent::SetKey(const std::string& key)
{
    if (key == mKey && mEntry)
        return;
    mKey = key;
    Stop();
    mEntry = Lookup(mKey);
}

void AudioComponent::Play()
{
    Stop();
    if (!mEntry)
    {
        if (mKey.empty())
        {
            std::cout << "AudioSource has no key" << std::endl;
            return;
        }
        mEntry = Lookup(mKey);
        if (!mEntry)
        {
            if (gDebug)
                gDebug->Log("AudioSource: no sound has the key \"" + mKey + "\"; nothing plays.");
            return;
        }
    }
    if (!gAudio)
        return;
    const Sound::ChannelHandle channel = gAudio->PlaySound(mEntry->mSound, static_cast<int>(mEntry->mType),
                                                           std::min(mEntry->mVolume, mVolume), mPitch, mFrequency);
    if (!channel.IsNull())
        mEntry->AddChannel(channel, this);
}

void AudioComponent::PlaySound(const std::string& key)
{
    Stop();
    SetKey(key);
    Play();
}

void AudioComponent::Stop()
{
    if (!mEntry)
        return;
    for (auto it = mEntry->mChannels.begin(); it != mEntry->mChannels.end();)
    {
        if (it->second != this)
        {
            ++it;
            continue;
        }
        if (gAudio)
            gAudio->StopChannel(it->first);
        it = mEntry->mChannels.erase(it);
    }
}

bool AudioComponent::IsPlaying()
{
    if (!mEntry || !gAudio)
        return false;
    for (const auto& [channel, owner] : mEntry->mChannels)
        if (owner == this && gAudio->IsChannelPlaying(channel))
            return true;
    return false;
}

bool AudioComponent::ApplyVolume()
{
    if (!mEntry || !gAudio)
        return false;
    for (const auto& [channel, owner] : mEntry->mChannels)
    {
        // An ended channel may linger until the next prune: skip it.
        if (owner != this || !gAudio->IsChannelPlaying(channel))
            continue;
        gAudio->SetChannelSound(channel, mVolume, mPitch, mFrequency);
        return true;
    }
    return false;
}

void AudioComponent::Update(float dt)
{
    if (mKey.empty())
        return;
    if (!mResolved)
    {
        Stop();
        mEntry = Lookup(mKey);
        mResolved = true;
        if (mPlay)
        {
            Stop();
            SetKey(mKey);
            Play();
        }
    }

    if (mDelayedStart)
    {
        mDelayTimer += dt;
        if (mDelayTimer >= mDelay)
        {
            mDelayedStart = false;
            Stop();
            SetKey(mKey);
            Play();
        }
    }

    if (IsPlaying() && mFadeOut)
    {
        mFadeTimer += dt;
        if (mFadeTimer >= mFadeDuration)
        {
            mFadeOut = false;
            mFadeIn = true;
            mFadeLevel = 0.0f;
        }
    }

    // The timer is not reset between the phases: a fade-in after a finished
    // fade-out ends at its next frame.
    if (mFadeIn)
    {
        mFadeTimer += dt;
        if (mFadeTimer >= mFadeDuration)
        {
            mFadeLevel = mFadeTarget;
            mFadeIn = false;
        }
    }

    ApplyVolume();
}

void AudioComponent::ClearStart()
{
    mResolved = false;
    mStarted = false;
    mStartValue = 0;
}

// ---- 4. Inspector -----------------------------------------------------------

void AudioComponent::SetVolumeClamped(float volume)
{
    mVolume = std::clamp(volume, mMinVolume, std::max(mMinVolume, mMaxVolume));
}

void AudioComponent::SetMinVolume(float volume) { mMinVolume = volume < 0.0f ? 0.0f : volume; }

void AudioComponent::SelectKey(int index)
{
    const std::vector<std::string> keys = gAudio ? gAudio->GetSoundKeys() : std::vector<std::string>{};
    const std::string chosen = index >= 0 && index < static_cast<int>(keys.size()) ? keys[index] : std::string();
    mEntry = Lookup(chosen);
    if (!chosen.empty() && chosen != " ")
    {
        if (chosen != mKey)
        {
            Stop();
            mKey = chosen;
            mSelectedKeyIndex = static_cast<int32_t>(std::find(keys.begin(), keys.end(), chosen) - keys.begin());
            mResolved = false;
        }
    }
    else
    {
        Stop();
        mKey.clear();
    }
}

void AudioComponent::ResetDefaults()
{
    mVolume = 1.0f;
    mMaxVolume = 100.0f;
    mMinVolume = 1.0f;
    mPitch = 1.0f;
    mFrequency = DefaultFrequency;
    mReset = false;
}

void AudioComponent::DrawInspector()
{
    // In the editor a component plays only while "Play" is ticked.
    if (!mPlay && gLogic && gLogic->mState.mCurrent == GameState::EDITOR)
    {
        Stop();
        mResolved = false;
    }

    const std::vector<std::string> keys = gAudio ? gAudio->GetSoundKeys() : std::vector<std::string>{};
    // A key read from a file comes without its combo position; without this the
    // first draw would take the combo's " " for a choice and erase the key.
    if (!mKey.empty() && (mSelectedKeyIndex < 0 || mSelectedKeyIndex >= static_cast<int>(keys.size()) ||
                          keys[mSelectedKeyIndex] != mKey))
    {
        const auto found = std::find(keys.begin(), keys.end(), mKey);
        if (found != keys.end())
            mSelectedKeyIndex = static_cast<int32_t>(found - keys.begin());
    }
    const int previous = mSelectedKeyIndex;
    const char* preview = mSelectedKeyIndex >= 0 && mSelectedKeyIndex < static_cast<int>(keys.size())
                              ? keys[mSelectedKeyIndex].c_str()
                              : "";
    if (ImGui::BeginCombo("Audio", preview))
    {
        for (int i = 0; i < static_cast<int>(keys.size()); ++i)
        {
            ImGui::PushID(i);
            if (ImGui::Selectable(keys[i].c_str(), i == mSelectedKeyIndex))
                mSelectedKeyIndex = i;
            ImGui::PopID();
        }
        ImGui::EndCombo();
    }
    if (mSelectedKeyIndex != previous)
    {
        mPlay = false;
        Stop();
    }
    SelectKey(mSelectedKeyIndex);

    ImGui::Checkbox("Play", &mPlay);
    ImGui::DragFloat("Max Volume", &mMaxVolume, 1.0f, 0.0f, 0.0f, "%.3f");
    float minVolume = mMinVolume;
    if (ImGui::DragFloat("Min Volume", &minVolume, 1.0f, 0.0f, 0.0f, "%.3f"))
        SetMinVolume(minVolume);
    float volume = mVolume;
    if (ImGui::DragFloat("Volume", &volume, 1.0f, 0.0f, 0.0f, "%.3f"))
        SetVolumeClamped(volume);
    ImGui::DragFloat("Pitch", &mPitch, 1.0f, 0.0f, 0.0f, "%.3f");
    float frequency = GetFrequencyShown();
    if (ImGui::DragFloat("Frequency", &frequency, 1.0f, 0.0f, 0.0f, "%.3f"))
        SetFrequencyShown(frequency);
    ImGui::Checkbox("Reset", &mReset);
    if (mReset)
        ResetDefaults();
}
} // namespace Framework
