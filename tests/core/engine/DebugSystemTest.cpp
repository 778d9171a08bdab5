#include <gtest/gtest.h>
#include <filesystem>
#include <regex>
#include "core/engine/CoreEngine.h"
#include "core/engine/DebugSystem.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::ReadLines;
using TestSupport::TempFolder;

TEST(DebugSystem, TwoRunsAppendTwoFramedSessions)
{
    TempFolder docs;
    std::filesystem::create_directories(docs.File("Kestrome"));
    for (int run = 0; run < 2; ++run)
    {
        DebugSystem debug(docs.Path());
        debug.OpenLog();
        debug.Log("run " + std::to_string(run));
    }
    const std::vector<std::string> lines = ReadLines(docs.File("Kestrome/Vorlane.log"));
    ASSERT_EQ(lines.size(), 10u);
    const std::regex stamp(R"(^\[(0[1-9]|1[0-2]):[0-5][0-9]:[0-5][0-9](AM|PM)\] : .*$)");
    for (const std::string& line : lines)
        EXPECT_TRUE(std::regex_match(line, stamp)) << line;
    EXPECT_EQ(TestSupport::StripStamp(lines[0]),
              "=========================== [START SESSION] ===========================");
    EXPECT_EQ(TestSupport::StripStamp(lines[2]), "run 0");
    EXPECT_EQ(TestSupport::StripStamp(lines[4]),
              "============================ [END SESSION] ============================");
    EXPECT_EQ(TestSupport::StripStamp(lines[5]),
              "=========================== [START SESSION] ===========================");
    EXPECT_EQ(TestSupport::StripStamp(lines[7]), "run 1");
    EXPECT_EQ(TestSupport::StripStamp(lines[9]),
              "============================ [END SESSION] ============================");
}

TEST(DebugSystem, LoggingOffWritesNothingAtAll)
{
    TempFolder docs; // no Kestrome folder: the log cannot be opened
    {
        DebugSystem debug(docs.Path());
        debug.OpenLog();
        EXPECT_FALSE(debug.mLoggingEnabled);
        debug.Log("lost");
    }
    EXPECT_FALSE(std::filesystem::exists(docs.File("Kestrome/Vorlane.log")));
}

TEST(DebugSystem, ProfilerRecordsFollowTheSystemOrder)
{
    TempFolder docs;
    DebugSystem debug(docs.Path());
    CoreEngine core;
    core.AddSystem(new TestSupport::RecordingSystem("A", nullptr));
    core.AddSystem(new TestSupport::RecordingSystem("B", nullptr));
    debug.InitProfiler();
    ASSERT_EQ(debug.mRecords.size(), 4u);
    EXPECT_EQ(debug.mRecords[0].mName, "Frame Rate");
    EXPECT_EQ(debug.mRecords[1].mName, "A");
    EXPECT_EQ(debug.mRecords[2].mName, "B");
    EXPECT_EQ(debug.mRecords[3].mName, "");
    EXPECT_EQ(debug.mShares.size(), 3u);
    for (const ProfileRecord& record : debug.mRecords)
        EXPECT_EQ(record.mSamples, std::vector<float>(20, 0.0f));
    core.DestroySystems();
}

TEST(DebugSystem, FrameIndexWrapsAfterNineteen)
{
    TempFolder docs;
    DebugSystem debug(docs.Path());
    std::vector<int> seen;
    for (int i = 0; i < 22; ++i)
    {
        debug.NextFrame();
        seen.push_back(debug.mFrameIndex);
    }
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(seen[18], 19);
    EXPECT_EQ(seen[19], 0);
    EXPECT_EQ(seen[20], 1);
}
