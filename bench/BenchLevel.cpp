// The generated benchmark level, written as the level editor would save it.
#include "BenchLevel.h"
#include <algorithm>
#include <cstdio>

namespace Bench
{
namespace
{
constexpr int PlatformPitch = 10; // a platform of tiles every this many rows
constexpr float BodyPitch = 1.5f; // spacing of the resting bodies along a platform
constexpr const char* Sheet = "PlaceHolder1";

struct File
{
    explicit File(const std::string& path) : mFile(std::fopen(path.c_str(), "w")) {}
    ~File()
    {
        if (mFile)
            std::fclose(mFile);
    }
    bool Close()
    {
        const bool ok = mFile && std::ferror(mFile) == 0 && std::fclose(mFile) == 0;
        mFile = nullptr;
        return ok;
    }
    FILE* mFile;
};

void WriteTransform(FILE* out, float x, float y, float z)
{
    std::fprintf(out,
                 "            <Transform>\n"
                 "                <Position X=\"%g\" Y=\"%g\" Z=\"%g\"/>\n"
                 "                <Scale X=\"1\" Y=\"1\" Z=\"1\"/>\n"
                 "                <Rotation Value=\"0\"/>\n"
                 "            </Transform>\n",
                 x, y, z);
}

void WriteRenderer(FILE* out, int frame)
{
    std::fprintf(out,
                 "            <Renderer>\n"
                 "                <InvertX Value=\"false\"/>\n"
                 "                <InvertY Value=\"false\"/>\n"
                 "                <Invisible Value=\"false\"/>\n"
                 "                <Index Value=\"%d\"/>\n"
                 "                <SpriteSheetKey Value=\"%s\"/>\n"
                 "                <Alpha Value=\"1\"/>\n"
                 "            </Renderer>\n",
                 frame, Sheet);
}

void WriteBody(FILE* out)
{
    std::fprintf(out, "            <Body>\n"
                      "                <Mass Value=\"1\"/>\n"
                      "                <Restiution Value=\"0.2\"/>\n"
                      "                <Collide Value=\"true\"/>\n"
                      "                <Rotation Value=\"false\"/>\n"
                      "                <Interactable Value=\"false\"/>\n"
                      "            </Body>\n");
}

// HalfLength holds the full size of the box.
void WriteBox(FILE* out)
{
    std::fprintf(out, "            <OBB>\n"
                      "                <HalfLength X=\"1\" Y=\"1\" Z=\"0\"/>\n"
                      "                <Offset X=\"0\" Y=\"0\" Z=\"0\"/>\n"
                      "                <RotateFixedPoint Value=\"false\"/>\n"
                      "                <PivotOffset X=\"0\" Y=\"0\" Z=\"0\"/>\n"
                      "                <PivotPosition X=\"0\" Y=\"0\" Z=\"0\"/>\n"
                      "                <Radian Value=\"0\"/>\n"
                      "            </OBB>\n");
}

// Radius 1 at scale 1 is a world radius of 0.5.
void WriteBall(FILE* out)
{
    std::fprintf(out, "            <Circle>\n"
                      "                <Radius Value=\"1\"/>\n"
                      "                <Offset X=\"0\" Y=\"0\" Z=\"0\"/>\n"
                      "            </Circle>\n");
}

bool WriteObjects(const std::string& path, const BenchLevelSize& size)
{
    File file(path);
    FILE* out = file.mFile;
    if (!out)
        return false;
    const int side = std::max(size.mTileSide, 20);
    const int levels = (side - 1) / PlatformPitch + 1; // platforms at rows 0, 10, 20, ...
    const int bodies = (size.mObjects + 1) / 2;
    const int perLevel = (bodies + levels - 1) / levels;
    const int perRow = std::max(1, static_cast<int>((side - 4) / BodyPitch));
    std::fprintf(out, "<BenchLevel>\n    <GameObjects GameObjectCount=\"%d\">\n", size.mObjects);
    int body = 0;
    for (int i = 0; i < size.mObjects; ++i)
    {
        const int kind = i % 4;
        const char* name = kind == 0 ? "Marker" : kind == 1 ? "Decor" : kind == 2 ? "Crate" : "Ball";
        const int components = kind == 0 ? 1 : kind == 1 ? 2 : 4;
        std::fprintf(out, "        <%s GameObjectName=\"%s\" ComponentCount=\"%d\">\n", name, name, components);
        std::fprintf(out, "            <ObjectTag Value=\"0\"/>\n");
        if (kind < 2)
        {
            // Scattered over the level, in front of the tiles.
            const float x = 1.5f + static_cast<float>((i * 37) % (side - 3));
            const float y = 1.5f + static_cast<float>((i * 53) % (side - 3));
            WriteTransform(out, x, y, kind == 0 ? 0.0f : -1.0f);
            if (kind == 1)
                WriteRenderer(out, 0);
        }
        else
        {
            // Rows of bodies just above a platform, odd rows shifted half a pitch.
            const int level = body / perLevel;
            const int slot = body % perLevel;
            const int row = slot / perRow;
            const int column = slot % perRow;
            const float x = 2.5f + column * BodyPitch + (row % 2 ? BodyPitch / 2 : 0.0f);
            const float y = level * PlatformPitch + 1.5f + row * 1.05f;
            ++body;
            WriteTransform(out, x, y, 0.0f);
            WriteRenderer(out, 0);
            WriteBody(out);
            if (kind == 2)
                WriteBox(out);
            else
                WriteBall(out);
        }
        std::fprintf(out, "        </%s>\n", name);
    }
    std::fprintf(out, "    </GameObjects>\n</BenchLevel>\n");
    return file.Close();
}

bool WriteTiles(const std::string& path, const BenchLevelSize& size)
{
    File file(path);
    FILE* out = file.mFile;
    if (!out)
        return false;
    const int side = std::max(size.mTileSide, 20);
    std::fprintf(out, "TilePlatform\n%d\n%d\n", side, side);
    for (int y = 0; y < side; ++y)
    {
        for (int x = 0; x < side; ++x)
        {
            const bool wall = x == 0 || x == side - 1;
            const bool platform = y % PlatformPitch == 0;
            if (wall || platform)
                std::fprintf(out, "1 1 %d ", (x + y) % 4);
            else
                std::fprintf(out, "0 ");
        }
        std::fprintf(out, "\n");
    }
    return file.Close();
}
} // namespace

bool WriteBenchLevel(const std::string& path, const BenchLevelSize& size)
{
    const bool objects = WriteObjects(path + ".xml", size);
    const bool tiles = WriteTiles(path + ".dat", size);
    return objects && tiles;
}
} // namespace Bench
