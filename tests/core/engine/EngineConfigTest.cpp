#include <gtest/gtest.h>
#include <filesystem>
#include "core/engine/DebugSystem.h"
#include "core/engine/EngineConfig.h"
#include "support/TestSupport.h"

using namespace Framework;
using TestSupport::ReadFile;
using TestSupport::ReadLines;
using TestSupport::StripStamp;
using TestSupport::TempFolder;

namespace
{
// Runs start-up's first three steps: configuration, log, Load. Returns the log lines.
std::vector<std::string> StartUp(const std::string& documents, EngineConfig* out = nullptr)
{
    EngineConfig config(documents);
    {
        DebugSystem debug(documents);
        debug.OpenLog();
        config.Load();
    }
    if (out)
        *out = config;
    std::vector<std::string> lines;
    for (const std::string& line : ReadLines(documents + "/Kestrome/Vorlane.log"))
        lines.push_back(StripStamp(line));
    return lines;
}
} // namespace

TEST(EngineConfig, FirstRunCreatesFolderAndDefaultFileAndLogsEveryStep)
{
    TempFolder docs;
    EngineConfig config("");
    const std::vector<std::string> log = StartUp(docs.Path(), &config);

    EXPECT_EQ(ReadFile(docs.File("Kestrome/EngineCfg.ini")), "[Window]\nWidth=1366\nHeight=768");
    EXPECT_EQ(config.mWidth, 1366u);
    EXPECT_EQ(config.mHeight, 768u);
    const std::vector<std::string> expected = {
        "=========================== [START SESSION] ===========================",
        "Logging Enabled.",
        "Capture document directory \"" + docs.Path() + "/Kestrome/EngineCfg.ini\"",
        "Engine configuration couldn't be found.",
        "Engine setting up for first run.",
        "Writing into file.",
        "File writing end.",
        "Config file generated with default settings.",
        "Engine configuration file found. Loading config.",
        "Engine configuration loaded.",
        "Window running on 1366 x 768.",
        "Debug System terminating.",
        "============================ [END SESSION] ============================",
    };
    EXPECT_EQ(log, expected);
}

TEST(EngineConfig, LaterRunReadsWithoutRewriting)
{
    TempFolder docs;
    StartUp(docs.Path());
    TestSupport::WriteFile(docs.File("Kestrome/EngineCfg.ini"), "[window]\r\nwidth = 1024\r\nHEIGHT=600junk\r\n");
    std::filesystem::remove(docs.File("Kestrome/Vorlane.log"));

    EngineConfig config("");
    const std::vector<std::string> log = StartUp(docs.Path(), &config);
    EXPECT_EQ(config.mWidth, 1024u);
    EXPECT_EQ(config.mHeight, 600u);
    ASSERT_EQ(log.size(), 8u);
    EXPECT_EQ(log[3], "Engine configuration file found. Loading config.");
    EXPECT_EQ(log[5], "Window running on 1024 x 600.");
    // Never rewritten, even in its odd shape.
    EXPECT_EQ(ReadFile(docs.File("Kestrome/EngineCfg.ini")), "[window]\r\nwidth = 1024\r\nHEIGHT=600junk\r\n");
}

TEST(EngineConfig, MissingKeyReadsAsZero)
{
    TempFolder docs;
    TestSupport::WriteFile(docs.File("Kestrome/EngineCfg.ini"), "[Window]\nWidth=800\n");
    EngineConfig config("");
    StartUp(docs.Path(), &config);
    EXPECT_EQ(config.mWidth, 800u);
    EXPECT_EQ(config.mHeight, 0u);
}

TEST(EngineConfig, UnwritableFileIsReportedAsAFailureNotASuccess)
{
    TempFolder docs;      // "Kestrome" is a plain file here: nothing can be written below it
    TempFolder logFolder; // the log lives elsewhere so the lines can be read
    TestSupport::WriteFile(docs.File("Kestrome"), "in the way");
    std::filesystem::create_directories(logFolder.File("Kestrome"));
    EngineConfig config(docs.Path());
    {
        DebugSystem debug(logFolder.Path());
        debug.OpenLog();
        config.Load();
    }
    EXPECT_EQ(config.mWidth, 0u);
    EXPECT_EQ(config.mHeight, 0u);
    const std::string log = ReadFile(logFolder.File("Kestrome/Vorlane.log"));
    EXPECT_EQ(log.find("Writing into file."), std::string::npos);
    EXPECT_EQ(log.find("Config file generated with default settings."), std::string::npos);
    EXPECT_NE(log.find("Config file could not be written"), std::string::npos);
    EXPECT_NE(log.find("Window running on 0 x 0."), std::string::npos);
    EXPECT_EQ(ReadFile(docs.File("Kestrome")), "in the way");

    // A full disk on the first run (the temporary is the full device here):
    // no empty file is left for every later run to read as a 0 x 0 window.
    TempFolder full;
    std::filesystem::create_directories(full.File("Kestrome"));
    std::filesystem::create_symlink("/dev/full", full.File("Kestrome/EngineCfg.ini.tmp"));
    EngineConfig first(full.Path());
    first.Load();
    EXPECT_FALSE(std::filesystem::exists(full.File("Kestrome/EngineCfg.ini")));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(full.File("Kestrome/EngineCfg.ini.tmp"))));
}

TEST(EngineConfig, FolderWithShellCharactersIsCreatedLiterally)
{
    TempFolder root;
    const std::string documents = root.Path() + "/My \"Docs\" $HOME; touch x";
    EngineConfig config(documents);
    EXPECT_TRUE(std::filesystem::is_directory(documents + "/Kestrome"));
    EXPECT_EQ(config.mConfigPath, documents + "/Kestrome/EngineCfg.ini");
    EXPECT_FALSE(std::filesystem::exists("x"));
}

TEST(EngineConfig, EmptyDocumentsFolderCreatesNothingAndLogsNowhere)
{
    const bool rootFolderBefore = std::filesystem::exists("/Kestrome");
    EngineConfig config("");
    EXPECT_TRUE(config.mConfigPath.empty());
    {
        DebugSystem debug("");
        debug.OpenLog();
        config.Load();
    }
    EXPECT_EQ(config.mWidth, 0u);
    // An empty folder must never be taken for the root of the file system.
    if (!rootFolderBefore)
    {
        EXPECT_FALSE(std::filesystem::exists("/Kestrome"));
    }
}
