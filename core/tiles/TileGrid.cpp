// TileGrid: the level's tile map and its ".dat" form.
//
// Contents:
//   1. Tile kinds and construction
//   2. Size: FitsBounds, Resize, Rebuild
//   3. Tiles: cell lookup, PlaceTile, RemoveTile, Clear, SpawnTiles
//   4. The tileset's name
//   5. The ".dat" form: Serialize, Unserialize
#include "core/tiles/TileGrid.h"
#include <algorithm>
#include <cmath>
#include <cstdio>
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/serializers/TextSerializer.h"
#include "core/tiles/TileBodies.h"
#include "core/tiles/TileGridReader.h"

namespace Framework
{
TileBodies* TileGrid::sBodies = nullptr;
std::string* (*TileGrid::sTilesetName)() = nullptr;

// ---- 1. Tile kinds and construction -----------------------------------------
namespace
{
TileKind MakeKind(uint32_t kind, float angle, const Vec3& halfLength, const Vec3& offset)
{
    TileKind k;
    k.mKind = kind;
    k.mAngle = angle;
    k.mHalfLength = halfLength;
    k.mOffset = offset;
    return k;
}
} // namespace

TileGrid::TileGrid()
{
    const float diagonal = 0.785398f;
    const float diagonalDown = 2.35619f;
    const float slope = std::atan(0.5f); // a half-height slope over one tile
    const float slopeDown = 3.1415927f - slope;
    mKinds = {
        MakeKind(0, 0.0f, Vec3(0, 0, 0), Vec3(0, 0, 0)),
        MakeKind(1, 0.0f, Vec3(1, 1, 0), Vec3(0, 0, 0)),
        MakeKind(2, diagonal, Vec3(1.0f / std::cos(diagonal), 0.01f, 0), Vec3(0, 0, 0)),
        MakeKind(3, diagonalDown, Vec3(-1.0f / std::cos(diagonalDown), 0.01f, 0), Vec3(0, 0, 0)),
        MakeKind(4, slope, Vec3(1.0f / std::cos(slope), 0.01f, 0), Vec3(0, -0.25f, 0)),
        MakeKind(5, slope, Vec3(1.0f / std::cos(slope), 0.01f, 0), Vec3(0, 0.25f, 0)),
        MakeKind(6, slopeDown, Vec3(-1.0f / std::cos(slopeDown), 0.01f, 0), Vec3(0, 0.25f, 0)),
        MakeKind(7, slopeDown, Vec3(-1.0f / std::cos(slopeDown), 0.01f, 0), Vec3(0, -0.25f, 0)),
    };
}

// ---- 2. Size ----------------------------------------------------------------
bool TileGrid::FitsBounds(uint64_t width, uint64_t height)
{
    return width <= MaxSide && height <= MaxSide && width * height <= MaxCells;
}

void TileGrid::Resize(uint32_t width, uint32_t height)
{
    // A grid the reader would refuse must never reach the file: it would load
    // back empty and the next save would lose every tile.
    if (!FitsBounds(width, height))
    {
        Log("Tile map of " + std::to_string(width) + " x " + std::to_string(height) +
            " cells is too large; the map keeps its size.");
        return;
    }
    mWidth = width;
    mHeight = height;
    if (mRows.size() == height &&
        std::all_of(mRows.begin(), mRows.end(),
                    [width](const std::vector<TileCell>& row) { return row.size() == width; }))
    {
        // The same size again (a level reloaded): clear the cells in place.
        for (auto& row : mRows)
            std::fill(row.begin(), row.end(), TileCell());
        return;
    }
    mRows.assign(height, std::vector<TileCell>(width));
}

void TileGrid::Rebuild()
{
    if (!FitsBounds(mWidth, mHeight))
    {
        Log("Tile map of " + std::to_string(mWidth) + " x " + std::to_string(mHeight) +
            " cells is too large; the map keeps its size.");
        mHeight = static_cast<uint32_t>(mRows.size());
        mWidth = mRows.empty() ? 0 : static_cast<uint32_t>(mRows[0].size());
    }
    std::vector<std::vector<TileCell>> rows(mHeight, std::vector<TileCell>(mWidth));
    for (size_t y = 0; y < rows.size() && y < mRows.size(); ++y)
        for (size_t x = 0; x < rows[y].size() && x < mRows[y].size(); ++x)
            rows[y][x] = mRows[y][x];
    mRows.swap(rows);
    SpawnTiles();
}

// ---- 3. Tiles ---------------------------------------------------------------
bool TileGrid::CellAt(const Vec3& position, int& x, int& y) const
{
    // floor, not truncation: -0.5 lies left of column 0, not in it.
    const float fx = std::floor(position.x);
    const float fy = std::floor(position.y);
    if (!(fx >= 0.0f && fy >= 0.0f && fx < static_cast<float>(mWidth) && fy < static_cast<float>(mHeight)))
        return false;
    x = static_cast<int>(fx);
    y = static_cast<int>(fy);
    return y < static_cast<int>(mRows.size()) && x < static_cast<int>(mRows[y].size());
}

void TileGrid::PlaceTile(int32_t kind, int32_t frame, const Vec3& position)
{
    int x, y;
    if (!CellAt(position, x, y))
    {
        Log("Tile outside the grid refused.");
        return;
    }
    if (kind < 0 || kind >= KindCount)
    {
        Log("Tile of unknown kind " + std::to_string(kind) + " refused.");
        return;
    }
    std::printf("%d %d\n", x, y);
    RemoveTile(position);
    TileCell& cell = mRows[y][x];
    cell.mUsed = true;
    cell.mKind = kind;
    cell.mFrame = frame;
    cell.mCentre = Vec3(x + 0.5f, y + 0.5f, TileLayer);
    if (sBodies)
        sBodies->AddTile(cell.mCentre);
}

void TileGrid::RemoveTile(const Vec3& position)
{
    int x, y;
    if (!CellAt(position, x, y))
        return;
    mRows[y][x].mUsed = false;
    if (sBodies)
        sBodies->RemoveTileAt(x, y);
}

void TileGrid::Clear()
{
    for (auto& row : mRows)
        for (TileCell& cell : row)
            cell.mUsed = false;
    if (gFactory)
        gFactory->DestroyAllTiles(); // also clears the physics tile grid
    else if (sBodies)
        sBodies->Clear();
}

void TileGrid::SpawnTiles()
{
    if (gFactory)
        gFactory->DestroyAllTiles();
    else if (sBodies)
        sBodies->Clear();
    if (sBodies)
    {
        size_t used = 0;
        for (const auto& row : mRows)
            for (const TileCell& cell : row)
                used += cell.mUsed ? 1 : 0;
        sBodies->ReserveTiles(used);
    }
    for (size_t y = 0; y < mRows.size(); ++y)
        for (size_t x = 0; x < mRows[y].size(); ++x)
        {
            TileCell& cell = mRows[y][x];
            cell.mCentre = Vec3(x + 0.5f, y + 0.5f, TileLayer);
            if (cell.mUsed && sBodies)
                sBodies->AddTile(cell.mCentre);
        }
}

// ---- 4. The tileset's name --------------------------------------------------
std::string TileGrid::GetTilesetName() const
{
    const std::string* shared = sTilesetName ? sTilesetName() : nullptr;
    return shared ? *shared : mDetachedTilesetName;
}

void TileGrid::SetTilesetName(const std::string& name)
{
    std::string* shared = sTilesetName ? sTilesetName() : nullptr;
    (shared ? *shared : mDetachedTilesetName) = name;
}

// ---- 5. The ".dat" form -----------------------------------------------------
void TileGrid::Serialize(TextSerializer& serializer)
{
    serializer.WriteString(GetTilesetName());
    serializer.WriteUnsigned(mWidth);
    serializer.WriteUnsigned(mHeight);
    std::fstream& out = serializer.Stream();
    for (uint32_t y = 0; y < mHeight && y < mRows.size(); ++y)
    {
        for (uint32_t x = 0; x < mWidth && x < mRows[y].size(); ++x)
        {
            const TileCell& cell = mRows[y][x];
            out << (cell.mUsed ? 1 : 0) << ' ';
            if (cell.mUsed)
                out << cell.mKind << ' ' << cell.mFrame << ' ';
        }
        out << '\n';
    }
}

bool TileGrid::ReadHeader(TileGridReader& in, std::string& tileset, uint32_t& width, uint32_t& height)
{
    // The whole first line: an empty tileset name must not swallow the width.
    tileset.clear();
    in.ReadLine(tileset);
    in.ReadUnsigned(width);
    in.ReadUnsigned(height);
    return in.Good();
}

void TileGrid::Unserialize(TextSerializer& serializer)
{
    // The whole file at once, parsed in memory: the reads behave as the
    // stream's formatted extraction did, malformed files included.
    TileGridReader in = TileGridReader::FromStream(serializer.Stream());

    // A missing or short header keeps the old size (with every cell cleared).
    std::string name;
    uint32_t width = mWidth, height = mHeight;
    ReadHeader(in, name, width, height);
    SetTilesetName(name);
    if (!FitsBounds(width, height))
    {
        Log("Tile map of " + std::to_string(width) + " x " + std::to_string(height) +
            " cells is too large; the map is left empty.");
        Resize(mWidth, mHeight);
    }
    else
    {
        Resize(width, height);
        bool badKind = false;
        for (uint32_t y = 0; y < mHeight && in.Good(); ++y)
            for (uint32_t x = 0; x < mWidth && in.Good(); ++x)
            {
                bool used = false;
                int32_t kind = 0, frame = 0;
                if (!in.ReadBool(used))
                    break; // a short file leaves the rest cleared
                if (!used)
                    continue;
                if (!in.ReadInt(kind) || !in.ReadInt(frame))
                    break;
                if (kind < 0 || kind >= KindCount)
                {
                    badKind = true;
                    continue;
                }
                TileCell& cell = mRows[y][x];
                cell.mUsed = true;
                cell.mKind = kind;
                cell.mFrame = frame;
            }
        if (badKind)
            Log("Tile map holds tiles of unknown kind; they were left out.");
    }
    if (sBodies)
        sBodies->Resize(static_cast<int>(mWidth), static_cast<int>(mHeight));
    SpawnTiles();
}
} // namespace Framework
