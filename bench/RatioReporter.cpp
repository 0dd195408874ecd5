// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/RatioReporter.h"

#include <cstdio>

#include <unistd.h>

namespace yomiwa::bench {

RatioReporter::RatioReporter(std::vector<std::pair<std::string, std::string>> pairs)
    // Colours only on a terminal, as the library's own reporter does.
    : ConsoleReporter(isatty(fileno(stdout)) ? OO_ColorTabular : OO_Tabular)
    , m_pairs(std::move(pairs)) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Iteration && !run.error_occurred)
            m_times[run.run_name.args.empty() ? run.run_name.function_name
                                              : run.run_name.function_name + '/' +
                                                    run.run_name.args] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    for (const auto& [measured, baseline] : m_pairs) {
        const auto m = m_times.find(measured);
        const auto b = m_times.find(baseline);
        if (m == m_times.end() || b == m_times.end() || b->second <= 0)
            continue;
        std::printf("ratio %s / %s = %.2f\n", measured.c_str(), baseline.c_str(),
                    m->second / b->second);
    }
}

} // namespace yomiwa::bench
