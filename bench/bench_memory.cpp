// SPDX-License-Identifier: GPL-3.0-or-later
// The resident memory a loaded maximal collection takes, in a process that holds nothing
// else: the peak while reading it and what stays while it is held. The time is that of one
// cold read, the first of the process, as a user opening the file meets it.
// And the memory the reading window's print preview takes on top of the open collection,
// every page chosen on tanzaku sheets, with the sheets it shows.
#include "bench/MaximalKushu.h"
#include "model/FileNames.h"
#include "model/KushuFile.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"
#include "viewer/MainForm.h"

#include <QApplication>
#include <QListWidget>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

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
        const Result<Kushu> read = ReadKushuFile(path);
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

// The program's own preview dialog; the questions before it are answered from a list.
class PreviewDialogs : public ui::QtDialogs {
public:
    QList<int> Choices;
    int Choose(QWidget*, const QString&, const QString&, const QStringList&) override {
        return Choices.isEmpty() ? -1 : Choices.takeFirst();
    }
};

void BM_PrintPreviewMemory(benchmark::State& state) {
    QTemporaryDir dir;
    if (!WriteKushuFile(dir.path() + u'/', bench::MaximalKushu(int(state.range(0)))).ok()) {
        state.SkipWithError("the collection could not be written");
        return;
    }
    SharedState shared;
    PreviewDialogs dialogs;
    viewer::MainForm form(shared, dialogs);
    form.Form_Load(dir.path(), viewer::MainForm::OtherInstance::None);
    form.show();
    form.findChild<QListWidget*>(u"List2"_s)->setCurrentRow(0);
    form.findChild<QPushButton*>(u"Command1"_s)->click();
    QApplication::processEvents();
    malloc_trim(0);
    double peak = 0;
    int sheets = 0;
    for (auto _ : state) {
        dialogs.Choices = {1, 0}; // every page, on tanzaku sheets
        const bench::Memory before = bench::ProcessMemory();
        if (!bench::ResetPeakRss()) {
            state.SkipWithError("the peak memory cannot be reset here");
            return;
        }
        // Runs once the preview shows, its pages drawn.
        QTimer::singleShot(0, [&sheets] {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
            if (preview) {
                sheets = preview->findChild<QPrintPreviewWidget*>()->pageCount();
                preview->reject();
            }
        });
        form.Print_Click();
        peak = double(bench::ProcessMemory().PeakRss - before.Rss);
    }
    if (sheets == 0)
        state.SkipWithError("no preview showed");
    state.counters["pages"] = double(form.findChild<QListWidget*>(u"List1"_s)->count());
    state.counters["sheets_shown"] = sheets;
    state.counters["peak_over_window_MiB"] = peak / (1024.0 * 1024.0);
}

BENCHMARK(BM_PrintPreviewMemory)->Arg(MaxKuCount)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
