// The engine configuration: the user's folder under Documents and the window size.
#pragma once
#include <cstdint>
#include <string>

namespace Framework
{
extern const char* const gWindowClassName; // "Tandrel-Engine"
extern const char* const gWindowTitle;     // "GameName"

struct EngineConfig
{
    // Finds the Documents folder and creates its "Kestrome" folder.
    EngineConfig();
    // For tests: a given Documents folder.
    explicit EngineConfig(const std::string& documentsFolder);
    // Writes the file with defaults when it is missing, then reads the window size.
    void Load();

    std::string mDocumentsFolder; // no trailing separator
    std::string mConfigPath;      // <Documents>/Kestrome/EngineCfg.ini
    uint32_t mWidth = 0;
    uint32_t mHeight = 0;
};
} // namespace Framework
