// Float-to-cell conversions of the broad phase and the tile probes, range-checked
// so that a NaN or a far-away position never becomes an undefined int.
#pragma once
#include <cmath>
#include <cstdint>

namespace Framework
{
// A value that truncates into int's range safely; anything beyond this is "no cell".
constexpr float LargestCellCoordinate = 1.0e9f;

// Truncates toward zero; false for NaN, infinities and values out of range.
inline bool TruncateToInt(float value, int& out)
{
    if (!(value > -LargestCellCoordinate && value < LargestCellCoordinate))
        return false;
    out = static_cast<int>(value);
    return true;
}

// floor() then the same range check: the probes' integer points. Worked out
// from the truncation, without a call to the library's floor: a float in the
// range with a fraction truncates to an int that a float holds exactly, and a
// float beyond 2^23 has no fraction, so floor() moves no value into or out of it.
inline bool FloorToInt(float value, int& out)
{
    if (!TruncateToInt(value, out))
        return false;
    if (static_cast<float>(out) > value)
        --out;
    return true;
}
inline bool CeilToInt(float value, int& out)
{
    if (!TruncateToInt(value, out))
        return false;
    if (static_cast<float>(out) < value)
        ++out;
    return true;
}

// The cell of a point in a grid of columns x rows cells of cellWidth x cellHeight.
// Positions in (-cell, 0) truncate to 0 and so fall into the first column or row.
inline bool CellOfPoint(float x, float y, float cellWidth, float cellHeight, int columns, int rows, int& column,
                        int& row)
{
    if (!TruncateToInt(x / cellWidth, column) || !TruncateToInt(y / cellHeight, row))
        return false;
    return column >= 0 && column < columns && row >= 0 && row < rows;
}

// How many extra cells a body of size (spread) reaches on each side: ceil(size / cell) / 2.
inline int SpreadArm(float size, float cell)
{
    if (!(size > cell))
        return 0;
    int cells = 0;
    if (!CeilToInt(size / cell, cells))
        return 0;
    return cells / 2;
}

// Key of an integer point for the tile index.
inline uint64_t PointKey(int x, int y)
{
    return (static_cast<uint64_t>(static_cast<uint32_t>(x)) << 32) | static_cast<uint32_t>(y);
}
} // namespace Framework
