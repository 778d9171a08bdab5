// The in-memory tile file reader must accept and refuse exactly what formatted
// stream extraction does: each input is read with the same sequence of calls
// the tile grid makes, once through a string stream and once through the
// reader, and the two traces must match read by read.
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include "core/serializers/TextSerializer.h"
#include "core/tiles/TileGrid.h"
#include "core/tiles/TileGridReader.h"
#include "support/ObjectTestSupport.h"

using namespace Framework;

namespace
{
// The reads of the tile grid, as it made them through the stream.
struct StreamReads
{
    explicit StreamReads(const std::string& text) : mIn(text) {}
    bool ReadLine(std::string& value)
    {
        std::string read;
        if (!std::getline(mIn, read))
            return false;
        if (!read.empty() && read.back() == '\r')
            read.pop_back();
        value = read;
        return true;
    }
    bool ReadUnsigned(uint32_t& value)
    {
        long long read;
        if (!(mIn >> read))
            return false;
        if (read < 0 || read > 0xFFFFFFFFll)
        {
            mIn.setstate(std::ios::failbit);
            return false;
        }
        value = static_cast<uint32_t>(read);
        return true;
    }
    bool ReadBool(bool& value) { return static_cast<bool>(mIn >> value); }
    bool ReadInt(int32_t& value) { return static_cast<bool>(mIn >> value); }
    bool Good() const { return static_cast<bool>(mIn); }
    std::istringstream mIn;
};

// Header, then cells as the grid reads them, until a read fails (at most 64
// cells). A failed read's target is not shown: the grid never uses it.
template <class Reader>
std::string Trace(Reader& in)
{
    std::ostringstream trace;
    std::string name = "<none>";
    const bool line = in.ReadLine(name);
    uint32_t width = 7, height = 9;
    const bool w = in.ReadUnsigned(width);
    const bool h = in.ReadUnsigned(height);
    trace << line << '[' << name << "] " << w << ':' << width << ' ' << h << ':' << height << " |";
    for (int cell = 0; cell < 64 && in.Good(); ++cell)
    {
        bool used = false;
        int32_t kind = -5, frame = -5;
        const bool readUsed = in.ReadBool(used);
        trace << ' ' << readUsed;
        if (!readUsed)
            continue;
        trace << used;
        if (!used)
            continue;
        const bool readKind = in.ReadInt(kind);
        const bool readFrame = readKind && in.ReadInt(frame);
        trace << ',' << readKind << ',' << readFrame;
        if (readFrame)
            trace << ':' << kind << ':' << frame;
    }
    trace << " good:" << in.Good();
    return trace.str();
}

void ExpectSameReads(const std::string& text)
{
    StreamReads expected(text);
    TileGridReader actual(text);
    EXPECT_EQ(Trace(actual), Trace(expected)) << "input: \"" << text << "\"";
}
} // namespace

TEST(TileGridReader, MalformedFilesReadAsTheStreamReadThem)
{
    const char* inputs[] = {
        "",
        "\n",
        "TilePlatform",
        "TilePlatform\n",
        "TilePlatform\r\n3\r\n2\r\n1 1 4 0 \r\n0 0 0 \r\n",
        "Name with spaces\n2\n1\n0 0 \n",
        "\r\n2\n1\n1 1 1 1 2 3 \n",
        "T\n\t 3 \v\f2\n1\t1\n2 0",
        "T\n-1\n2\n",
        "T\n+3\n+2\n+1 -0 +7 0\n",
        "T\n4294967295\n1\n",
        "T\n4294967296\n1\n0\n",
        "T\n99999999999999999999\n1\n",
        "T\n3x\n2\n",
        "T\nabc\n2\n",
        "T\n0x10\n2\n",
        "T\n3.5\n2\n",
        "T\n3\n2\n2 1 1\n",
        "T\n3\n2\n-1 0\n",
        "T\n3\n2\n1 2147483647 -2147483648 1 2147483648 0\n",
        "T\n3\n2\n1 1 -2147483649\n",
        "T\n3\n2\n1 1 9223372036854775807 1 1 -9223372036854775808\n",
        "T\n3\n2\n1 1 9223372036854775808\n",
        "T\n3\n2\n1 1 -9223372036854775809\n",
        "T\n3\n2\n1 9 4 0 1 3 12 \n",
        "T\n3\n2\n1 1 4 0 1",
        "T\n3\n2\n1 1 4 0 1 1",
        "T\n3\n2\n- 1\n",
        "T\n3\n2\n+\n",
        "T\n3\n2\n01 001 0004 00\n",
        "T\n3\n2\n1 1 4x 0\n",
        "T\n3\n2\n1,1,4\n",
        "T\n3\n2\n1 1 4\x00 0\n",
        "T\n3\n2\n1 1 \xff 0\n",
    };
    for (const char* input : inputs)
        ExpectSameReads(input);
    ExpectSameReads(std::string("T\n3\n2\n1 1 4\0 0\n", 16));
}

TEST(TileGridReader, RandomlyDamagedFilesReadAsTheStreamReadThem)
{
    const std::string good = "TilePlatform\n4\n3\n0 1 1 4 1 2 12 0 \n1 7 3 0 0 1 3 0 \n0 0 0 1 1 1 \n";
    const std::string pieces[] = {" ",          "\n",
                                  "\r",         "\t",
                                  "-",          "+",
                                  "0",          "1",
                                  "7",          "x",
                                  ".",          "a",
                                  "\v",         "2147483648",
                                  "4294967296", "99999999999999999999",
                                  "-0",         std::string(1, '\0')};
    std::mt19937 random(12345);
    for (int run = 0; run < 3000; ++run)
    {
        std::string text = good;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits && !text.empty(); ++e)
        {
            const size_t at = random() % text.size();
            const std::string& piece = pieces[random() % (sizeof pieces / sizeof pieces[0])];
            switch (random() % 3)
            {
            case 0:
                text.insert(at, piece);
                break;
            case 1:
                text.erase(at, 1 + random() % 3);
                break;
            default:
                text.replace(at, 1, piece);
                break;
            }
        }
        ExpectSameReads(text);
        if (HasFailure())
            return; // one damaged input is enough to show the difference
    }
}

TEST(TileGridReader, TheGridReadsAFileWithWindowsLineEndsAsTheSameCells)
{
    TestSupport::TempFolder folder;
    TestSupport::WriteFile(folder.File("a.dat"), "Tiles\r\n3\r\n2\r\n0 1 1 4 1 7 2 \r\n1 3 12 0 0 \r\n");
    TileGrid grid;
    {
        TextSerializer in(folder.File("a.dat"), TextSerializer::ReadOnly);
        grid.Unserialize(in);
    }
    EXPECT_EQ(grid.GetTilesetName(), "Tiles");
    ASSERT_EQ(grid.mWidth, 3u);
    ASSERT_EQ(grid.mHeight, 2u);
    const bool used[2][3] = {{false, true, true}, {true, false, false}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(grid.mRows[y][x].mUsed, used[y][x]) << x << ", " << y;
    EXPECT_EQ(grid.mRows[0][1].mKind, 1);
    EXPECT_EQ(grid.mRows[0][1].mFrame, 4);
    EXPECT_EQ(grid.mRows[0][2].mKind, 7);
    EXPECT_EQ(grid.mRows[0][2].mFrame, 2);
    EXPECT_EQ(grid.mRows[1][0].mKind, 3);
    EXPECT_EQ(grid.mRows[1][0].mFrame, 12);
}

namespace
{
// A stream without end, as a file still growing while it is read would be.
class EndlessDigits : public std::streambuf
{
public:
    EndlessDigits() { setg(mChunk, mChunk, mChunk + sizeof mChunk); }

protected:
    int_type underflow() override
    {
        setg(mChunk, mChunk, mChunk + sizeof mChunk);
        return traits_type::to_int_type(mChunk[0]);
    }

private:
    char mChunk[1 << 16] = {'7'};
};
} // namespace

TEST(TileGridReader, AStreamLongerThanAnyLevelIsNotHeldWhole)
{
    EndlessDigits endless;
    std::istream in(&endless);
    TileGridReader reader = TileGridReader::FromStream(in); // used to grow until memory ran out
    std::string line;
    EXPECT_FALSE(reader.Good());
    EXPECT_FALSE(reader.ReadLine(line));
}
