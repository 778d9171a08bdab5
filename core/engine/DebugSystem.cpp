#include "core/engine/DebugSystem.h"
#include "core/engine/CoreEngine.h"
#include <cstdio>
#include <cstring>
#include <imgui.h>
#include "platform/Platform.h"

namespace Framework
{
DebugSystem* gDebug = nullptr;

DebugSystem::DebugSystem(const std::string& folder) : mSessionTime(std::time(nullptr)), mPath(folder) { gDebug = this; }

DebugSystem::~DebugSystem()
{
    Log("Debug System terminating.");
    Log("============================ [END SESSION] ============================");
    std::lock_guard<std::mutex> lock(mLogMutex);
    mLogFile.Close();
    if (gDebug == this)
        gDebug = nullptr;
}

void DebugSystem::OpenLog()
{
    // No documents folder means no log file, never one under the root.
    if (!mPath.empty())
    {
        mPath += "/Kestrome/Vorlane.log";
        // A pipe in its place would block the start until someone reads it.
        if (Platform::KindOfFile(mPath) != Platform::FileKind::Other)
            mLogFile.Open(mPath);
        else
            std::fprintf(stderr, "The log \"%s\" is not a regular file; nothing is logged.\n", mPath.c_str());
    }
    if (mLogFile.IsOpen())
    {
        mLoggingEnabled = true;
        Log("=========================== [START SESSION] ===========================");
        Log("Logging Enabled.");
    }
    else
    {
        Log("Logging Disabled. May not have permission to read / write or file is locked.");
    }
}

void DebugSystem::Log(const std::string& message)
{
    std::lock_guard<std::mutex> lock(mLogMutex);
    // Each line carries the time of the call; the stamp is remade when the second changes.
    const std::time_t now = std::time(nullptr);
    if (now != mStampTime)
    {
        localtime_r(&now, &mLocalTime);
        std::strftime(mStamp, sizeof(mStamp), "%I:%M:%S%p", &mLocalTime);
        mStampTime = now;
    }
    if (!mLoggingEnabled)
        return;
    mLogFile.Append("[", 1);
    mLogFile.Append(mStamp, std::strlen(mStamp));
    mLogFile.Append("] : ", 4);
    mLogFile.Append(message.data(), message.size());
    mLogFile.Append("\n", 1);
    if (!mLogQueued)
        mLogFile.Flush();
}

void DebugSystem::FlushLog()
{
    std::lock_guard<std::mutex> lock(mLogMutex);
    mLogQueued = true;
    mLogFile.Flush();
    mLogFile.HookTerminate();
}

void DebugSystem::InitProfiler()
{
    mRecords.clear();
    mShares.clear();
    mRecords.push_back({"Frame Rate"});
    if (gCore)
        for (System* system : gCore->mSystems)
            mRecords.push_back({system->GetName()});
    mRecords.push_back({""}); // dt x 1000
    mShares.assign(mRecords.size() - 1, 0.0f);
}

float DebugSystem::GetSample(void* data, int i)
{
    return (*static_cast<std::vector<float>*>(data))[static_cast<size_t>(i)];
}

void DebugSystem::DrawProfiler()
{
    if (mRecords.size() < 2)
        return;
    ImGui::Begin("System Profiles (MS)", &mProfilerShown, ImGuiWindowFlags_AlwaysAutoResize);
    ImGui::PushItemWidth(ImGui::GetWindowWidth() * 0.91f);
    --mRefreshCountdown;
    const bool refresh = mRefreshCountdown == 0;
    ProfileRecord& frame = mRecords.front();
    ImGui::Text("%s", frame.mName.c_str());
    ImGui::SameLine(150, 20);
    ImGui::Text("%.2f", gCore ? gCore->mFrameRateController.mFps : 0.0f);
    ImGui::PlotLines("", &GetSample, &frame.mSamples, SampleCount, 0, nullptr, 0.0f, 32.0f, ImVec2(0, 40));
    float sum = 0.0f;
    const float frameMs = frame.mSamples[SampleCount - 1];
    for (size_t i = 1; i + 1 < mRecords.size(); ++i)
    {
        ProfileRecord& record = mRecords[i];
        if (refresh)
        {
            mShares[i - 1] = frameMs != 0.0f ? record.mSamples[SampleCount - 1] / frameMs * 100.0f : 0.0f;
            sum += record.mSamples[SampleCount - 1];
        }
        ImGui::PushID(static_cast<int>(i));
        ImGui::Text("%s", record.mName.c_str());
        ImGui::SameLine(150, 20);
        ImGui::Text("%.2f %%", mShares[i - 1]);
        ImGui::PlotLines("", &GetSample, &record.mSamples, SampleCount, 0, nullptr, 0.0f, 32.0f, ImVec2(0, 40));
        ImGui::PopID();
    }
    if (refresh)
    {
        const float dtMs = mRecords.back().mSamples[SampleCount - 1];
        mShares.back() = dtMs != 0.0f ? sum / dtMs * 100.0f : 0.0f;
    }
    ImGui::Text("%% usage per frame : %.2f %%", mShares.back());
    if (refresh)
        mRefreshCountdown = 10;
    ImGui::PopItemWidth();
    ImGui::End();
}
} // namespace Framework
