#pragma once
// A console reporter that also keeps each benchmark's time, so that a summary
// can set every figure beside the baseline and against its goal.
#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace bench {

// A figure the program should reach, checked in the summary.
struct Goal {
    std::string benchmark;
    // Beside: no goal, only the ratio to the baseline named.
    enum class Kind { AtMostTimesBaseline, UnderMicroseconds, Beside } kind;
    double limit;
    // The figure this one is set beside; empty for the summary's baseline.
    std::string baseline = {};
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal.
    RatioReporter();

    void ReportRuns(const std::vector<Run>& runs) override;

    // Real time per iteration in nanoseconds, by benchmark name, in run order
    // (the median when the benchmarks are repeated).
    const std::vector<std::pair<std::string, double>>& times() const { return times_; }
    // True when a benchmark stopped with an error (a wrong count, a failed read).
    bool anyError() const { return anyError_; }

private:
    std::vector<std::pair<std::string, double>> times_;
    bool anyError_ = false;
};

// The table: name, time, baseline time, ratio, and the verdict of any goal.
// A row with a goal of its own baseline is set beside that one.
// Returns false when a goal is missed.
bool printSummary(std::ostream& out, const std::vector<std::pair<std::string, double>>& times,
                  const std::string& baseline, const std::vector<Goal>& goals);

} // namespace bench
