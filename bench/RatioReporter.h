// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace yomiwa::bench {

// The console report, followed by the time of each measured benchmark as a multiple of its
// baseline from the same run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Pairs of (measured, baseline) benchmark names; a benchmark with arguments is named
    // with them ("BM_Paint/2").
    explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    std::vector<std::pair<std::string, std::string>> m_pairs;
    std::map<std::string, double> m_times;
};

} // namespace yomiwa::bench
