// SPDX-License-Identifier: GPL-3.0-or-later
// The 5-7-5 count as each keystroke in the verse field runs one: a verse of 60 characters
// with a reading typed in the notation, counted by a counter whose dictionary is loaded.
// And a text as long as the field holds, and the first count of a counter, which loads the
// dictionary.
#include "verse/MoraCounter.h"

#include <benchmark/benchmark.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString Verse = u"古池や蛙飛び込む水の音閑《しづ》かさや岩にしみ入る蝉の声夏草や"
                      u"兵どもが夢の跡五月雨をあつめて早し最上川荒海や佐渡に横たふ"_s;

void BM_CountVerse(benchmark::State& state) {
    verse::MoraCounter counter;
    if (!counter.Count(Verse).ok()) {
        state.SkipWithError("MeCab's IPA dictionary is not installed");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(counter.Count(Verse));
    state.counters["characters"] = double(Verse.size());
}
BENCHMARK(BM_CountVerse)->Unit(benchmark::kMicrosecond);

// A text pasted into the verse field, as long as a line edit holds: thousands of places a
// phrase may begin.
void BM_CountPastedText(benchmark::State& state) {
    verse::MoraCounter counter;
    const QString text = Verse.repeated(32767 / Verse.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(counter.Count(text));
    state.counters["characters"] = double(text.size());
}
BENCHMARK(BM_CountPastedText)->Unit(benchmark::kMillisecond);

void BM_FirstCount(benchmark::State& state) {
    for (auto _ : state) {
        verse::MoraCounter counter;
        benchmark::DoNotOptimize(counter.Count(Verse));
    }
}
BENCHMARK(BM_FirstCount)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
