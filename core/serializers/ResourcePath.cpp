#include "core/serializers/ResourcePath.h"
#include <cctype>

namespace Framework
{
bool IsInsideResources(const std::string& storedPath)
{
    static const std::string Root = "resources";
    std::string first;
    size_t parts = 0;
    for (size_t begin = 0; begin <= storedPath.size();)
    {
        size_t end = storedPath.find_first_of("/\\", begin);
        if (end == std::string::npos)
            end = storedPath.size();
        const std::string part = storedPath.substr(begin, end - begin);
        // An empty first part is a leading separator: an absolute path.
        if (part == ".." || (parts == 0 && part.empty()))
            return false;
        if (parts++ == 0)
            first = part;
        begin = end + 1;
    }
    if (first.size() != Root.size() || parts < 2)
        return false;
    for (size_t i = 0; i < Root.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(first[i])) != Root[i])
            return false;
    return true;
}
} // namespace Framework
