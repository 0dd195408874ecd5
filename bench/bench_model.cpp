// SPDX-License-Identifier: GPL-3.0-or-later
// The collection file's reader and writer against the work no reader or writer can avoid:
// decoding (or encoding) the whole file in one call, and reading (or saving) its bytes.
#include "bench/BenchMain.h"
#include "bench/MaximalKushu.h"
#include "model/FileNames.h"
#include "model/KushuFile.h"
#include "tools/ToolCommands.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

// Made once for the whole run: the collection in memory and its file on disk.
struct Setup {
    QTemporaryDir Dir;
    QString Folder;
    QString Path;
    Kushu Collection;
    QString FileText; // the file decoded, for the write baseline

    Setup()
        : Folder(Dir.path() + u"/"_s)
        , Collection(bench::MaximalKushu()) {
        const Status written = WriteKushuFile(Folder, Collection);
        if (!written.ok()) {
            std::fprintf(stderr, "%s\n", written.error().toUtf8().constData());
            std::abort();
        }
        Path = Folder + KushuFileName(Collection.Title, Collection.Edition);
        FileText = DecodeWholeFile(Path);
        // The first reads of a process take fresh pages from the system, the reader's and
        // the baseline's alike; a user's first read is measured like that by bench_memory.
        // Here both sides are compared warm, so that one cold iteration does not decide.
        for (int i = 0; i < 2; ++i) {
            benchmark::DoNotOptimize(ReadKushuFile(Path));
            benchmark::DoNotOptimize(DecodeWholeFile(Path));
        }
    }

    // The baseline of a read: the file's bytes decoded in one call.
    static QString DecodeWholeFile(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QStringDecoder decoder("windows-31j", QStringConverter::Flag::Stateless);
        return decoder.decode(file.readAll());
    }
};

Setup& Shared() {
    static Setup setup;
    return setup;
}

void BM_ReadKushuFile(benchmark::State& state) {
    const Setup& s = Shared();
    for (auto _ : state) {
        Result<Kushu> read = ReadKushuFile(s.Path);
        if (!read.ok() || read.value().KuCount() != MaxKuCount)
            state.SkipWithError("the maximal collection did not read back");
        benchmark::DoNotOptimize(read);
    }
    state.SetBytesProcessed(state.iterations() * QFile(s.Path).size());
}

void BM_ReadBaseline(benchmark::State& state) {
    const Setup& s = Shared();
    for (auto _ : state) {
        QString text = Setup::DecodeWholeFile(s.Path);
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(state.iterations() * QFile(s.Path).size());
}

// yomiwa-tool dump into its output buffer: the file read and written out as JSON.
void BM_Dump(benchmark::State& state) {
    const Setup& s = Shared();
    const QStringList arguments{u"dump"_s, s.Path};
    for (auto _ : state) {
        const Result<tool::ToolOutput> result = tool::RunTool(arguments);
        if (!result.ok()) {
            state.SkipWithError("the maximal collection did not dump");
            break;
        }
        benchmark::DoNotOptimize(result.value().Out.constData());
    }
    state.SetBytesProcessed(state.iterations() * QFile(s.Path).size());
}

void BM_WriteKushuFile(benchmark::State& state) {
    const Setup& s = Shared();
    for (auto _ : state) {
        if (!WriteKushuFile(s.Folder, s.Collection).ok())
            state.SkipWithError("the maximal collection could not be written");
    }
    state.SetBytesProcessed(state.iterations() * QFile(s.Path).size());
}

void BM_WriteBaseline(benchmark::State& state) {
    const Setup& s = Shared();
    const QString path = s.Folder + u"baseline.Ywk"_s;
    for (auto _ : state) {
        QStringEncoder encoder("windows-31j", QStringConverter::Flag::Stateless);
        const QByteArray bytes = encoder.encode(s.FileText);
        QSaveFile file(path);
        file.setDirectWriteFallback(false);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            state.SkipWithError("the baseline could not be written");
    }
    state.SetBytesProcessed(state.iterations() * QFile(s.Path).size());
}

BENCHMARK(BM_ReadKushuFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Dump)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteKushuFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

const bench::Ratio ReadRatio("BM_ReadKushuFile", "BM_ReadBaseline");
const bench::Ratio DumpRatio("BM_Dump", "BM_ReadBaseline");
const bench::Ratio WriteRatio("BM_WriteKushuFile", "BM_WriteBaseline");

} // namespace
