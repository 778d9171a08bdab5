// The benchmarks' temporary copy of Resources/ with a temporary home.
#pragma once
#include <string>

namespace Bench
{
// Makes /tmp/<prefix>-XXXXXX holding a copy of the repository's Resources/
// and a home for the log and the configuration, points HOME and
// XDG_CONFIG_HOME there (the dummy audio driver unless one is set) and makes
// it current. Returns the folder, or an empty string when it cannot be made.
std::string MakeWorkFolder(const std::string& prefix);
} // namespace Bench
