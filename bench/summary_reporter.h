// Turns the benchmark runs into the one table scripts/bench prints and the
// same figures as JSON. Every figure is the median over a benchmark's
// repetitions, with the spread between its lowest and highest repetition.
#pragma once

#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

class SummaryReporter : public benchmark::BenchmarkReporter {
public:
    explicit SummaryReporter(std::string jsonPath) : jsonPath(std::move(jsonPath)) {}

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // True when a benchmark could not run (missing assets, no display, ...).
    bool anyFailed() const { return failed; }

private:
    struct Samples {
        std::map<std::string, std::vector<double>> counters;
        std::string label;
        std::string error;
    };
    std::string jsonPath;
    std::map<std::string, Samples> results;
    std::vector<std::string> order;
    bool failed = false;
};
