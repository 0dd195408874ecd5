// SPDX-License-Identifier: GPL-3.0-or-later
// The one main() of every benchmark program.
#include "bench/BenchMain.h"
#include "bench/RatioReporter.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace yomiwa::bench {

std::vector<std::pair<std::string, std::string>>& Ratios() {
    static std::vector<std::pair<std::string, std::string>> ratios;
    return ratios;
}

std::vector<std::function<std::shared_ptr<void>()>>& SetUps() {
    static std::vector<std::function<std::shared_ptr<void>()>> setUps;
    return setUps;
}

Ratio::Ratio(std::string measured, std::string baseline) {
    Ratios().emplace_back(std::move(measured), std::move(baseline));
}

SetUp::SetUp(std::function<std::shared_ptr<void>()> run) {
    SetUps().push_back(std::move(run));
}

} // namespace yomiwa::bench

int main(int argc, char** argv) {
    // Windows are benched offscreen unless a display platform was chosen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::vector<std::shared_ptr<void>> kept;
    for (const auto& setUp : yomiwa::bench::SetUps())
        kept.push_back(setUp());
    if (std::find(kept.begin(), kept.end(), nullptr) != kept.end())
        return 1; // a set-up failed and said why
    yomiwa::bench::RatioReporter reporter(yomiwa::bench::Ratios());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
