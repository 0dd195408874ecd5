// The resident memory a loaded maximal collection takes, in a process that holds nothing
// else: the peak while reading it and what stays while it is held. The time is that of one
// cold read, the first of the process, as a user opening the file meets it.
#include "FileNames.h"
#include "KushuFile.h"
#include "MaximalKushu.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

void BM_LoadedMaximalCollectionMemory(benchmark::State& state) {
    QTemporaryDir dir;
    const QString folder = dir.path() + u"/"_s;
    QString path;
    {
        const Kushu k = bench::MaximalKushu();
        if (!WriteKushuFile(folder, k).ok()) {
            state.SkipWithError("the maximal collection could not be written");
            return;
        }
        path = folder + KushuFileName(k.Title, k.Edition);
    }
    // Give back what building the collection took, so that only the read is measured.
    malloc_trim(0);
    double peak = 0;
    double held = 0;
    for (auto _ : state) {
        const bench::Memory before = bench::ProcessMemory();
        if (!bench::ResetPeakRss()) {
            state.SkipWithError("the peak memory cannot be reset here");
            return;
        }
        const KushuReadResult read = ReadKushuFile(path);
        const bench::Memory after = bench::ProcessMemory();
        if (!read.ok()) {
            state.SkipWithError("the maximal collection did not read back");
            return;
        }
        peak = double(after.PeakRss - before.Rss);
        held = double(after.Rss - before.Rss);
        benchmark::DoNotOptimize(read);
    }
    const double mib = 1024.0 * 1024.0;
    state.counters["peak_MiB"] = peak / mib;
    state.counters["held_MiB"] = held / mib;
    state.counters["process_peak_MiB"] = double(bench::ProcessMemory().PeakRss) / mib;
}

// One read per measurement: the memory, not the time, is what this measures.
BENCHMARK(BM_LoadedMaximalCollectionMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
