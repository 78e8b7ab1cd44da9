// Collects the benchmark's figures as they are reported and prints the ratios and targets.
#include "bench/summary.h"

#include <cstdio>

#include "bench/frames.h"

namespace {

constexpr double kRulesShareTarget = 0.01;  // the rules may cost under 1 % of a full frame

double counter(const benchmark::BenchmarkReporter::Run& run, const char* name) {
    const auto found = run.counters.find(name);
    return found == run.counters.end() ? 0 : found->second.value;
}

double nanosOf(const std::map<std::string, Figure>& figures, const std::string& name) {
    const auto found = figures.find(name);
    return found == figures.end() ? 0 : found->second.nanoseconds;
}

double mallocOf(const std::map<std::string, Figure>& figures, const std::string& name) {
    const auto found = figures.find(name);
    return found == figures.end() ? 0 : found->second.mallocPerFrame;
}

int check(bool passed, const char* what) {
    std::printf("%s  %s\n", passed ? "PASS" : "FAIL", what);
    return passed ? 0 : 1;
}

void printFrames(const std::map<std::string, Figure>& figures, double bare) {
    std::printf("\n%-22s %12s %10s %12s %14s\n", "frame", "ns/frame", "x bare", "new/frame",
                "malloc/frame");
    for (const auto& [name, figure] : figures) {
        if (name.rfind("frame/", 0) != 0) continue;
        std::printf("%-22s %12.0f %10.2f %12.2f %14.2f\n", name.c_str(), figure.nanoseconds,
                    bare > 0 ? figure.nanoseconds / bare : 0, figure.newPerFrame,
                    figure.mallocPerFrame);
    }
}

}  // namespace

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median) continue;
        Figure& figure = figures_[run.run_name.function_name];
        if (figure.fromMedian && !median) continue;
        figure = {run.GetAdjustedRealTime(), counter(run, "new_per_frame"),
                  counter(run, "malloc_per_frame"), median};
    }
    ConsoleReporter::ReportRuns(runs);
}

int printSummary(const std::map<std::string, Figure>& figures) {
    const double bare = nanosOf(figures, "frame/bare");
    printFrames(figures, bare);
    const double floorDraw = nanosOf(figures, "frame/floor_draw");
    std::printf("\n%-8s %14s %14s %12s %12s\n", "field", "game ns/frame", "rules ns/frame",
                "rules share", "x floor_draw");
    int failed = 0;
    for (Fill fill : kAllFills) {
        const std::string name = fillName(fill);
        const double frame = nanosOf(figures, "frame/game_" + name);
        const double rules = nanosOf(figures, "rules/frame_" + name);
        const double share = frame > 0 ? rules / frame : 1;
        std::printf("%-8s %14.0f %14.1f %11.3f%% %12.3f\n", name.c_str(), frame, rules,
                    100 * share, floorDraw > 0 ? frame / floorDraw : 0);
    }
    const double drop = nanosOf(figures, "rules/hard_drop");
    const double restore = nanosOf(figures, "rules/drop_restore");
    std::printf("\nhard drop from spawn: %.1f ns (%.1f ns with the restore of its start)\n",
                drop - restore, drop);
    std::printf("refill after a full-field frame: %.1f ns\n\n",
                nanosOf(figures, "rules/refill"));

    const double fullRules = nanosOf(figures, "rules/frame_full");
    const double fullFrame = nanosOf(figures, "frame/game_full");
    failed += check(fullRules > 0 && fullFrame > 0 && fullRules / fullFrame < kRulesShareTarget,
                    "rules' share of a full-field frame < 1 % (fails when either is not run)");
    double newPerFrame = 0;
    double rulesMalloc = 0;
    for (const auto& [name, figure] : figures) {
        if (name.rfind("frame/game_", 0) != 0 && name.rfind("rules/frame_", 0) != 0) continue;
        newPerFrame += figure.newPerFrame;
        if (name.rfind("rules/", 0) == 0) rulesMalloc += figure.mallocPerFrame;
    }
    failed += check(newPerFrame == 0, "zero operator new calls per game frame and rules frame");
    failed += check(rulesMalloc == 0, "zero malloc calls per rules frame");
    // Mesa itself allocates for the prescribed calls, so a drawn frame is held against the
    // floor program's frame, which makes the same calls and nothing else.
    const double gameMalloc = mallocOf(figures, "frame/game_full");
    const double floorMalloc = mallocOf(figures, "frame/floor_draw");
    std::printf("malloc per frame: full-field game %.2f, floor drawing %.2f, bare %.2f\n",
                gameMalloc, floorMalloc, mallocOf(figures, "frame/bare"));
    failed += check(gameMalloc <= floorMalloc + 0.5,
                    "a full-field game frame allocates no more than the floor drawing");
    return failed;
}
