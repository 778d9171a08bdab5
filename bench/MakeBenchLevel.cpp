// make_bench_level: writes the benchmarks' generated level to a path of one's
// choosing, to open it in the editor or profile a load by hand.
//   make_bench_level <path without extension> [objects] [tile side]
#include <cstdio>
#include <cstdlib>
#include "BenchLevel.h"

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: make_bench_level <path without extension> [objects=1000] [tile side=200]\n");
        return 2;
    }
    Bench::BenchLevelSize size;
    if (argc > 2)
        size.mObjects = std::atoi(argv[2]);
    if (argc > 3)
        size.mTileSide = std::atoi(argv[3]);
    if (size.mObjects < 0 || size.mTileSide < 20 || size.mTileSide > 4096)
    {
        std::fprintf(stderr, "objects must be 0 or more and the tile side 20 to 4096\n");
        return 2;
    }
    if (!Bench::WriteBenchLevel(argv[1], size))
    {
        std::fprintf(stderr, "%s.xml or %s.dat could not be written\n", argv[1], argv[1]);
        return 1;
    }
    std::printf("wrote %s.xml and %s.dat: %d objects, %d x %d tiles\n", argv[1], argv[1], size.mObjects, size.mTileSide,
                size.mTileSide);
    return 0;
}
