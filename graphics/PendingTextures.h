// Sprite-sheet pixels that wait for their first draw. Loading a sheet reads
// only its image's header and reserves the GL name; the pixels are decoded
// and uploaded when a frame first draws the texture, so the start and the
// memory pay only for the art a level shows.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace Framework
{
namespace PendingTextures
{
// The image at path (a stored path) is uploaded to the GL name id on first use.
void Add(uint32_t id, const std::string& path, int width, int height);
// The name is about to be deleted (or reused): its pixels are not wanted.
void Forget(uint32_t id);
// The GL context's names are going away: nothing waits any more.
void ForgetAll();
bool Contains(uint32_t id);
bool Any();
// Decodes those of ids still pending (several at once on worker threads) and
// uploads each on this thread, which holds the GL context. An image whose
// pixels cannot be decoded is logged and becomes one transparent texel.
void Upload(const uint32_t* ids, size_t count);
inline void Upload(uint32_t id) { Upload(&id, 1); }
} // namespace PendingTextures
} // namespace Framework
