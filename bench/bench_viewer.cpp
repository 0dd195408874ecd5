// SPDX-License-Identifier: GPL-3.0-or-later
// The reading window with a collection of the largest size: opening it through the
// "句集を開く" button against reading the file alone, and turning a page near the start
// against turning one in the middle; a page turn in the tanzaku full screen.

#include "bench/BenchMain.h"
#include "bench/MaximalKushu.h"
#include "model/KushuFile.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"
#include "viewer/MainForm.h"
#include "viewer/ReadingScreen.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
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

// Between two pages of a verse of 60 characters with five readings in each 12 (the special
// pages are left out, being empty), full screen at 2560×1440: the window's page change and the
// strip drawn.
void FullScreenTurn(benchmark::State& state, const QString& folder) {
    Reader reader(folder);
    reader.Button(u"Command1"_s)->click();
    auto* pages = reader.Form.findChild<QListWidget*>(u"List1"_s);
    pages->setCurrentRow(0);
    reader.Form.ReadingMode_Click();
    viewer::ReadingScreen* screen = reader.Form.ShownReadingScreen();
    screen->showNormal();
    screen->resize(2560, 1440);
    QImage image(screen->size(), QImage::Format_ARGB32_Premultiplied);
    int row = 0;
    for (auto _ : state) {
        row = 1 - row;
        pages->setCurrentRow(row);
        screen->render(&image);
    }
    if (screen->Row() != row)
        state.SkipWithError("the full screen did not turn");
}

Kushu RubyVerses() {
    const QString twelve =
        u"古池《ふるいけ》や蛙《かわず》飛《と》びこむ水《みず》の音《おと》。"_s;
    Kushu k;
    k.Title = u"読書"_s;
    k.Author = u"芭蕉"_s;
    k.Edition = u"一"_s;
    k.Entries = QList<KuEntry>(2 + 4);
    for (int i = 0; i < k.Entries.size(); ++i) {
        KuEntry& e = k.Entries[i];
        e.Colours = viewer::MainForm::DesignColours();
        if (KindOfIndex(i, k.KuCount()) != EntryKind::Ku)
            continue;
        e.Preface = u"深川にて"_s;
        e.Verse = twelve.repeated(5);
        e.Postscript = u"貞享三年"_s;
    }
    return k;
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
    auto rubyDir = std::make_shared<QTemporaryDir>();
    if (!WriteKushuFile(rubyDir->path() + u'/', RubyVerses()).ok())
        return nullptr;
    benchmark::RegisterBenchmark("FullScreenTurn/2560x1440", FullScreenTurn, rubyDir->path())
        ->Unit(benchmark::kMillisecond);
    return std::make_shared<std::pair<decltype(dir), decltype(rubyDir)>>(dir, rubyDir);
});

} // namespace
