// SPDX-License-Identifier: GPL-3.0-or-later
// Any texts searched and counted. Tabs part the input into fields; short pieces of each
// field are looked for in all of them, and each match must lie inside its own field's text
// and, where the field has no readings typed, hold what was looked for. The whole input is
// counted as a verse: its three phrases must make up its text with the reading marks taken
// out. The first byte chooses how the rest is read: even, as UTF-16; odd, as pieces (marks,
// kana, half-width kana and voiced marks, ligatures, lone surrogates...).
#include "model/RubyText.h"
#include "search/SearchText.h"
#include "verse/MoraCounter.h"

#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

constexpr qsizetype LongestText = 1 << 11;

QString TextOf(const std::uint8_t* data, std::size_t size) {
    QString text;
    if (size == 0)
        return text;
    if (data[0] % 2 == 0) {
        for (std::size_t i = 1; i + 1 < size && text.size() < LongestText; i += 2)
            text += QChar(char16_t(data[i] | data[i + 1] << 8));
        return text;
    }
    static const QStringList pieces = {u"｜"_s,
                                       u"《"_s,
                                       u"》"_s,
                                       u"古池"_s,
                                       u"や"_s,
                                       u"カ"_s,
                                       u"ｶ"_s,
                                       u"ﾞ"_s,
                                       u"\u3099"_s,
                                       u"ゃ"_s,
                                       u"ー"_s,
                                       u"㈱"_s,
                                       u"①"_s,
                                       u"Ａ"_s,
                                       u"a"_s,
                                       u"\t"_s,
                                       u"　"_s,
                                       u"𠮷"_s,
                                       QString(QChar(0xD800)),
                                       QString(QChar(0xDC00)),
                                       u"《かな》"_s,
                                       u"｜あ《い》"_s};
    for (std::size_t i = 1; i < size && text.size() < LongestText; ++i)
        text += pieces[data[i] % pieces.size()];
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = TextOf(data, size);
    const QStringList fields = text.split(u'\t');
    search::FoldedFields folded;
    for (qsizetype i = 0; i < fields.size(); ++i)
        Check(folded.Add(i, fields[i]));
    folded.Finish();
    for (const QString& field : fields) {
        // Sixteen pieces of each field at most: each may be found all over the texts.
        const qsizetype step = std::max<qsizetype>(1, field.size() / 16);
        for (qsizetype at = 0; at < field.size(); at += step) {
            const QString query = search::FoldForSearch(QStringView(field).sliced(at).left(4));
            folded.Find(query, [&](qint64 tag, const QString& found,
                                   const std::vector<search::TextRange>& matches) {
                Check(found == fields[tag] && !matches.empty());
                for (const search::TextRange& m : matches) {
                    Check(0 <= m.Begin && m.Begin < m.End && m.End <= found.size());
                    const QStringView part = QStringView(found).sliced(m.Begin, m.End - m.Begin);
                    Check(found.contains(u'《') || search::FoldForSearch(part).contains(query));
                }
                return true;
            });
        }
    }

    static verse::MoraCounter counter;
    const Result<verse::Metre> metre = counter.Count(text);
    if (metre.ok()) {
        QString phrases;
        for (const verse::Phrase& phrase : metre.value().Phrases) {
            Check(phrase.Morae >= 0);
            phrases += phrase.Text;
        }
        Check(phrases == ParseRuby(text).base);
    }
    return 0;
}
