// bench_level_load: the engine's load of a generated level (tile map, objects,
// their components initialised, the session log written) against a raw
// tinyxml2 parse of the same object file, at 1,000 and 10,000 objects. Runs
// alternate between the two so both see the same load on a shared machine;
// the ratio printed is the median of the per-run ratios. Then the flush of the
// same levels (a level switch's clearing), which must grow linearly: 10,000
// objects within 10 x the time of 1,000.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <tinyxml2.h>
#include <vector>
#include "BenchEngine.h"

namespace
{
double Now()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double RawParseMs(const std::string& file)
{
    const double start = Now();
    tinyxml2::XMLDocument document;
    if (document.LoadFile(file.c_str()) != tinyxml2::XML_SUCCESS)
    {
        std::fprintf(stderr, "%s could not be parsed.\n", file.c_str());
        std::exit(1);
    }
    return Now() - start;
}
} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    Bench::BenchEngine engine;
    std::printf("Level load against a raw tinyxml2 parse of the same object file (generated level, 200 x 200\n"
                "tile map; a quarter each of transforms, sprites, boxes and balls); median of %d runs.\n\n",
                runs);
    std::printf("%8s | %10s %10s | %7s %7s %7s | %s\n", "objects", "load ms", "parse ms", "ratio", "min", "max",
                "goal");
    // "bench_level_load RUNS OBJECTS" measures one level only (for profiling).
    std::vector<int> sizes = {1000, 10000};
    if (argc > 2)
        sizes = {std::max(0, std::atoi(argv[2]))};
    std::vector<double> flushMs;
    bool met = true;
    for (int objects : sizes)
    {
        const std::string level = engine.MakeLevel(objects);
        const std::string file = engine.LevelFile(level, ".xml");
        // One load first: the files are in the page cache and the sheets are loaded.
        engine.LoadLevel(level);
        engine.FlushLevel();
        std::vector<double> loads, parses, ratios, flushes;
        for (int run = 0; run < runs; ++run)
        {
            const double parse = RawParseMs(file);
            const double start = Now();
            engine.LoadLevel(level);
            const double load = Now() - start;
            const double flushStart = Now();
            engine.FlushLevel();
            flushes.push_back(Now() - flushStart);
            loads.push_back(load);
            parses.push_back(parse);
            ratios.push_back(load / parse);
        }
        const double ratio = Median(ratios);
        std::printf("%8d | %10.2f %10.2f | %7.2f %7.2f %7.2f | <= 2 x %s\n", objects, Median(loads), Median(parses),
                    ratio, *std::min_element(ratios.begin(), ratios.end()),
                    *std::max_element(ratios.begin(), ratios.end()), ratio <= 2.0 ? "met" : "NOT met");
        std::fflush(stdout);
        met = met && ratio <= 2.0;
        flushMs.push_back(Median(flushes));
    }
    std::printf("\nFlushing the level (median):");
    for (size_t i = 0; i < sizes.size(); ++i)
        std::printf("  %d objects %.2f ms", sizes[i], flushMs[i]);
    if (sizes.size() == 2)
    {
        const double growth = flushMs[1] / std::max(flushMs[0], 1e-6);
        std::printf("\n  10 x the objects take %.1f x the time   goal <= 10 x: %s", growth,
                    growth <= 10.0 ? "met" : "NOT met");
        met = met && growth <= 10.0;
    }
    std::printf("\n");
    return met ? 0 : 1;
}
