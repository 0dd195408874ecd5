// SPDX-License-Identifier: GPL-3.0-or-later
#include "verse/MoraCounter.h"

#include "model/RubyText.h"

#include <QStringList>

#include <mecab.h>

#include <algorithm>
#include <array>
#include <climits>
#include <numeric>
#include <vector>

namespace yomiwa::verse {

using namespace Qt::Literals::StringLiterals;

namespace {

// What the analysis says of one word of the verse, as UTF-16 positions in the text with its
// reading marks taken out.
struct Word {
    qsizetype Begin = 0;
    qsizetype End = 0;
    QStringList Features; // 品詞, 細分類1 to 3, 活用型, 活用形, 原形, 読み, 発音
};

// Whether a phrase may begin at a word: one that stands on its own, not a suffix, a dependent
// word or the stem of an auxiliary, nor the word a prefix or a number leads into.
bool StartsPhrase(const QStringList& word, const QStringList& before) {
    static const QStringList Standing = {u"名詞"_s,   u"動詞"_s,   u"形容詞"_s,
                                         u"副詞"_s,   u"連体詞"_s, u"接続詞"_s,
                                         u"感動詞"_s, u"接頭詞"_s, u"フィラー"_s};
    static const QStringList Leaning = {u"接尾"_s, u"非自立"_s, u"特殊"_s};
    if (!Standing.contains(word.value(0)) || Leaning.contains(word.value(1)))
        return false;
    const bool number = word.value(1) == u"数"_s && before.value(1) == u"数"_s;
    return before.value(0) != u"接頭詞"_s && !number;
}

// The morae of a word: its reading where it has kanji and the dictionary knows it, else its
// characters as written (kana spelled the old way count as spelled).
int WordMorae(QStringView surface, const QStringList& features) {
    const QString reading = features.value(7);
    if (reading.isEmpty() || reading == u"*"_s)
        return TextMorae(surface);
    for (char32_t c : surface.toUcs4()) {
        if (IsKanji(c))
            return TextMorae(reading);
    }
    return TextMorae(surface);
}

// The two cuts, as positions among `starts` (ascending, the text's start and end included),
// whose phrases come closest to 5, 7 and 5; among equals the later second cut, then the later
// first. `morae[i]` is the count of position i. For each second cut, the first phrase's best
// count lies between 5 and what leaves the middle 7, so a search finds it: the time grows as
// k log k in the k places a phrase may begin, however long the text.
std::array<qsizetype, 2> BestCuts(const std::vector<qsizetype>& starts,
                                  const std::vector<int>& morae) {
    std::vector<int> before; // the morae before each start, ascending
    before.reserve(starts.size());
    int sum = 0;
    for (qsizetype position = 0; qsizetype start : starts) {
        for (; position < start; ++position)
            sum += morae[std::size_t(position)];
        before.push_back(sum);
    }
    const int all = before.back();
    auto fromEnds = [](int first, int second) {
        return std::abs(first - 5) + std::abs(second - 7);
    };
    std::array<qsizetype, 2> best = {0, 0};
    int bestScore = INT_MAX;
    for (auto second = before.begin(); second != before.end(); ++second) {
        const int low = std::min(5, *second - 7), high = std::max(5, *second - 7);
        const auto end = second + 1;
        // The last first cut at most `high`: the best where it is at least `low`; else the
        // best is it or the last of the first cuts above `high`.
        const auto above = std::upper_bound(before.begin(), end, high);
        const bool under = above != before.begin(); // a first cut at most `high` exists
        auto first = under ? above - 1 : above;
        if (!under || *first < low) {
            const auto last = above == end ? end : std::upper_bound(above, end, *above) - 1;
            if (!under || (last != end &&
                           fromEnds(*last, *second - *last) <= fromEnds(*first, *second - *first)))
                first = last;
        }
        const int score = fromEnds(*first, *second - *first) + std::abs(all - *second - 5);
        if (score <= bestScore) {
            bestScore = score;
            best = {starts[std::size_t(first - before.begin())],
                    starts[std::size_t(second - before.begin())]};
        }
    }
    return best;
}

} // namespace

struct MoraCounter::Analyser {
    struct Free {
        void operator()(MeCab::Model* m) const { MeCab::deleteModel(m); }
        void operator()(MeCab::Tagger* t) const { MeCab::deleteTagger(t); }
        void operator()(MeCab::Lattice* l) const { MeCab::deleteLattice(l); }
    };
    std::unique_ptr<MeCab::Model, Free> Model;
    std::unique_ptr<MeCab::Tagger, Free> Tagger;
    std::unique_ptr<MeCab::Lattice, Free> Lattice;

    // nullptr when MeCab cannot start with a UTF-8 dictionary.
    static std::unique_ptr<Analyser> Load(const QString& dictionaryFolder) {
        QByteArray folder = dictionaryFolder.toLocal8Bit();
        std::vector<char*> arguments = {const_cast<char*>("mecab")};
        if (!dictionaryFolder.isEmpty())
            arguments.insert(arguments.end(), {const_cast<char*>("-d"), folder.data()});
        auto analyser = std::make_unique<Analyser>();
        analyser->Model.reset(MeCab::createModel(int(arguments.size()), arguments.data()));
        if (!analyser->Model)
            return nullptr;
        const mecab_dictionary_info_t* info = analyser->Model->dictionary_info();
        const QByteArray charset = QByteArray(info ? info->charset : "").toLower();
        if (charset != "utf-8" && charset != "utf8")
            return nullptr;
        analyser->Tagger.reset(analyser->Model->createTagger());
        analyser->Lattice.reset(analyser->Model->createLattice());
        return analyser->Tagger && analyser->Lattice ? std::move(analyser) : nullptr;
    }

    // The words of a text; nothing when the analysis fails. No word crosses a position in
    // `bounds`.
    std::vector<Word> Words(const QString& text, const std::vector<qsizetype>& bounds) {
        const QByteArray utf8 = text.toUtf8();
        // The UTF-16 position of every UTF-8 byte, and of the end; and back.
        std::vector<qsizetype> position;
        std::vector<std::size_t> byteAt(std::size_t(text.size()) + 1, std::size_t(utf8.size()));
        position.reserve(std::size_t(utf8.size()) + 1);
        for (qsizetype i = 0; i < text.size();) {
            const bool pair =
                text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            const char32_t u =
                pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
            byteAt[std::size_t(i)] = position.size();
            position.insert(position.end(), u < 0x80 ? 1 : u < 0x800 ? 2 : u < 0x10000 ? 3 : 4, i);
            i += pair ? 2 : 1;
        }
        position.push_back(text.size());
        position.resize(std::size_t(utf8.size()) + 1, text.size());

        Lattice->set_sentence(utf8.constData(), std::size_t(utf8.size()));
        for (qsizetype bound : bounds) {
            const std::size_t byte = byteAt[std::size_t(bound)];
            if (byte > 0 && byte < std::size_t(utf8.size()))
                Lattice->set_boundary_constraint(byte, MECAB_TOKEN_BOUNDARY);
        }
        std::vector<Word> words;
        if (!Tagger->parse(Lattice.get()))
            return words;
        for (const MeCab::Node* node = Lattice->bos_node(); node; node = node->next) {
            if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
                continue;
            const std::size_t begin = std::size_t(node->surface - utf8.constData());
            words.push_back({position[begin], position[begin + node->length],
                             QString::fromUtf8(node->feature).split(u',')});
        }
        return words;
    }
};

MoraCounter::MoraCounter(QString dictionaryFolder)
    : m_dictionaryFolder(std::move(dictionaryFolder)) {}

MoraCounter::~MoraCounter() = default;

Result<Metre> MoraCounter::Count(const QString& verse) {
    if (!m_loaded) {
        m_loaded = true;
        m_analyser = Analyser::Load(m_dictionaryFolder);
    }
    if (!m_analyser)
        return Result<Metre>::Failure(ErrorKind::CannotRead, NoDictionaryMessage());

    const RubyText ruby = ParseRuby(verse);
    const QString& text = ruby.base;
    std::vector<qsizetype> bounds;
    for (const RubyText::Ruby& r : ruby.rubies)
        bounds.insert(bounds.end(), {r.begin, r.end});
    // The morae counted at each position, and where a phrase may begin.
    std::vector<int> morae(std::size_t(text.size()), 0);
    std::vector<bool> opens(std::size_t(text.size()), false);
    QStringList before;
    for (const Word& word : m_analyser->Words(text, bounds)) {
        const QStringView surface = QStringView(text).sliced(word.Begin, word.End - word.Begin);
        morae[std::size_t(word.Begin)] = WordMorae(surface, word.Features);
        opens[std::size_t(word.Begin)] = StartsPhrase(word.Features, before);
        before = word.Features;
    }
    for (const RubyText::Ruby& r : ruby.rubies) {
        std::fill(morae.begin() + r.begin, morae.begin() + r.end, 0);
        std::fill(opens.begin() + r.begin + 1, opens.begin() + r.end, false);
        morae[std::size_t(r.begin)] = TextMorae(r.reading);
    }

    std::vector<qsizetype> starts = {0};
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (opens[std::size_t(i)])
            starts.push_back(i);
    }
    if (text.size() > 0)
        starts.push_back(text.size());
    const auto [first, second] = BestCuts(starts, morae);
    const std::array<qsizetype, 4> edges = {0, first, second, text.size()};
    Metre metre;
    for (std::size_t p = 0; p < 3; ++p) {
        metre.Phrases[p].Text = text.sliced(edges[p], edges[p + 1] - edges[p]);
        metre.Phrases[p].Morae =
            std::accumulate(morae.begin() + edges[p], morae.begin() + edges[p + 1], 0);
    }
    return metre;
}

} // namespace yomiwa::verse
