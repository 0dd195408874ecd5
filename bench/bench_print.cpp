// SPDX-License-Identifier: GPL-3.0-or-later
// The PDF of a maximal collection, every page on a tanzaku sheet, written as yomiwa-tool
// render writes it: pages per second, and the memory the writing takes on top of the
// collection held in memory. A tenth of the collection is measured too: when the pages are
// drawn one by one and forgotten, the peak grows far slower than the page count.
#include "bench/MaximalKushu.h"
#include "model/PageList.h"
#include "print/ExportFiles.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

void BM_PdfOfCollection(benchmark::State& state, print::SheetLayout layout) {
    const Kushu kushu = bench::MaximalKushu(int(state.range(0)));
    const QStringList rows = PageRows(kushu);
    print::PrintJob job{{}, layout, false};
    for (int row = 0; row < rows.size(); ++row)
        job.Pages.append(row);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kushu.pdf"_s);
    malloc_trim(0);
    double peak = 0;
    for (auto _ : state) {
        const bench::Memory before = bench::ProcessMemory();
        if (!bench::ResetPeakRss()) {
            state.SkipWithError("the peak memory cannot be reset here");
            return;
        }
        if (!print::WritePdf(path, kushu, rows, job).ok()) {
            state.SkipWithError("the PDF could not be written");
            return;
        }
        peak = double(bench::ProcessMemory().PeakRss - before.Rss);
    }
    const double mib = 1024.0 * 1024.0;
    state.counters["pages"] = double(rows.size());
    state.counters["pages_per_s"] = benchmark::Counter(
        double(rows.size()) * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["peak_over_collection_MiB"] = peak / mib;
    state.counters["process_peak_MiB"] = double(bench::ProcessMemory().PeakRss) / mib;
    state.counters["pdf_MiB"] = double(QFileInfo(path).size()) / mib;
}

BENCHMARK_CAPTURE(BM_PdfOfCollection, tanzaku, print::SheetLayout::Tanzaku)
    ->Arg(3000)
    ->Arg(MaxKuCount)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(BM_PdfOfCollection, b4, print::SheetLayout::B4)
    ->Arg(MaxKuCount)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

} // namespace
