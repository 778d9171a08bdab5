// bench_physics: the same scene stepped by this engine's physics and by Box2D.
// Prints ms per step for each, the ratios, the deepest penetration over the
// last second and the bodies that left the container.
#include <cstdio>
#include <cstdlib>
#include <string>
#include "PhysicsBenchScene.h"

namespace
{
void PrintRow(const char* label, const Bench::Scene& scene)
{
    const Bench::Result ours = Bench::RunOurs(scene);
    const Bench::Result box83 = Bench::RunBox2D(scene, 8, 3);
    const Bench::Result box11 = Bench::RunBox2D(scene, 1, 1);
    std::printf("%-12s %6d %7d | %8.3f %8.3f %8.3f | %6.2f %6.2f | %6.3f %6.3f %6.3f | %4d %4d %4d\n", label,
                scene.mBodyCount, scene.TileCount(), ours.mMsPerStep, box83.mMsPerStep, box11.mMsPerStep,
                ours.mMsPerStep / box83.mMsPerStep, ours.mMsPerStep / box11.mMsPerStep, ours.mDeepestPenetration,
                box83.mDeepestPenetration, box11.mDeepestPenetration, ours.mEscaped, box83.mEscaped, box11.mEscaped);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv)
{
    // "bench_physics ours N [tiles]" steps only this engine's scene (for profiling).
    if ((argc == 3 || argc == 4) && std::string(argv[1]) == "ours")
    {
        const Bench::Result r =
            Bench::RunOurs(Bench::MakeScene(std::atoi(argv[2]), argc == 4 ? std::atoi(argv[3]) : 0));
        std::printf("%.3f ms/step\n", r.mMsPerStep);
        return 0;
    }
    std::printf("Scene: floor and walls, half circles r 0.5 and half 1x1 boxes of mass 1, gravity (0, -40),\n"
                "dt 1/60, %d steps, restitution 0.2; Box2D with friction 0, linear damping %.3f, no sleeping.\n\n",
                Bench::Scene::Steps, Bench::MatchingLinearDamping());
    std::printf("%-12s %6s %7s | %8s %8s %8s | %6s %6s | %6s %6s %6s | %4s %4s %4s\n", "scene", "bodies", "tiles",
                "ours ms", "b2d 8/3", "b2d 1/1", "/8-3", "/1-1", "pen", "pen8/3", "pen1/1", "esc", "e8/3", "e1/1");
    for (int n : {100, 500, 1000, 2000})
        PrintRow("bodies", Bench::MakeScene(n, 0));
    for (int tiles : {1000, 5000, 20000, 50000})
        PrintRow("tile level", Bench::MakeScene(500, tiles));
    return 0;
}
