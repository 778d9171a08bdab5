// The profiler window: each system's share of the frame, refreshed every
// tenth drawn frame from the samples in the last slot.
#include <gtest/gtest.h>
#include <filesystem>
#include "core/engine/DebugSystem.h"
#include "support/EditorHarness.h"

using namespace Framework;
using TestSupport::HeadlessImGui;

namespace
{
struct Profiler : ::testing::Test
{
    void SetUp() override
    {
        mDebug.mRecords = {{"Frame Rate"}, {"Physics"}, {"Graphics"}, {""}};
        mDebug.mShares.assign(3, 0.0f);
        SetLastSamples(10.0f, 2.0f, 3.0f, 20.0f);
    }
    void SetLastSamples(float frame, float physics, float graphics, float dt)
    {
        const int last = DebugSystem::SampleCount - 1;
        mDebug.mRecords[0].mSamples[last] = frame;
        mDebug.mRecords[1].mSamples[last] = physics;
        mDebug.mRecords[2].mSamples[last] = graphics;
        mDebug.mRecords[3].mSamples[last] = dt;
    }
    void Draw(int frames)
    {
        mImGui.Frame([&] { mDebug.DrawProfiler(); }, frames);
    }

    TestSupport::TempFolder mFolder;
    DebugSystem mDebug{mFolder.Path()};
    HeadlessImGui mImGui;
};
} // namespace

TEST_F(Profiler, SharesAppearAtTheTwentiethDrawnFrameThenChangeEveryTenth)
{
    Draw(19);
    for (float share : mDebug.mShares)
        EXPECT_EQ(share, 0.0f);
    Draw(1);
    EXPECT_FLOAT_EQ(mDebug.mShares[0], 20.0f); // 2 of 10 ms
    EXPECT_FLOAT_EQ(mDebug.mShares[1], 30.0f);
    EXPECT_FLOAT_EQ(mDebug.mShares[2], 25.0f); // 5 ms of the 20 ms dt

    SetLastSamples(10.0f, 5.0f, 5.0f, 10.0f);
    Draw(9);
    EXPECT_FLOAT_EQ(mDebug.mShares[0], 20.0f);
    Draw(1);
    EXPECT_FLOAT_EQ(mDebug.mShares[0], 50.0f);
    EXPECT_FLOAT_EQ(mDebug.mShares[2], 100.0f);
}

TEST_F(Profiler, AFrameOfZeroMillisecondsGivesZeroSharesNotInfinity)
{
    SetLastSamples(0.0f, 2.0f, 3.0f, 0.0f);
    Draw(20);
    for (float share : mDebug.mShares)
        EXPECT_EQ(share, 0.0f);
}

TEST_F(Profiler, TheCloseButtonHidesTheWindowAsCtrlFDoes)
{
    mDebug.mProfilerShown = true;
    const auto body = [&]
    {
        if (mDebug.mProfilerShown)
            mDebug.DrawProfiler();
    };
    mImGui.Frame(body, 2);
    const auto* close = TestSupport::FindItemById(TestSupport::IdPath("System Profiles (MS)", {"#CLOSE"}));
    ASSERT_NE(close, nullptr) << TestSupport::DescribeRecordedItems();
    mImGui.Click(close, body);
    EXPECT_FALSE(mDebug.mProfilerShown);
}
