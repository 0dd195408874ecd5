// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace yomiwa::bench {

// Declared at namespace scope in a bench_*.cpp file: after the run, the time of `measured`
// is reported as a multiple of `baseline`.
struct Ratio {
    Ratio(std::string measured, std::string baseline);
};

// Declared at namespace scope: runs once the application exists and before any benchmark,
// for benchmarks that need files or windows made first. What it returns is kept until the
// benchmarks have run, and goes before the application does.
struct SetUp {
    explicit SetUp(std::function<std::shared_ptr<void>()> run);
};

std::vector<std::pair<std::string, std::string>>& Ratios();
std::vector<std::function<std::shared_ptr<void>()>>& SetUps();

} // namespace yomiwa::bench
