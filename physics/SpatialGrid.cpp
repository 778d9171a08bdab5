// SpatialGrid: cells, entering and leaving them, resizing, tile bodies and the cell pass.
//
// Contents:
//   1. Construction, cell lookups and entering a cell
//   2. The cell pass: MarkMoving, CheckAllCells, BeginPass, OnlyStaticAround
//   3. Bodies in the grid: Spreads, Insert, Remove, moving and re-offsetting a body
//   4. Resize
//   5. Tile bodies: covering points, indexing, TileKindAt, AddTile, ReserveTiles, RemoveTileAt
//   6. Clear
//   7. One cell's pairs: prefetching, the candidate test, CheckCell
#include "physics/SpatialGrid.h"
#include <algorithm>
#include <cmath>
#include "core/objects/Factory.h"
#include "core/tiles/TileGrid.h"
#include "core/objects/Transform.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"
#include "physics/BodyList.h"
#include "physics/CollisionDispatch.h"
#include "physics/GridMath.h"
#include "physics/ObjectAccess.h"
#include "physics/Physics.h"
#include "physics/ShapeOBB.h"
#include "physics/ShapeSize.h"

namespace Framework
{
SpatialGrid* gSpatialGrid = nullptr;

// ---- 1. Construction, cell lookups and entering a cell ----------------------
SpatialGrid::SpatialGrid() { mCells.resize(static_cast<size_t>(mColumnCount) * static_cast<size_t>(mRowCount)); }

SpatialGrid::~SpatialGrid()
{
    // Tile bodies are deleted by Clear; bodies still in cells only forget them.
    for (Body* tile : mTileBodies)
        if (tile)
            tile->mGridCells.clear();
    if (!mTileBodies.empty())
        mTilePool.Abandon();
    for (CellList& cell : mCells)
        for (Body* body : cell)
        {
            body->mGridCells.clear();
            body->mGridColumn = -1;
            body->mGridRow = -1;
        }
}

bool SpatialGrid::InRange(int column, int row) const
{
    return column >= 0 && column < mColumnCount && row >= 0 && row < mRowCount;
}

bool SpatialGrid::CellOf(const Vec3& point, int& column, int& row) const
{
    return CellOfPoint(point.x, point.y, mCellWidth, mCellHeight, mColumnCount, mRowCount, column, row);
}

bool SpatialGrid::FilterWillSee(const Body* a, const Body* b) const
{
    if (SkippedByGrid(a, b))
        return false;
    const auto rowCount = static_cast<uint32_t>(mRowCount); // a cell's index is column x rows + row
    for (uint32_t cellA : a->mGridCells)
        for (uint32_t cellB : b->mGridCells)
        {
            const int columns = static_cast<int>(cellA / rowCount) - static_cast<int>(cellB / rowCount);
            const int rows = static_cast<int>(cellA % rowCount) - static_cast<int>(cellB % rowCount);
            if (columns >= -1 && columns <= 1 && rows >= -1 && rows <= 1)
                return true;
        }
    return false;
}

bool SpatialGrid::CellOfBody(const Body*, const Vec3& position, const Vec3& offset, int& column, int& row) const
{
    return CellOf(Vec3(position.x + offset.x, position.y + offset.y, 0.0f), column, row);
}

void SpatialGrid::EnterCell(Body* body, int column, int row)
{
    const uint32_t index = CellIndex(column, row);
    mCells[index].push_back(body);
    body->mGridCells.push_back(index);
    if (mPassActive && !body->mStatic)
        MarkMoving(index);
}

// ---- 2. The cell pass -------------------------------------------------------
void SpatialGrid::MarkMoving(uint32_t index)
{
    if (index >= mMovingMark.size())
        return;
    mMovingMark[index] = mPassStamp;
    const int column = static_cast<int>(index) / mRowCount;
    const int row = static_cast<int>(index) % mRowCount;
    if (column < static_cast<int>(mMovingRowMin.size()))
    {
        mMovingRowMin[static_cast<size_t>(column)] = std::min(mMovingRowMin[static_cast<size_t>(column)], row);
        mMovingRowMax[static_cast<size_t>(column)] = std::max(mMovingRowMax[static_cast<size_t>(column)], row);
    }
}

void SpatialGrid::CheckAllCells()
{
    for (int x = 0; x < mColumnCount; ++x)
    {
        for (int y = 0; y < mRowCount; ++y)
        {
            if (mPassActive && static_cast<size_t>(x) < mMovingRowMin.size())
            {
                // A cell is tested against its own column and the one before, one row
                // either way: outside that band of moving bodies it holds static pairs only.
                const size_t here = static_cast<size_t>(x);
                int low = mMovingRowMin[here];
                int high = mMovingRowMax[here];
                if (x > 0)
                {
                    low = std::min(low, mMovingRowMin[here - 1]);
                    high = std::max(high, mMovingRowMax[here - 1]);
                }
                if (y < low - 1)
                    y = low - 1; // low <= high here, else the next test ends the column
                if (y > high + 1)
                    break;
                if (y < 0)
                    y = 0;
            }
            CheckCell(x, y);
        }
    }
}

void SpatialGrid::BeginPass()
{
    if (mMovingMark.size() != mCells.size())
        mMovingMark.assign(mCells.size(), 0u);
    if (++mPassStamp == 0)
    {
        // The stamp wrapped: clear the old marks once.
        std::fill(mMovingMark.begin(), mMovingMark.end(), 0u);
        mPassStamp = 1;
    }
    // The cells of every simulated body: a static body never moves into or out
    // of a cell on its own, so these are the only cells with anything to test.
    mMovingRowMin.assign(static_cast<size_t>(mColumnCount), mRowCount);
    mMovingRowMax.assign(static_cast<size_t>(mColumnCount), -1);
    if (gPhysics)
    {
        const std::vector<Body*>& bodies = gPhysics->mDynamicBodies;
        for (size_t i = 0; i < bodies.size(); ++i)
        {
            // The cell list of each body is a heap block of its own.
            if (i + 8 < bodies.size())
                __builtin_prefetch(&bodies[i + 8]->mGridCells);
            if (i + 4 < bodies.size())
                __builtin_prefetch(bodies[i + 4]->mGridCells.data());
            const Body* body = bodies[i];
            if (!body->mStatic)
                for (uint32_t index : body->mGridCells)
                    MarkMoving(index);
        }
    }
    mPassActive = true;
}

bool SpatialGrid::OnlyStaticAround(int column, int row) const
{
    // The cell (in range) and those of its neighbours that are in range.
    const uint32_t* marks = mMovingMark.data();
    const uint32_t here = CellIndex(column, row);
    if (marks[here] == mPassStamp || (row > 0 && marks[here - 1] == mPassStamp))
        return false;
    if (column == 0)
        return true;
    const uint32_t left = here - static_cast<uint32_t>(mRowCount);
    return marks[left] != mPassStamp && (row == 0 || marks[left - 1] != mPassStamp) &&
           (row + 1 >= mRowCount || marks[left + 1] != mPassStamp);
}

// ---- 3. Bodies in the grid --------------------------------------------------
bool SpatialGrid::Spreads(const Body* body) const
{
    if (!body->mShape)
        return false;
    const Vec2 scale = body->GetScale();
    const Vec2 size = SpreadSizeOf(*body->mShape);
    return size.x * scale.x > mCellWidth || size.y * scale.y > mCellHeight;
}

void SpatialGrid::Insert(Body* body)
{
    if (!body)
        return;
    const uint32_t tag = body->GetTag();
    if (OwnerOf(body) && tag == ObjectTag::AirCon)
    {
        // Listed once, whatever moves or resizes enter it again.
        if (gPhysics)
            AddOnce(gPhysics->mPlayerTestBodies, body);
        return;
    }
    if (OwnerOf(body) && (tag == ObjectTag::Border || tag == ObjectTag::People))
    {
        if (gPhysics)
            AddOnce(gPhysics->mPairTestBodies, body);
        return;
    }
    if (!body->mShape)
        return;
    // A body is in one set of cells at a time.
    if (!body->mGridCells.empty())
        Remove(body);

    const Vec3 position = body->mTransform ? body->mTransform->mPosition : body->mPosition;
    int column = 0, row = 0;
    if (!CellOfBody(body, position, body->mShape->Offset, column, row))
        return;
    body->mGridColumn = column;
    body->mGridRow = row;
    EnterCell(body, column, row);

    // Larger bodies also sit in a cross of cells along their width and height.
    const Vec2 scale = body->GetScale();
    const Vec2 size = SpreadSizeOf(*body->mShape);
    const int arm = std::min(SpreadArm(size.x * scale.x, mCellWidth), mColumnCount);
    for (int k = 1; k <= arm; ++k)
    {
        if (InRange(column + k, row))
            EnterCell(body, column + k, row);
        if (InRange(column - k, row))
            EnterCell(body, column - k, row);
    }
    const int armY = std::min(SpreadArm(size.y * scale.y, mCellHeight), mRowCount);
    for (int k = 1; k <= armY; ++k)
    {
        if (InRange(column, row + k))
            EnterCell(body, column, row + k);
        if (InRange(column, row - k))
            EnterCell(body, column, row - k);
    }
}

void SpatialGrid::Remove(Body* body)
{
    if (!body)
        return;
    for (uint32_t index : body->mGridCells)
        if (index < mCells.size())
            mCells[index].RemoveFirst(body);
    body->mGridCells.clear();
    body->mGridColumn = -1;
    body->mGridRow = -1;
}

void SpatialGrid::RemoveFromCell(Body* body, int column, int row)
{
    if (!body || !InRange(column, row))
        return;
    const uint32_t index = CellIndex(column, row);
    if (!mCells[index].RemoveFirst(body))
        return;
    auto recorded = std::find(body->mGridCells.begin(), body->mGridCells.end(), index);
    if (recorded != body->mGridCells.end())
        body->mGridCells.erase(recorded);
    if (body->mGridCells.empty())
        body->mGridColumn = body->mGridRow = -1;
}

void SpatialGrid::SetBodyPosition(Body* body, const Vec3& position)
{
    if (!body)
        return;
    body->mPosition = position;
    if (body->mTransform)
        body->mTransform->mPosition = position;
    if (!body->mShape)
        return;
    // The old cell is the one the body was entered into, not one recomputed
    // from a Transform that may have been moved behind the grid's back.
    int column = -1, row = -1;
    if (!CellOfBody(body, position, body->mShape->Offset, column, row))
        column = row = -1;
    if (column == body->mGridColumn && row == body->mGridRow)
        return;
    Remove(body);
    Insert(body);
}

void SpatialGrid::SetShapeOffset(Body* body, const Vec3& offset)
{
    if (!body || !body->mShape)
        return;
    body->mShape->Offset = offset;
    const Vec3 position = body->mTransform ? body->mTransform->mPosition : body->mPosition;
    int column = -1, row = -1;
    if (!CellOfBody(body, position, offset, column, row))
        column = row = -1;
    if (column == body->mGridColumn && row == body->mGridRow)
        return;
    Remove(body);
    Insert(body);
}

// ---- 4. Resize --------------------------------------------------------------
void SpatialGrid::Resize(int width, int height)
{
    const float w = width <= DefaultCells ? static_cast<float>(DefaultCells) : static_cast<float>(width);
    const float h = height <= DefaultCells ? static_cast<float>(DefaultCells) : static_cast<float>(height);
    int columns = DefaultCells, rows = DefaultCells;
    if (!CeilToInt(w / mCellWidth, columns))
        columns = MaxCellsPerSide;
    if (!CeilToInt(h / mCellHeight, rows))
        rows = MaxCellsPerSide;

    for (CellList& cell : mCells)
        for (Body* body : cell)
        {
            body->mGridCells.clear();
            body->mGridColumn = body->mGridRow = -1;
        }
    mColumnCount = std::clamp(columns, 1, MaxCellsPerSide);
    mRowCount = std::clamp(rows, 1, MaxCellsPerSide);
    const size_t cellCount = static_cast<size_t>(mColumnCount) * static_cast<size_t>(mRowCount);
    // A level of the same size as the last (every switch back to a level) empties
    // the cells it has instead of freeing and zeroing a new array of them.
    if (mCells.size() == cellCount)
        for (CellList& cell : mCells)
            cell.clear();
    else
    {
        mCells.clear();
        mCells.resize(cellCount);
    }
    mMovingMark.assign(mCells.size(), 0u);
    mMovingRowMin.assign(static_cast<size_t>(mColumnCount), mRowCount);
    mMovingRowMax.assign(static_cast<size_t>(mColumnCount), -1);
    if (!gPhysics)
        return;
    for (size_t i = 0; i < gPhysics->mBodies.size(); ++i)
        Insert(gPhysics->mBodies[i]);
}

// ---- 5. Tile bodies ---------------------------------------------------------
bool SpatialGrid::CoverTilePoint(int x, int y)
{
    if (x < 0 || y < 0)
        return false; // tiles are refused outside the tile grid, which starts at 0
    if (x < mTileIndexWidth && y < mTileIndexHeight)
        return true;
    // At least the tile grid's size, so a level's tiles make one allocation.
    int width = std::max(mTileIndexWidth, x + 1);
    int height = std::max(mTileIndexHeight, y + 1);
    if (gFactory)
    {
        width = std::max(width, static_cast<int>(std::min<uint32_t>(gFactory->mTileGrid.mWidth, TileGrid::MaxSide)));
        height = std::max(height, static_cast<int>(std::min<uint32_t>(gFactory->mTileGrid.mHeight, TileGrid::MaxSide)));
    }
    std::vector<Body*> index(static_cast<size_t>(width) * static_cast<size_t>(height), nullptr);
    std::vector<uint32_t> kinds(index.size(), 0u);
    for (int row = 0; row < mTileIndexHeight; ++row)
    {
        const std::ptrdiff_t from = static_cast<std::ptrdiff_t>(row) * mTileIndexWidth;
        const std::ptrdiff_t to = static_cast<std::ptrdiff_t>(row) * width;
        std::copy_n(mTileIndex.begin() + from, mTileIndexWidth, index.begin() + to);
        std::copy_n(mTileKinds.begin() + from, mTileIndexWidth, kinds.begin() + to);
    }
    mTileIndex.swap(index);
    mTileKinds.swap(kinds);
    mTileIndexWidth = width;
    mTileIndexHeight = height;
    return true;
}

void SpatialGrid::SetTileSlot(Body** slot, Body* tile)
{
    *slot = tile;
    mTileKinds[static_cast<size_t>(slot - mTileIndex.data())] = tile ? tile->mTileType : 0u;
}

void SpatialGrid::IndexTile(Body* tile)
{
    int x = 0, y = 0;
    if (!TruncateToInt(tile->mPosition.x, x) || !TruncateToInt(tile->mPosition.y, y) || !CoverTilePoint(x, y))
        return;
    // The first tile of the list at a point wins, as a scan of the list would find.
    Body** slot = TileSlot(x, y);
    if (!*slot)
        SetTileSlot(slot, tile);
}

void SpatialGrid::UnindexTile(Body* tile)
{
    int x = 0, y = 0;
    if (!TruncateToInt(tile->mPosition.x, x) || !TruncateToInt(tile->mPosition.y, y))
        return;
    Body** slot = TileSlot(x, y);
    if (!slot || *slot != tile)
        return;
    SetTileSlot(slot, nullptr);
    // The next tile of the list at the same point takes its place.
    for (Body* other : mTileBodies)
    {
        int ox = 0, oy = 0;
        if (other != tile && TruncateToInt(other->mPosition.x, ox) && TruncateToInt(other->mPosition.y, oy) &&
            ox == x && oy == y)
        {
            SetTileSlot(slot, other);
            break;
        }
    }
}

uint32_t SpatialGrid::TileKindAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= mTileIndexWidth || y >= mTileIndexHeight)
        return 0u;
    return mTileKinds[static_cast<size_t>(y) * static_cast<size_t>(mTileIndexWidth) + static_cast<size_t>(x)];
}

void SpatialGrid::AddTile(const Vec3& centre)
{
    if (!gFactory)
        return;
    int column = 0, row = 0;
    if (!TruncateToInt(centre.x, column) || !TruncateToInt(centre.y, row))
        return;
    const TileGrid& tiles = gFactory->mTileGrid;
    if (column < 0 || row < 0 || static_cast<uint32_t>(column) >= tiles.mWidth ||
        static_cast<uint32_t>(row) >= tiles.mHeight)
        return;
    const int kind = tiles.mRows[static_cast<size_t>(row)][static_cast<size_t>(column)].mKind;
    if (kind <= 0 || static_cast<size_t>(kind) >= tiles.mKinds.size())
        return;
    const TileKind& shapeOfKind = tiles.mKinds[static_cast<size_t>(kind)];

    Body* body = mTilePool.Make();
    body->mTransform->mPosition = Vec3(0.0f);
    body->mTransform->mRotation = 0.0f;
    body->mTransform->mScale = Vec3(1.0f, 1.0f, 1.0f);
    ShapeOBB* shape = static_cast<ShapeOBB*>(body->mShape);

    body->mTileType = static_cast<uint32_t>(kind);
    body->mMass = 0.0f;
    body->mStatic = true;
    body->mPosition = centre;
    body->mTransform->mPosition = centre;
    int cellColumn = 0, cellRow = 0;
    if (CellOf(centre, cellColumn, cellRow))
    {
        body->mGridColumn = cellColumn;
        body->mGridRow = cellRow;
        EnterCell(body, cellColumn, cellRow);
    }

    // A tile stays static for good: the mass is for show, the inverse mass 0.
    body->mMass = 1.0f;
    body->mRestitution = 0.2f;
    body->mCollide = true;
    body->mRotation = false;
    body->mTransform->mRotation = 0.0f;
    body->mTransform->mScale = Vec3(1.0f, 1.0f, 0.0f);
    body->mTransform->UpdateMatrix();

    shape->mRotationOffset = shapeOfKind.mAngle;
    shape->HalfLength = shapeOfKind.mHalfLength;
    shape->Offset = shapeOfKind.mOffset;
    shape->SetRotationRadians(0.0f);
    shape->UpdateWorldSize();

    if (gPhysics)
        ListBody(gPhysics->mBodies, body, BodyListBit::All);
    mTileBodies.push_back(body);
    IndexTile(body);
}

void SpatialGrid::ReserveTiles(size_t count)
{
    mTileBodies.reserve(mTileBodies.size() + count);
    if (gPhysics)
        gPhysics->mBodies.reserve(gPhysics->mBodies.size() + count);
}

void SpatialGrid::RemoveTileAt(int x, int y)
{
    for (size_t i = 0; i < mTileBodies.size(); ++i)
    {
        Body* tile = mTileBodies[i];
        int tx = 0, ty = 0;
        if (!TruncateToInt(tile->mPosition.x, tx) || !TruncateToInt(tile->mPosition.y, ty) || tx != x || ty != y)
            continue;
        UnindexTile(tile);
        mTileBodies.erase(mTileBodies.begin() + static_cast<std::ptrdiff_t>(i));
        mTilePool.Destroy(tile);
        return;
    }
}

// ---- 6. Clear ---------------------------------------------------------------
void SpatialGrid::Clear()
{
    // Detached first, so a destructor never finds a half-emptied list.
    std::vector<Body*> tiles;
    tiles.swap(mTileBodies);
    std::fill(mTileIndex.begin(), mTileIndex.end(), nullptr);
    std::fill(mTileKinds.begin(), mTileKinds.end(), 0u);
    // Out of the physics lists in one pass each: one by one costs tiles x bodies.
    for (Body* tile : tiles)
        tile->mForgotten = true;
    if (gPhysics)
        gPhysics->ForgetFlaggedBodies();
    for (Body* tile : tiles)
        mTilePool.Destroy(tile);
}

// ---- 7. One cell's pairs ----------------------------------------------------
void SpatialGrid::PrefetchAhead(int column, int row) const
{
    // A cell's bodies, shapes and Transforms lie all over the heap and are
    // rarely still cached when the pass reaches them: ask for them a few cells
    // down the column, in stages, so each stage can read what the last fetched.
    if (InRange(column, row + PartsAhead))
        for (const Body* ahead : mCells[CellIndex(column, row + PartsAhead)])
        {
            const char* shape = reinterpret_cast<const char*>(ahead->mShape);
            for (int line = 0; line < 4; ++line)
                __builtin_prefetch(shape + line * 64);
            __builtin_prefetch(ahead->mTransform);
            __builtin_prefetch(reinterpret_cast<const char*>(ahead) + 64);
        }
    if (InRange(column, row + BodiesAhead))
    {
        const CellList& cell = mCells[CellIndex(column, row + BodiesAhead)];
        for (const Body* ahead : cell)
            __builtin_prefetch(ahead);
    }
    if (InRange(column, row + CellsAhead))
        __builtin_prefetch(&mCells[CellIndex(column, row + CellsAhead)]);
}

namespace
{
// What the cell pass reads of the first body of its candidate pairs: read once
// for all the partners it meets, and again after each pair test, whose
// messages may move or change it.
struct CandidateSide
{
    explicit CandidateSide(const Body* body) : mStatic(body->mStatic), mShaped(body->mShape != nullptr)
    {
        if (!mShaped)
            return;
        const BasicShape* shape = body->mShape;
        mX = body->mPosition.x + shape->Offset.x;
        mY = body->mPosition.y + shape->Offset.y;
        mRadius = shape->mBoundingRadius;
    }

    // Whether the pair test with b could have no effect: two static bodies, or
    // apart bounding circles, which end the pair test with no effect (the
    // game's filter only answers). Skipping the call saves most of the pass.
    bool Skips(const Body* b) const
    {
        if (mStatic && b->mStatic)
            return true;
        return mShaped && b->mShape && BoundingCirclesApart(mX, mY, mRadius, b);
    }

    bool mStatic;
    bool mShaped;
    float mX = 0.0f, mY = 0.0f; // the shape centre
    float mRadius = 0.0f;       // the shape's bounding radius
};
} // namespace

void SpatialGrid::CheckCell(int column, int row)
{
    if (!InRange(column, row))
        return;
    if (mPassActive && OnlyStaticAround(column, row))
        return;
    // Neighbours before the cell itself, each pair once: the cell of the later
    // body tests it. Sizes are re-read because message handlers may move bodies
    // (the grid itself is never resized during a pass).
    const uint32_t here = CellIndex(column, row);
    PrefetchAhead(column, row);
    uint32_t neighbours[4];
    int neighbourCount = 0;
    const int around[4][2] = {{column - 1, row - 1}, {column - 1, row}, {column, row - 1}, {column - 1, row + 1}};
    for (const auto& cell : around)
        if (InRange(cell[0], cell[1]))
            neighbours[neighbourCount++] = CellIndex(cell[0], cell[1]);
    for (size_t i = 0; i < mCells[here].size(); ++i)
    {
        Body* a = mCells[here][i];
        CandidateSide sideA(a);
        for (int n = 0; n < neighbourCount; ++n)
        {
            const CellList& other = mCells[neighbours[n]];
            for (size_t j = 0; j < other.size(); ++j)
                if (!sideA.Skips(other[j]))
                {
                    TestPair(a, other[j]);
                    sideA = CandidateSide(a);
                }
        }
        for (size_t j = i + 1; j < mCells[here].size(); ++j)
            if (!sideA.Skips(mCells[here][j]))
            {
                TestPair(a, mCells[here][j]);
                sideA = CandidateSide(a);
            }
    }
}
} // namespace Framework
