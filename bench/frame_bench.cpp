// Times the game's frame against the bare GL frame and the floor drawing, the rules alone and
// the heap allocations per frame; with --count=KIND it runs frames of one kind for callgrind.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/alloc_count.h"
#include "bench/frames.h"
#include "bench/summary.h"

namespace {

constexpr int kWarmUpFrames = 30;  // llvmpipe compiles its shader variants in the first frames

struct Kind {
    const char* name;
    void (*run)();
    Fill fill;
};

// Every measured kind of frame; the benchmark names are "frame/NAME" and "rules/NAME".
constexpr Kind kFrameKinds[] = {
    {"bare", bareFrame, Fill::empty},           {"floor_draw", floorFrame, Fill::empty},
    {"game_empty", gameFrame, Fill::empty},     {"game_half", gameFrame, Fill::half},
    {"game_steady", gameFrame, Fill::steady},   {"game_full", gameFrame, Fill::full},
};
constexpr Kind kRulesKinds[] = {
    {"frame_empty", rulesFrame, Fill::empty},   {"frame_half", rulesFrame, Fill::half},
    {"frame_steady", rulesFrame, Fill::steady}, {"frame_full", rulesFrame, Fill::full},
    {"refill", refillOnly, Fill::full},         {"hard_drop", hardDropFromSpawn, Fill::empty},
    {"drop_restore", restoreDropStart, Fill::empty},
};

void measureKind(benchmark::State& state, const Kind& kind) {
    prepareGame(kind.fill);
    for (int i = 0; i < kWarmUpFrames; ++i) kind.run();
    const AllocCounts before = allocCounts();
    for (auto _ : state) kind.run();
    const AllocCounts after = allocCounts();
    using benchmark::Counter;
    state.counters["new_per_frame"] =
        Counter(static_cast<double>(after.cppNew - before.cppNew), Counter::kAvgIterations);
    state.counters["malloc_per_frame"] =
        Counter(static_cast<double>(after.cMalloc - before.cMalloc), Counter::kAvgIterations);
    state.counters["cells"] = settledCells(kind.fill);
}

void registerAll() {
    for (const Kind& kind : kFrameKinds) {
        benchmark::RegisterBenchmark((std::string("frame/") + kind.name).c_str(), measureKind, kind)
            ->UseRealTime()
            ->MeasureProcessCPUTime();
    }
    for (const Kind& kind : kRulesKinds) {
        benchmark::RegisterBenchmark((std::string("rules/") + kind.name).c_str(), measureKind, kind);
    }
}

// The frames that callgrind counts: one instantiation per kind of a run, so that each kind's
// instructions show as the inclusive cost of its own function.
template <int Slot>
__attribute__((noinline)) void measuredFrames(void (*frame)(), int frames) {
    for (int i = 0; i < frames; ++i) frame();
}
using FrameLoop = void (*)(void (*)(), int);
constexpr FrameLoop kFrameLoops[] = {measuredFrames<0>, measuredFrames<1>, measuredFrames<2>,
                                     measuredFrames<3>, measuredFrames<4>, measuredFrames<5>,
                                     measuredFrames<6>, measuredFrames<7>, measuredFrames<8>,
                                     measuredFrames<9>};
constexpr int kMostCountedKinds = sizeof kFrameLoops / sizeof kFrameLoops[0];

const Kind* findKind(const std::string& name) {
    for (const Kind& kind : kFrameKinds) {
        if (std::string("frame/") + kind.name == name) return &kind;
    }
    for (const Kind& kind : kRulesKinds) {
        if (std::string("rules/") + kind.name == name) return &kind;
    }
    return nullptr;
}

// N frames of one kind after the warm-up, and the heap calls they made.
void countKind(const std::string& name, int slot, int frames) {
    const Kind* kind = findKind(name);
    prepareGame(kind->fill);
    for (int i = 0; i < kWarmUpFrames; ++i) kind->run();
    const AllocCounts before = allocCounts();
    kFrameLoops[slot](kind->run, frames);
    const AllocCounts after = allocCounts();
    std::printf("count %d %s frames=%d new=%llu malloc=%llu\n", slot, name.c_str(), frames,
                static_cast<unsigned long long>(after.cppNew - before.cppNew),
                static_cast<unsigned long long>(after.cMalloc - before.cMalloc));
    std::fflush(stdout);
}

// --count=KIND[,KIND...] --frames=N: runs the kinds in order for callgrind, which collects
// inside measuredFrames only; the n-th kind is counted in measuredFrames<n>.
int countFrames(const std::string& kinds, int frames) {
    std::size_t start = 0;
    for (int slot = 0; start <= kinds.size() && slot < kMostCountedKinds; ++slot) {
        const std::size_t end = std::min(kinds.find(',', start), kinds.size());
        const std::string name = kinds.substr(start, end - start);
        if (findKind(name) == nullptr) {
            std::fprintf(stderr, "frame_bench: unknown kind %s\n", name.c_str());
            return 2;
        }
        countKind(name, slot, frames);
        start = end + 1;
    }
    return 0;
}

const char* optionValue(int argc, char** argv, const char* prefix) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) {
            return argv[i] + std::strlen(prefix);
        }
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    openBenchWindow(argc, argv);
    if (const char* kind = optionValue(argc, argv, "--count=")) {
        const char* frames = optionValue(argc, argv, "--frames=");
        return countFrames(kind, frames != nullptr ? std::atoi(frames) : 100);
    }
    benchmark::Initialize(&argc, argv);
    registerAll();
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return printSummary(reporter.figures()) == 0 ? 0 : 1;
}
