#include "ratio_report.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace bench {
namespace {

std::string formatTime(double ns)
{
    char text[32];
    if (ns >= 1e6)
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    else if (ns >= 1e3)
        std::snprintf(text, sizeof text, "%.2f us", ns / 1e3);
    else
        std::snprintf(text, sizeof text, "%.0f ns", ns);
    return text;
}

std::string cell(const std::string& s, std::size_t width)
{
    return s.size() >= width ? s + " " : s + std::string(width - s.size(), ' ');
}

} // namespace

RatioReporter::RatioReporter() : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) {
            anyError_ = true;
            continue;
        }
        // With repetitions the median stands for the benchmark; otherwise its one run.
        bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type != Run::RT_Iteration && !median)
            continue;
        std::string name = run.run_name.str();
        double ns = run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        auto known = std::find_if(times_.begin(), times_.end(), [&](const auto& t) { return t.first == name; });
        if (known == times_.end())
            times_.emplace_back(name, ns);
        else if (median)
            known->second = ns;
    }
}

bool printSummary(std::ostream& out, const std::vector<std::pair<std::string, double>>& times,
                  const std::string& baseline, const std::vector<Goal>& goals)
{
    auto timeOf = [&](const std::string& name) -> const double* {
        auto found = std::find_if(times.begin(), times.end(), [&](const auto& t) { return t.first == name; });
        return found == times.end() || found->second <= 0 ? nullptr : &found->second;
    };
    bool allMet = true;
    out << "\n" << cell("benchmark", 22) << cell("time", 12) << cell("baseline", 16) << cell("ratio", 9) << "goal\n";
    for (const auto& timed : times) {
        // Plain variables, not a structured binding: clang 14 cannot capture a binding in a lambda.
        const std::string& name = timed.first;
        const double ns = timed.second;
        auto goal = std::find_if(goals.begin(), goals.end(), [&](const Goal& g) { return g.benchmark == name; });
        const std::string& baseName = goal != goals.end() && !goal->baseline.empty() ? goal->baseline : baseline;
        const double* base = timeOf(baseName);
        std::string baseText = "-", ratioText = "-", goalText;
        if (base) {
            char ratio[32];
            std::snprintf(ratio, sizeof ratio, "%.2fx", ns / *base);
            baseText = formatTime(*base) + (baseName == baseline ? "" : " *");
            ratioText = ratio;
        }
        if (goal != goals.end() && goal->kind != Goal::Kind::Beside) {
            bool met;
            char wanted[80];
            if (goal->kind == Goal::Kind::UnderMicroseconds) {
                met = ns < goal->limit * 1e3;
                std::snprintf(wanted, sizeof wanted, "under %.0f us", goal->limit);
            } else {
                met = base && ns <= goal->limit * *base;
                std::snprintf(wanted, sizeof wanted, "within %.1fx of %s", goal->limit, baseName.c_str());
            }
            goalText = std::string(wanted) + (met ? ": met" : ": MISSED");
            allMet = allMet && met;
        }
        out << cell(name, 22) << cell(formatTime(ns), 12) << cell(baseText, 16) << cell(ratioText, 9) << goalText
            << "\n";
    }
    out << "(* the row's own baseline, named in its goal)\n";
    return allMet;
}

} // namespace bench
