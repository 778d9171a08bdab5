#include "core/serializers/FileSizeLimit.h"
#include "core/engine/DebugSystem.h"

namespace Framework
{
bool DataFileSizeAllowed(const std::string& path, uint64_t size)
{
    if (size <= MaxDataFileBytes)
        return true;
    Log("File \"" + path + "\" is " + std::to_string(size >> 20) + " MB, more than the " +
        std::to_string(MaxDataFileBytes >> 20) + " MB a data file may be; it is not read.");
    return false;
}
} // namespace Framework
