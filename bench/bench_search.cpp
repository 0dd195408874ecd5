// SPDX-License-Identifier: GPL-3.0-or-later
// A search over every collection of a folder as each keystroke in a search field runs one:
// ten collections of 29 997 haiku with readers' comments, the index built once before (the
// files unchanged, each search still looks whether they are). And the memory the index
// holds against the size of the files it was built from.
#include "bench/BenchMain.h"
#include "bench/MaximalKushu.h"
#include "model/FileNames.h"
#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "search/SearchIndex.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Collections = 10;
// As many hits as a result list shows at once.
constexpr qsizetype Shown = 1000;

struct Shelf {
    QTemporaryDir Dir;
    QString Folder = Dir.path() + u'/';
    qint64 FileBytes = 0;
    search::SearchIndex Index{Folder};
    search::OpenComments Open;
    double HeldBytes = 0, PeakBytes = 0, BuildSeconds = 0;
};
Shelf* TheShelf = nullptr;

bool Fill(Shelf& shelf) {
    Kushu k = bench::MaximalKushu();
    QStringList comments(k.Entries.size());
    for (int i = 0; i < comments.size(); i += 10)
        comments[i] = u"この句の季語は何だろう。%1回読み返した。"_s.arg(i);
    for (int n = 1; n <= Collections; ++n) {
        k.Title = u"奥の細道%1"_s.arg(n);
        if (!WriteKushuFile(shelf.Folder, k).ok() ||
            !WriteKansoFile(shelf.Folder, KansoFileName(k.Title, u"第一版"_s), comments).ok())
            return false;
    }
    shelf.Open = {shelf.Folder + KushuFileName(k.Title, k.Edition), comments};
    shelf.Open.Comments[1] = u"まだ書き終えていない感想"_s;
    for (const QFileInfo& file : QDir(shelf.Folder).entryInfoList(QDir::Files))
        shelf.FileBytes += file.size();
    return true;
}

const bench::SetUp MakeShelf([]() -> std::shared_ptr<void> {
    auto shelf = std::make_shared<Shelf>();
    if (!Fill(*shelf)) {
        std::fprintf(stderr, "the collections could not be written\n");
        return nullptr;
    }
    malloc_trim(0);
    const bench::Memory before = bench::ProcessMemory();
    bench::ResetPeakRss();
    QElapsedTimer timer;
    timer.start();
    const search::SearchResult first = shelf->Index.Search(u"古池"_s);
    shelf->BuildSeconds = double(timer.nsecsElapsed()) / 1e9;
    malloc_trim(0);
    const bench::Memory after = bench::ProcessMemory();
    shelf->HeldBytes = double(after.Rss - before.Rss);
    shelf->PeakBytes = double(after.PeakRss - before.Rss);
    if (first.Hits.isEmpty() || !first.Skipped.isEmpty()) {
        std::fprintf(stderr, "the collections did not read back\n");
        return nullptr;
    }
    TheShelf = shelf.get();
    return shelf;
});

void BM_IndexMemory(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(TheShelf->Index.Bytes());
    const double mib = 1024.0 * 1024.0;
    state.counters["files_MiB"] = double(TheShelf->FileBytes) / mib;
    state.counters["index_MiB"] = double(TheShelf->Index.Bytes()) / mib;
    state.counters["resident_MiB"] = TheShelf->HeldBytes / mib;
    state.counters["resident_per_file_byte"] = TheShelf->HeldBytes / double(TheShelf->FileBytes);
    state.counters["peak_while_building_MiB"] = TheShelf->PeakBytes / mib;
    state.counters["build_s"] = TheShelf->BuildSeconds;
}
BENCHMARK(BM_IndexMemory)->Iterations(1);

void BM_Search(benchmark::State& state, const QString& query, qsizetype limit, bool open) {
    qsizetype hits = 0;
    bool complete = true;
    for (auto _ : state) {
        const search::SearchResult result =
            TheShelf->Index.Search(query, open ? &TheShelf->Open : nullptr, limit);
        hits = result.Hits.size();
        complete = result.Complete;
    }
    state.counters["hits"] = double(hits);
    state.counters["all_hits"] = complete;
}
// Nothing found: the whole text looked through.
BENCHMARK_CAPTURE(BM_Search, no_hit, u"ほととぎす"_s, Shown, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, kanji_word_shown, u"纊髙﨑"_s, Shown, false)
    ->Unit(benchmark::kMillisecond);
// ｱｲｳｴｵ in the texts: half-width katakana.
BENCHMARK_CAPTURE(BM_Search, kana_word_shown, u"あいうえお"_s, Shown, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, word_shown, u"蝉の声"_s, Shown, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Search, one_kana_shown, u"の"_s, Shown, false)->Unit(benchmark::kMillisecond);
// The open collection's comments given as the window holds them.
BENCHMARK_CAPTURE(BM_Search, comment_open, u"書き終えて"_s, Shown, true)
    ->Unit(benchmark::kMillisecond);
// Every hit, as yomiwa-tool prints them.
BENCHMARK_CAPTURE(BM_Search, word_all, u"蝉の声"_s, -1, false)->Unit(benchmark::kMillisecond);

} // namespace
