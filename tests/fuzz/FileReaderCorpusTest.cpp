// The readers' fuzz target over a corpus made here: the game's own sounds and
// smallest images, a WAV of each sample format, the inputs in corpus/ (each
// one found to break a reader once), and damaged copies of each (cut short, and
// bytes changed, the target also trying them with the OGG pages' checksums
// made right). A crash or a sanitizer report fails it.
#include <gtest/gtest.h>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>
#include "FileReaderFuzz.h"
#include "support/AudioTestSupport.h"

namespace fs = std::filesystem;

namespace
{
// Damage goes into the first bytes only: the headers and the first pages of
// sound, where a reader parses most, while the run stays short.
constexpr size_t DamagedPrefix = 16 * 1024;
constexpr int ChangedCopies = 12;

void Read(const std::vector<uint8_t>& bytes) { LLVMFuzzerTestOneInput(bytes.data(), bytes.size()); }

std::vector<std::vector<uint8_t>> Seeds()
{
    std::vector<std::vector<uint8_t>> seeds;
    for (const auto& entry : fs::directory_iterator(TestSupport::SourceFile("Resources/Audio")))
        if (entry.path().extension() == ".ogg")
            seeds.push_back(TestSupport::ReadBytes(entry.path().string()));
    for (const auto& entry : fs::directory_iterator(TestSupport::SourceFile("Resources/Art")))
        if (entry.path().extension() == ".png" && entry.file_size() < 1024)
            seeds.push_back(TestSupport::ReadBytes(entry.path().string()));
    for (const auto& entry : fs::directory_iterator(TestSupport::SourceFile("tests/fuzz/corpus")))
        seeds.push_back(TestSupport::ReadBytes(entry.path().string()));
    // 8-bit and float WAVs from the 16-bit one: the format tag, the bit depth and the rates follow.
    const std::vector<uint8_t> pcm16 = TestSupport::MakeWav16({0, 1000, -1000, 32767, -32768, 5, 7, 9}, 2, 8000);
    seeds.push_back(pcm16);
    std::vector<uint8_t> pcm8 = pcm16;
    pcm8[32] = 2, pcm8[34] = 8;
    seeds.push_back(pcm8);
    std::vector<uint8_t> floats = pcm16;
    floats[20] = 3, floats[32] = 8, floats[34] = 32;
    seeds.push_back(floats);
    return seeds;
}
} // namespace

TEST(FileReaderCorpus, TheGamesFilesAndDamagedCopiesOfThemAreReadWithoutAFault)
{
    EXPECT_TRUE(FuzzTarget::HasImageCheck()) << "no GL context: the image header check is left out";
    const std::vector<std::vector<uint8_t>> seeds = Seeds();
    ASSERT_GT(seeds.size(), 30u);
    uint32_t random = 12345; // the same damage every run
    auto next = [&random]() { return random = random * 1664525u + 1013904223u; };
    for (const std::vector<uint8_t>& seed : seeds)
    {
        Read(seed);
        const std::vector<uint8_t> prefix(seed.begin(), seed.begin() + std::min(seed.size(), DamagedPrefix));
        for (size_t cut : {prefix.size() / 2, size_t(1000), size_t(100), size_t(57), size_t(1)})
            if (cut < prefix.size())
                Read(std::vector<uint8_t>(prefix.begin(), prefix.begin() + static_cast<std::ptrdiff_t>(cut)));
        for (int copy = 0; copy < ChangedCopies; ++copy)
        {
            std::vector<uint8_t> changed = prefix;
            const int changes = 1 + copy % 4;
            for (int c = 0; c < changes && !changed.empty(); ++c)
                changed[next() % changed.size()] ^= static_cast<uint8_t>(1 + next() % 255);
            Read(changed);
        }
    }
}
