// The uniform-grid broad phase, the level's tile bodies, and the pair test
// which asks the game's pair callbacks (the game's rules; Physics holds them).
#pragma once
#include <cstdint>
#include <vector>
#include "core/math/MathTypes.h"
#include "core/tiles/TileBodies.h"
#include "physics/CellList.h"
#include "physics/TileBodyPool.h"

namespace Framework
{
class Body;

class SpatialGrid : public TileBodies
{
public:
    static constexpr int DefaultCells = 30; // columns and rows before a level sizes the grid
    static constexpr float DefaultCellSize = 2.0f;
    // Resize never makes more cells than this along one side (a corrupt tile file
    // must not exhaust memory): 4096 cells of 2 units cover any level we make.
    static constexpr int MaxCellsPerSide = 4096;

    SpatialGrid();
    ~SpatialGrid() override;
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
    void Resize(int width, int height) override;
    // Creates the static tile body of one used tile cell.
    void AddTile(const Vec3& centre) override;
    // Makes room for this many more tile bodies in the lists AddTile appends to.
    void ReserveTiles(size_t count) override;
    // Removes and deletes the first tile body whose position truncates to (x, y).
    void RemoveTileAt(int x, int y) override;
    // Deletes every tile body.
    void Clear() override;
    bool InRange(int column, int row) const;
    // Tests every body of a cell against its own cell and four neighbours.
    void CheckCell(int column, int row);
    // The pair test: the game's filter, the contact record, the messages and
    // the game's contact callback (Physics::SetPairCallbacks).
    void TestPair(Body* a, Body* b);
    // Around a detection pass: cells holding no moving body, with neighbours holding
    // none either, can only hold static pairs, which are never tested, so the pass
    // skips them. Kept exact while message handlers move bodies during the pass.
    void BeginPass();
    void EndPass() { mPassActive = false; }
    // CheckCell for every cell, column by column and row by row within a column;
    // during a pass, rows far from every moving body are not visited.
    void CheckAllCells();

    // The tile kind at an integer point: that of the first tile body whose
    // truncated position is the point; 0 when there is none.
    uint32_t TileKindAt(int x, int y) const;
    // The cell of a point; false when it is outside the grid.
    bool CellOf(const Vec3& point, int& column, int& row) const;
    // Whether this step's cell pass asks the game's filter about (a, b): the
    // pair passes the grid's own tests (below) and a cell of a and a cell of
    // b are the same or neighbours. False when either is in no cell.
    bool FilterWillSee(const Body* a, const Body* b) const;

    int GetColumnCount() const { return mColumnCount; }
    int GetRowCount() const { return mRowCount; }
    float GetCellWidth() const { return mCellWidth; }
    float GetCellHeight() const { return mCellHeight; }
    const CellList& GetCell(int column, int row) const { return mCells[CellIndex(column, row)]; }
    const std::vector<Body*>& GetTileBodies() const { return mTileBodies; }

private:
    uint32_t CellIndex(int column, int row) const { return static_cast<uint32_t>(column * mRowCount + row); }
    // The cell of a body's shape centre from a given position and offset.
    bool CellOfBody(const Body* body, const Vec3& position, const Vec3& offset, int& column, int& row) const;
    void EnterCell(Body* body, int column, int row);
    // How many cells down the column the pass asks ahead for a cell's memory.
    static constexpr int PartsAhead = 3;  // the shapes, Transforms and second lines of its bodies
    static constexpr int BodiesAhead = 6; // the first lines of its bodies
    static constexpr int CellsAhead = 10; // the cell itself
    void PrefetchAhead(int column, int row) const;
    // Whether the body's scaled shape is larger than a cell (it spreads).
    bool Spreads(const Body* body) const;
    // Whether the pair is never tested: no shapes, the same body, both
    // static, or one not colliding.
    static bool SkippedByGrid(const Body* a, const Body* b);
    // The same, or the game's filter keeps the pair out.
    bool Skipped(Body* a, Body* b) const;
    void IndexTile(Body* tile);
    void UnindexTile(Body* tile);

    int mColumnCount = DefaultCells;
    int mRowCount = DefaultCells;
    float mCellWidth = DefaultCellSize;
    float mCellHeight = DefaultCellSize;
    std::vector<CellList> mCells;   // [column * rows + row], not owning
    std::vector<Body*> mTileBodies; // owned, made by mTilePool
    TileBodyPool mTilePool;
    // First tile body (in list order) at each integer point, so a probe costs one
    // array read instead of a scan of every tile: [y * mTileIndexWidth + x], null
    // for none. Tiles lie at points of the tile grid, so the array covers it.
    std::vector<Body*> mTileIndex;
    // The kind of mTileIndex's body at each point (0 for none): what a probe reads,
    // without a trip to the body itself.
    std::vector<uint32_t> mTileKinds;
    int mTileIndexWidth = 0;
    int mTileIndexHeight = 0;
    // The slot of a point, or null outside the array.
    Body** TileSlot(int x, int y)
    {
        if (x < 0 || y < 0 || x >= mTileIndexWidth || y >= mTileIndexHeight)
            return nullptr;
        return &mTileIndex[static_cast<size_t>(y) * static_cast<size_t>(mTileIndexWidth) + static_cast<size_t>(x)];
    }
    // Makes the arrays cover the point (keeping what they hold); false when they cannot.
    bool CoverTilePoint(int x, int y);
    // Puts a tile body (or none) at a slot of the arrays.
    void SetTileSlot(Body** slot, Body* tile);
    std::vector<uint32_t> mMovingMark; // per cell: equals mPassStamp when a non-static body is in it
    uint32_t mPassStamp = 0;
    bool mPassActive = false;
    std::vector<int> mMovingRowMin; // per column: lowest and highest row holding a
    std::vector<int> mMovingRowMax; // moving body this pass (min > max: none)
    void MarkMoving(uint32_t index);
    // Whether a pass may skip the cell: it and the neighbours it tests hold only static bodies.
    bool OnlyStaticAround(int column, int row) const;
};

extern SpatialGrid* gSpatialGrid;
} // namespace Framework
