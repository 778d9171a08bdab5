#include "FileReaderFuzz.h"
#include <GL/glew.h>
#include <unistd.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#include "audio/sound/Decoder.h"
#include "audio/sound/Mixer.h"
#include "graphics/PendingTextures.h"
#include "graphics/Texture.h"
#include "platform/Platform.h"
#include "support/AudioOggPages.h"

using namespace Framework;

namespace
{
// Every reader takes a path: each input is written here first.
class ScratchFile
{
public:
    ScratchFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tandrel-fuzz-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd >= 0)
            close(fd);
        mPath = pattern;
    }
    ~ScratchFile() { std::remove(mPath.c_str()); }
    const std::string& Write(const std::vector<uint8_t>& bytes) const
    {
        if (FILE* file = std::fopen(mPath.c_str(), "wb"))
        {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        return mPath;
    }

private:
    std::string mPath;
};

// A hidden window's GL context, as the graphics system makes it; false without a display.
bool StartGL()
{
    if (!Platform::CreateMainWindow("fuzz", 16, 16) || !Platform::CreateGLContext())
        return false;
    glewExperimental = GL_TRUE;
    const GLenum result = glewInit();
    return result == GLEW_OK || (result == GLEW_ERROR_NO_GLX_DISPLAY && GLEW_VERSION_3_3);
}

bool GLReady()
{
    static const bool ready = StartGL();
    return ready;
}

// Decoded whole and streamed (looping, at a pitch that crosses chunk ends at
// odd frames), both played through the mixer as the game plays them.
void PlaySounds(const std::string& path)
{
    Sound::Mixer mixer(22050);
    mixer.Init(2);
    Sound::SoundHandle whole, streamed;
    Sound::ChannelHandle a, b;
    mixer.CreateSound(path, Sound::Mode::Default, &whole);
    mixer.CreateStream(path, Sound::Mode::LoopNormal, &streamed);
    mixer.PlaySound(whole, {}, false, &a);
    mixer.PlaySound(streamed, {}, false, &b);
    mixer.SetPitch(b, 1.7f);
    std::vector<float> out(2 * 4096);
    for (int i = 0; i < 8; ++i)
    {
        mixer.Render(out.data(), 4096);
        for (float v : out)
            if (!(v >= -1.0f && v <= 1.0f))
            {
                std::fprintf(stderr, "The mix left [-1, 1]: %g\n", v);
                std::abort();
            }
    }
}

void CheckImageHeader(const std::string& path)
{
    if (!GLReady())
        return;
    Texture texture;
    if (!texture.Load(path))
        return;
    // Its pixels wait for a draw that never comes: dropped, with the GL name.
    PendingTextures::Forget(texture.mId);
    const GLuint id = texture.mId;
    glDeleteTextures(1, &id);
}
} // namespace

namespace FuzzTarget
{
bool HasImageCheck() { return GLReady(); }
} // namespace FuzzTarget

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const ScratchFile scratch;
    std::vector<uint8_t> bytes(data, data + size);
    const std::string& path = scratch.Write(bytes);
    PlaySounds(path);
    CheckImageHeader(path);
    // The container drops a page whose checksum fails, so damage inside a page
    // reaches the Vorbis decoder only with the checksum made right again.
    if (Sound::IsOggVorbis(bytes))
    {
        const std::vector<uint8_t> original = bytes;
        TestSupport::FixOggChecksums(bytes);
        if (bytes != original)
            PlaySounds(scratch.Write(bytes));
    }
    return 0;
}
