// The reading window with a collection of the largest size: opening it through the
// "句集を開く" button against reading the file alone, and turning a page near the start
// against turning one in the middle.

#include "bench/BenchMain.h"
#include "bench/MaximalKushu.h"
#include "model/KushuFile.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"
#include "viewer/MainForm.h"

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

// Nothing is asked in these runs; a question would be answered No.
class SilentDialogs : public ui::Dialogs {
public:
    Answer MsgBox(QWidget*, const QString&, ui::MsgStyle, const QString&, Answer) override {
        return Answer::No;
    }
    std::optional<QColor> PickColour(QWidget*, const QColor&) override { return std::nullopt; }
    void ShowModal(QDialog* window) override { window->reject(); }
};

// A window started on the folder, shown offscreen, with the collection chosen in the list.
struct Reader {
    SharedState State;
    SilentDialogs Dialogs;
    viewer::MainForm Form{State, Dialogs};

    explicit Reader(const QString& folder) {
        Form.Form_Load(folder, viewer::MainForm::OtherInstance::None);
        Form.show();
        Form.findChild<QListWidget*>(u"List2"_s)->setCurrentRow(0);
        QApplication::processEvents();
    }
    QPushButton* Button(const QString& name) { return Form.findChild<QPushButton*>(name); }
};

void ReadFile(benchmark::State& state, const QString& path) {
    for (auto _ : state) {
        Result<Kushu> read = ReadKushuFile(path);
        benchmark::DoNotOptimize(read);
    }
}

// From the click to the first page on screen.
void OpenThroughButton(benchmark::State& state, const QString& folder) {
    for (auto _ : state) {
        state.PauseTiming();
        auto reader = std::make_unique<Reader>(folder);
        state.ResumeTiming();
        reader->Button(u"Command1"_s)->click();
        QApplication::processEvents();
        state.PauseTiming();
        if (reader->Form.findChild<QListWidget*>(u"List1"_s)->count() != MaxKuCount + 4)
            state.SkipWithError("the collection did not open");
        reader.reset();
        state.ResumeTiming();
    }
}

// "次のページ" from the given row, the page drawn.
void NextPage(benchmark::State& state, const QString& folder) {
    Reader reader(folder);
    reader.Button(u"Command1"_s)->click();
    auto* pages = reader.Form.findChild<QListWidget*>(u"List1"_s);
    QPushButton* next = reader.Button(u"Command4"_s);
    const int row = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        pages->setCurrentRow(row);
        QApplication::processEvents();
        state.ResumeTiming();
        next->click();
        QApplication::processEvents();
    }
    if (pages->currentRow() != row + 1)
        state.SkipWithError("the page did not turn");
}

// The maximal collection in a folder of its own, made once the application exists.
const bench::SetUp Files([]() -> std::shared_ptr<void> {
    auto dir = std::make_shared<QTemporaryDir>();
    const QString folder = dir->path() + u'/';
    const Status written = WriteKushuFile(folder, bench::MaximalKushu());
    if (!written.ok()) {
        qCritical("%s", qPrintable(written.error()));
        return nullptr;
    }
    const QString path = folder + QString::fromUtf16(bench::MaximalKushuName) + u".Ywk"_s;
    benchmark::RegisterBenchmark("ReadKushuFile/29997", ReadFile, path)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("OpenThroughCommand1/29997", OpenThroughButton, dir->path())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("NextPageAtRow", NextPage, dir->path())
        ->Arg(1)
        ->Arg(15000)
        ->Unit(benchmark::kMicrosecond);
    return dir;
});

} // namespace
