// The level's tile map: which cells hold a tile, each tile's collision shape and
// its frame in the tileset sheet. Stored in the level's ".dat" file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "core/math/MathTypes.h"

namespace Framework
{
class TextSerializer;
class TileGridReader;
class TileBodies;

// One cell of the grid; kind and frame survive a clear, only mUsed changes.
struct TileCell
{
    bool mUsed = false;
    int32_t mKind = 0;              // TileKind number 0..7: the collision shape
    int32_t mFrame = 0;             // frame in the tileset sprite sheet
    Vec3 mCentre{0.0f, 0.0f, 0.0f}; // (x + 0.5, y + 0.5, -8) once spawned
};

// A collision shape of tiles; physics copies the last three fields into the
// tile body's box (rotation offset, half length, offset).
struct TileKind
{
    uint32_t mKind = 0;
    float mAngle = 0.0f; // radians
    Vec3 mHalfLength{0.0f, 0.0f, 0.0f};
    Vec3 mOffset{0.0f, 0.0f, 0.0f};
};

class TileGrid
{
public:
    static constexpr int32_t KindCount = 8;
    static constexpr float TileLayer = -8.0f; // z of every tile: drawn behind the sprites
    // Bounds on sizes read from files: large enough for any level, small enough
    // that a corrupt header cannot exhaust memory.
    static constexpr uint32_t MaxSide = 4096;
    static constexpr uint64_t MaxCells = 4u * 1024u * 1024u;

    TileGrid();

    // Every row replaced by cleared cells of the new size; a size past the
    // bounds above changes nothing (with a log line).
    void Resize(uint32_t width, uint32_t height);
    // Keeps the cells inside both the old and the new size, then SpawnTiles.
    // Width and height past the bounds go back to the grid's present size.
    void Rebuild();
    static bool FitsBounds(uint64_t width, uint64_t height);
    // The tile file's header as Unserialize reads it: the tileset (the whole
    // first line), then the width and the height, each left as it was when
    // its read fails. False when a read failed; the reader is then at the
    // first cell. The editor checks a level with it before loading one.
    static bool ReadHeader(TileGridReader& in, std::string& tileset, uint32_t& width, uint32_t& height);
    // Puts a tile in the cell under position (replacing one already there) and
    // makes its body; cells outside the grid are refused.
    void PlaceTile(int32_t kind, int32_t frame, const Vec3& position);
    // Empties the cell under position and removes its tile body.
    void RemoveTile(const Vec3& position);
    // Empties every cell, deletes the tile objects and the tile bodies.
    void Clear();
    // Remakes every tile body from the used cells.
    void SpawnTiles();
    void Serialize(TextSerializer& serializer);
    void Unserialize(TextSerializer& serializer);

    // The cell under a world position, or false when it lies outside the grid.
    bool CellAt(const Vec3& position, int& x, int& y) const;
    // The tileset the grid is drawn with: the graphics system's, or the grid's own
    // copy when there is no graphics system (tools, tests).
    std::string GetTilesetName() const;
    void SetTilesetName(const std::string& name);

    // The tiles' bodies: the physics' broad phase while it exists (it sets
    // and clears this itself); null: the tiles have no bodies.
    static TileBodies* sBodies;
    // Where the tileset name is kept while a graphics system (which draws the
    // tiles) runs; set by it. Null, or a null answer: the grid's own copy.
    static std::string* (*sTilesetName)();

    uint32_t mWidth = 0;
    uint32_t mHeight = 0;
    std::vector<std::vector<TileCell>> mRows; // [row y][column x]
    std::vector<TileKind> mKinds;             // indexed by kind number

private:
    std::string mDetachedTilesetName;
};
} // namespace Framework
