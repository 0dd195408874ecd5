// SPDX-License-Identifier: GPL-3.0-or-later
// The editor's list operations on a full collection, and saving it, as the user meets them:
// the handler and the event processing that follows it (list layout, repaint), offscreen.
#include "bench/BenchMain.h"
#include "bench/MaximalKushu.h"
#include "editor/F_sakusei.h"
#include "model/KushuFile.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

#include <memory>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

// Says Yes to every question and shows nothing.
class YesDialogs : public ui::Dialogs {
public:
    Answer MsgBox(QWidget*, const QString&, ui::MsgStyle style, const QString&, Answer) override {
        return style == ui::MsgStyle::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::optional<QColor> PickColour(QWidget*, const QColor&) override { return std::nullopt; }
    void ShowModal(QDialog*) override {}
};

struct Bench {
    explicit Bench(int kuCount) {
        state.AppFolder = dir.path() + u"/"_s;
        state.RefreshCollectionList = [this] {
            // What the reading window does: list the collection files again.
            benchmark::DoNotOptimize(QDir(state.AppFolder).entryList({u"*.Ywk"_s}, QDir::Files));
        };
        kushu = bench::MaximalKushu(kuCount);
        (void)WriteKushuFile(state.AppFolder, kushu);
    }
    editor::F_sakusei& Open() {
        window.reset();
        state.Editing = EditMode::Change;
        window = std::make_unique<editor::F_sakusei>(state, dialogs,
                                                     QString::fromUtf16(bench::MaximalKushuName));
        window->show();
        QCoreApplication::processEvents();
        return *window;
    }
    void Select(int row) {
        window->findChild<QListWidget*>(u"List1"_s)->setCurrentRow(row);
        window->findChild<QLineEdit*>(u"Text5"_s)->setText(u"新しい句"_s);
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir;
    SharedState state;
    YesDialogs dialogs;
    Kushu kushu;
    std::unique_ptr<editor::F_sakusei> window;
};

constexpr int Haiku = 29996;

// The collections the benchmarks work on, made on first use.
struct Collections {
    Bench& Shared() {
        if (!shared) {
            shared = std::make_unique<Bench>(Haiku);
            shared->Open();
        }
        return *shared;
    }
    Bench& Maximal() {
        if (!maximal)
            maximal = std::make_unique<Bench>(MaxKuCount);
        return *maximal;
    }
    std::unique_ptr<Bench> shared;
    std::unique_ptr<Bench> maximal;
};

void BM_AddAtRow(benchmark::State& s, Collections& c) {
    Bench& b = c.Shared();
    const int row = int(s.range(0));
    for (auto _ : s) {
        s.PauseTiming();
        b.Select(row);
        s.ResumeTiming();
        b.window->Command5_Click();
        QCoreApplication::processEvents();
        s.PauseTiming();
        b.window->Command3_Click(); // the new row is selected: take it out again
        QCoreApplication::processEvents();
        s.ResumeTiming();
    }
    if (b.window->Collection().KuCount() != Haiku)
        s.SkipWithError("the collection changed size");
}

void BM_DeleteAtRow(benchmark::State& s, Collections& c) {
    Bench& b = c.Shared();
    const int row = int(s.range(0));
    for (auto _ : s) {
        s.PauseTiming();
        b.Select(row);
        s.ResumeTiming();
        b.window->Command3_Click();
        QCoreApplication::processEvents();
        s.PauseTiming();
        b.Select(row - 1);
        b.window->Command5_Click(); // put a haiku back where it was
        QCoreApplication::processEvents();
        s.ResumeTiming();
    }
    if (b.window->Collection().KuCount() != Haiku)
        s.SkipWithError("the collection changed size");
}

void BM_MoveUpAtRow(benchmark::State& s, Collections& c) {
    Bench& b = c.Shared();
    const int row = int(s.range(0));
    for (auto _ : s) {
        s.PauseTiming();
        b.Select(row);
        s.ResumeTiming();
        b.window->Command1_Click();
        QCoreApplication::processEvents();
    }
}

// 保存して終了 on the largest collection, replacing its file, against the writer alone.
void BM_SaveAndLeave(benchmark::State& s, Collections& c) {
    Bench& b = c.Maximal();
    // One save before timing: both this and the writer alone start from a heap that has
    // already held a collection of this size.
    b.Open().Command4_Click();
    for (auto _ : s) {
        s.PauseTiming();
        b.Open();
        s.ResumeTiming();
        b.window->Command4_Click();
        QCoreApplication::processEvents();
        s.PauseTiming();
        if (b.window->isVisible())
            s.SkipWithError("the editor did not save and close");
        b.window.reset();
        s.ResumeTiming();
    }
}

// The same collection written straight from the editor's working copy, with an editor
// opened before each write as above, so that both start from the same memory state.
void BM_WriteKushuFileAlone(benchmark::State& s, Collections& c) {
    Bench& b = c.Maximal();
    b.Open();
    (void)WriteKushuFile(b.state.AppFolder, b.window->Collection());
    for (auto _ : s) {
        s.PauseTiming();
        b.Open();
        s.ResumeTiming();
        const Status written = WriteKushuFile(b.state.AppFolder, b.window->Collection());
        s.PauseTiming();
        if (!written.ok())
            s.SkipWithError("the write failed");
        b.window.reset();
        s.ResumeTiming();
    }
}

// Both in turn on one collection, so that a busy machine slows both alike: the ratio of
// 保存して終了 to the writer alone.
void BM_SaveOverWriteRatio(benchmark::State& s, Collections& c) {
    Bench& b = c.Maximal();
    using Clock = std::chrono::steady_clock;
    double save = 0;
    double write = 0;
    for (auto _ : s) {
        b.Open();
        Clock::time_point start = Clock::now();
        (void)WriteKushuFile(b.state.AppFolder, b.window->Collection());
        write += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        b.Open();
        start = Clock::now();
        b.window->Command4_Click();
        QCoreApplication::processEvents();
        save += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        b.window.reset();
    }
    s.counters["save_ms"] = save / double(s.iterations());
    s.counters["write_ms"] = write / double(s.iterations());
    s.counters["ratio"] = save / write;
}

void Options(benchmark::internal::Benchmark* bm) {
    bm->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true)->UseRealTime();
}

// The collections live until the benchmarks have run, so their windows close before the
// application does.
const bench::SetUp Registered([]() -> std::shared_ptr<void> {
    auto collections = std::make_shared<Collections>();
    auto add = [c = collections.get()](const char* name,
                                       void (*bench)(benchmark::State&, Collections&)) {
        return benchmark::RegisterBenchmark(name,
                                            [bench, c](benchmark::State& s) { bench(s, *c); });
    };
    add("BM_AddAtRow", BM_AddAtRow)->Arg(1)->Arg(Haiku)->Apply(Options);
    add("BM_DeleteAtRow", BM_DeleteAtRow)->Arg(1)->Arg(Haiku)->Apply(Options);
    add("BM_MoveUpAtRow", BM_MoveUpAtRow)->Arg(2)->Arg(15000)->Arg(Haiku)->Apply(Options);
    add("BM_SaveAndLeave", BM_SaveAndLeave)->Iterations(5)->Apply(Options);
    add("BM_WriteKushuFileAlone", BM_WriteKushuFileAlone)->Iterations(5)->Apply(Options);
    add("BM_SaveOverWriteRatio", BM_SaveOverWriteRatio)->Iterations(4)->Apply(Options);
    return collections;
});

} // namespace
