// The heap's handling of large blocks.
#include <malloc.h>
#include "platform/Platform.h"

namespace Framework
{
namespace Platform
{
void MapLargeBlocksApart()
{
    // Decoded images and sounds come and go in blocks of megabytes. The
    // allocator would otherwise raise its threshold after the first such
    // block is freed and keep the later ones in the heap, where a freed block
    // stays resident; mapped apart, each goes back to the system when freed.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
}
} // namespace Platform
} // namespace Framework
