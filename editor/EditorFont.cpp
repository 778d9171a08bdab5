#include "editor/EditorFont.h"
#include <imgui.h>
#include <stb/stb_truetype.h>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>
#include "core/engine/DebugSystem.h"
#include "platform/Platform.h"

namespace Framework
{
const char* const kEditorFont = "Resources/fonts/calibri.ttf";

namespace
{
constexpr float kEditorFontPixels = 14.0f;
// A font file's header and table records (the offset table is 12 bytes, a
// table record 16); a collection's header needs 16 bytes to be looked at.
constexpr size_t kOffsetTableSize = 12;
constexpr size_t kTableRecordSize = 16;
constexpr size_t kSmallestFile = 16;
// No font the editor would use comes near this; it bounds what is read.
constexpr uintmax_t kLargestFile = 64u << 20;

uint32_t BigEndian(const unsigned char* p, int bytes)
{
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | p[i];
    return value;
}

// ImGui's font loader trusts the file: it asserts on a header it cannot read,
// and reads a table cut short by truncation past the end of the buffer. So
// the header is read here, and every table must lie inside the file.
bool IsWholeFont(const std::vector<unsigned char>& bytes)
{
    if (bytes.size() < kSmallestFile)
        return false;
    const int offset = stbtt_GetFontOffsetForIndex(bytes.data(), 0);
    if (offset < 0 || static_cast<size_t>(offset) + kOffsetTableSize > bytes.size())
        return false;
    const unsigned char* directory = bytes.data() + offset;
    const uint32_t tables = BigEndian(directory + 4, 2);
    if (offset + kOffsetTableSize + tables * kTableRecordSize > bytes.size())
        return false;
    for (uint32_t i = 0; i < tables; ++i)
    {
        const unsigned char* record = directory + kOffsetTableSize + i * kTableRecordSize;
        const uint64_t start = BigEndian(record + 8, 4), length = BigEndian(record + 12, 4);
        if (start + length > bytes.size())
            return false;
    }
    stbtt_fontinfo info;
    return stbtt_InitFont(&info, bytes.data(), offset) != 0;
}

bool ReadFont(const std::string& path, std::vector<unsigned char>& bytes)
{
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kLargestFile)
        return false;
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return static_cast<bool>(in) || in.eof();
}
} // namespace

void LoadEditorFont(ImFontAtlas& fonts)
{
    const std::string path = Platform::NativePath(kEditorFont);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
    {
        // ImGui aborts on a font it cannot open: check first and fall back.
        Log(std::string("Editor font \"") + kEditorFont + "\" not found: using the built-in font.");
        fonts.AddFontDefault();
        return;
    }
    std::vector<unsigned char> bytes;
    if (ReadFont(path, bytes) && IsWholeFont(bytes))
    {
        // ImGui frees the copy with the atlas.
        void* data = IM_ALLOC(bytes.size());
        std::copy(bytes.begin(), bytes.end(), static_cast<unsigned char*>(data));
        if (fonts.AddFontFromMemoryTTF(data, static_cast<int>(bytes.size()), kEditorFontPixels) && fonts.Build())
            return;
        fonts.Clear();
    }
    Log(std::string("Editor font \"") + kEditorFont + "\" cannot be read: using the built-in font.");
    fonts.AddFontDefault();
}
} // namespace Framework
