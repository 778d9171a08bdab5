#include "core/engine/EngineConfig.h"
#include "core/engine/DebugSystem.h"
#include "platform/Platform.h"
#include <filesystem>

namespace Framework
{
const char* const gWindowClassName = "Tandrel-Engine";
const char* const gWindowTitle = "GameName";

namespace
{
const char* const DefaultConfig = "[Window]\nWidth=1366\nHeight=768";
constexpr int DefaultWidth = 1366;
constexpr int DefaultHeight = 768;
// No display or GL viewport this engine meets goes past this; larger sizes
// only come from typing errors and give no window at all.
constexpr int MaxWindowSide = 16384;

// One window size from the file, or the default (with a log line) when out of range.
uint32_t ReadWindowSide(const char* key, int fallback, const std::string& path)
{
    const int value = Platform::GetPrivateProfileInt("Window", key, 0, path);
    if (value >= 0 && value <= MaxWindowSide)
        return static_cast<uint32_t>(value);
    Log(std::string("Window ") + key + " " + std::to_string(value) + " in the engine configuration is out of range; " +
        std::to_string(fallback) + " is used.");
    return static_cast<uint32_t>(fallback);
}
} // namespace

EngineConfig::EngineConfig() : EngineConfig(Platform::DocumentsFolder()) {}

EngineConfig::EngineConfig(const std::string& documentsFolder) : mDocumentsFolder(documentsFolder)
{
    // An empty folder is "no folder", never the root of the file system.
    if (mDocumentsFolder.empty())
        return;
    // Created directly: a path is never handed to a shell.
    Platform::CreateFolder(mDocumentsFolder + "/Kestrome");
    mConfigPath = mDocumentsFolder + "/Kestrome/EngineCfg.ini";
}

void EngineConfig::Load()
{
    Log("Capture document directory \"" + mConfigPath + "\"");
    Platform::RemoveLeftoverTemporary(mConfigPath);
    const Platform::FileKind kind = Platform::KindOfFile(mConfigPath);
    std::string refusal;
    // A pipe would block the start and a device never end: not read, not replaced.
    if (kind == Platform::FileKind::Other)
        refusal = "is not a regular file; it is left as it is";
    // One too large to read would give no size at all, logged as loaded.
    std::error_code error;
    const uintmax_t size = kind == Platform::FileKind::Regular ? std::filesystem::file_size(mConfigPath, error) : 0;
    if (!error && size > Platform::MaxWholeFileBytes)
        refusal = "is " + std::to_string(size >> 20) + " MB, more than the " +
                  std::to_string(Platform::MaxWholeFileBytes >> 20) + " MB it may be; it is not read";
    if (!refusal.empty())
    {
        Log("Engine configuration \"" + mConfigPath + "\" " + refusal + ", and the defaults are used.");
        mWidth = DefaultWidth;
        mHeight = DefaultHeight;
        Log("Window running on " + std::to_string(mWidth) + " x " + std::to_string(mHeight) + ".");
        return;
    }
    if (kind == Platform::FileKind::Missing)
    {
        Log("Engine configuration couldn't be found.");
        Log("Engine setting up for first run.");
        // Through a temporary: a full disk must not leave an empty file that
        // every later run would read as a 0 x 0 window.
        const bool written = Platform::WriteFileAtomically(mConfigPath, DefaultConfig);
        if (written)
        {
            Log("Writing into file.");
            Log("File writing end.");
        }
        Log(written ? "Config file generated with default settings."
                    : "Config file could not be written; running without it.");
    }
    Log("Engine configuration file found. Loading config.");
    mWidth = ReadWindowSide("Width", DefaultWidth, mConfigPath);
    mHeight = ReadWindowSide("Height", DefaultHeight, mConfigPath);
    Log("Engine configuration loaded.");
    Log("Window running on " + std::to_string(mWidth) + " x " + std::to_string(mHeight) + ".");
}
} // namespace Framework
