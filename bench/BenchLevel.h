// The generated level the load and frame benchmarks run on: a tile map of
// side x side cells (a floor, walls and a platform every tenth row) and a given
// number of objects, a quarter each of plain transforms, sprites, boxes and
// balls (boxes and balls with bodies, resting in rows on the platforms).
#pragma once
#include <string>

namespace Bench
{
struct BenchLevelSize
{
    int mObjects = 1000;
    int mTileSide = 200;
};

// Writes path + ".xml" and path + ".dat" in the engine's level formats; false
// when either cannot be written. The same size always gives the same bytes.
bool WriteBenchLevel(const std::string& path, const BenchLevelSize& size);
} // namespace Bench
