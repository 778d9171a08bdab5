// The uniform-grid broad phase, the level's tile bodies, and the pair test
// that holds the game's collision rules.
#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>
#include "core/MathTypes.h"

namespace Framework
{
class Body;

class SpatialGrid
{
public:
    static constexpr int DefaultCells = 30;      // columns and rows before a level sizes the grid
    static constexpr float DefaultCellSize = 2.0f;
    // Resize never makes more cells than this along one side (a corrupt tile file
    // must not exhaust memory): 4096 cells of 2 units cover any level we make.
    static constexpr int MaxCellsPerSide = 4096;

    SpatialGrid();
    ~SpatialGrid();
    SpatialGrid(const SpatialGrid&) = delete;
    SpatialGrid& operator=(const SpatialGrid&) = delete;

    // Enters a body into its cell and spread arms (or a player-test or pair-test list).
    void Insert(Body* body);
    // Takes a body out of every cell it was entered into.
    void Remove(Body* body);
    // Removes the first occurrence of the body from one cell.
    void RemoveFromCell(Body* body, int column, int row);
    // Moves a body and its Transform, and between cells when its cell changes.
    void SetBodyPosition(Body* body, const Vec3& position);
    // Changes a shape's offset, and the body's cells when its cell changes.
    void SetShapeOffset(Body* body, const Vec3& offset);
    // Rebuilds the grid for a tile grid of width x height tiles.
    void Resize(int width, int height);
    // Creates the static tile body of one used tile cell.
    void AddTile(const Vec3& centre);
    // Removes and deletes the first tile body whose position truncates to (x, y).
    void RemoveTileAt(int x, int y);
    // Deletes every tile body.
    void Clear();
    bool InRange(int column, int row) const;
    // Tests every body of a cell against its own cell and four neighbours.
    void CheckCell(int column, int row);
    // The pair test: the game's collision rules, the contact record and the messages.
    void TestPair(Body* a, Body* b);

    // The tile kind at an integer point: that of the first tile body whose
    // truncated position is the point; 0 when there is none.
    uint32_t TileKindAt(int x, int y) const;
    // The cell of a point; false when it is outside the grid.
    bool CellOf(const Vec3& point, int& column, int& row) const;

    int GetColumnCount() const { return mColumnCount; }
    int GetRowCount() const { return mRowCount; }
    float GetCellWidth() const { return mCellWidth; }
    float GetCellHeight() const { return mCellHeight; }
    const std::vector<Body*>& GetCell(int column, int row) const { return mCells[CellIndex(column, row)]; }
    const std::vector<Body*>& GetTileBodies() const { return mTileBodies; }

private:
    uint32_t CellIndex(int column, int row) const { return static_cast<uint32_t>(column * mRowCount + row); }
    // The cell of a body's shape centre from a given position and offset.
    bool CellOfBody(const Body* body, const Vec3& position, const Vec3& offset, int& column, int& row) const;
    void EnterCell(Body* body, int column, int row);
    // Whether the body's scaled shape is larger than a cell (it spreads).
    bool Spreads(const Body* body) const;
    // The see-through rule of false tiles for (x, y): true when y must let x pass.
    bool SeeThrough(Body* x, Body* y) const;
    // Whether one of the rules before the narrow phase skips the pair.
    bool SkippedByRules(Body* a, Body* b) const;
    void IndexTile(Body* tile);
    void UnindexTile(Body* tile);

    int mColumnCount = DefaultCells;
    int mRowCount = DefaultCells;
    float mCellWidth = DefaultCellSize;
    float mCellHeight = DefaultCellSize;
    std::vector<std::vector<Body*>> mCells;  // [column * rows + row], not owning
    std::vector<Body*> mTileBodies;          // owned
    // First tile body (in list order) at each integer point, so a probe costs one
    // lookup instead of a scan of every tile.
    std::unordered_map<uint64_t, Body*> mTileIndex;
};

extern SpatialGrid* gSpatialGrid;
} // namespace Framework
