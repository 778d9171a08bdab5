// Result codes of the sound layer and their texts; every operation returns one.
#pragma once

namespace Framework
{
namespace Sound
{
enum class Result : int
{
    Ok = 0,
    InvalidHandle = 1,  // null, stale (stopped, ended, stolen, released) or foreign handle
    InvalidParam = 2,   // a value out of range (negative channel count, NaN volume, ...)
    NotInitialized = 3, // the system or mixer has not been initialised, or was closed
    Initialized = 4,    // an operation allowed only before Init
    FileNotFound = 5,
    FileBad = 6, // the file is cut short or its structure is broken
    Format = 7,  // a format or an encoding this layer does not decode
    Output = 8,  // the output device could not be opened
};

// A short English text for a result, for logs and console lines.
const char* ErrorString(Result result);
} // namespace Sound
} // namespace Framework
