// Collects the benchmark's figures as they are reported and prints the ratios and targets.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// One benchmark's figure: the median over repetitions when there are any, else the one run.
struct Figure {
    double nanoseconds = 0;
    double newPerFrame = 0;
    double mallocPerFrame = 0;
    bool fromMedian = false;
};

// The console reporter, which also keeps every figure by benchmark name.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter() : ConsoleReporter(OO_Tabular) {}  // plain text: its output is kept in files
    void ReportRuns(const std::vector<Run>& runs) override;
    const std::map<std::string, Figure>& figures() const { return figures_; }

private:
    std::map<std::string, Figure> figures_;
};

// Prints each frame beside the bare one, the rules' share of each game frame, and a PASS or
// FAIL line per target. Returns the number of failed targets.
int printSummary(const std::map<std::string, Figure>& figures);
