#include "audio/sound/SoundResult.h"

namespace Framework
{
namespace Sound
{
const char* ErrorString(Result result)
{
    switch (result)
    {
    case Result::Ok:
        return "No errors.";
    case Result::InvalidHandle:
        return "An invalid handle was used (null, stopped, ended or released).";
    case Result::InvalidParam:
        return "An invalid parameter was passed.";
    case Result::NotInitialized:
        return "The sound system has not been initialized.";
    case Result::Initialized:
        return "Cannot call this command after the sound system is initialized.";
    case Result::FileNotFound:
        return "File not found.";
    case Result::FileBad:
        return "Error loading file: it is truncated or corrupt.";
    case Result::Format:
        return "Unsupported file or audio format.";
    case Result::Output:
        return "The output device could not be opened.";
    }
    return "Unknown error.";
}
} // namespace Sound
} // namespace Framework
