// Paths that the content's own lists name (an archetype's file, a sprite
// sheet's file) must lead into "Resources/": reading such a file removes the
// temporary a stopped write left beside it, and the program may write it back,
// so an entry pointing elsewhere (absolute, or up with "..") is never followed.
#pragma once
#include <string>

namespace Framework
{
// True when the stored path (either separator) is relative, has no ".." part
// and starts with the "Resources" folder (in any case, as paths are resolved).
bool IsInsideResources(const std::string& storedPath);
} // namespace Framework
