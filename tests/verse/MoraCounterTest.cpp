// SPDX-License-Identifier: GPL-3.0-or-later
#include "verse/MoraCounter.h"

#include "tests/TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::verse;
using namespace Qt::Literals::StringLiterals;

// Verses with the phrases and the label a poet counts (the label holds the counts); the
// dictionary's readings mended, where they are wrong, by a reading typed in the notation.
TEST(MoraCounter, CutsVersesIntoThePhrasesPoetsCount) {
    MoraCounter counter;
    if (!counter.Count(u"春"_s).ok())
        GTEST_SKIP() << "MeCab's IPA dictionary is not installed (mecab-ipadic-utf8)";
    const std::tuple<QString, QStringList, QString> verses[] = {
        // 兵 is read へい, until the reading つはもの (four as written) is typed.
        {u"夏草や兵どもが夢の跡"_s,
         {u"夏草や"_s, u"兵どもが"_s, u"夢の跡"_s},
         u"5・5・5（字足らず）"_s},
        {u"夏草や兵《つはもの》どもが夢の跡"_s,
         {u"夏草や"_s, u"兵どもが"_s, u"夢の跡"_s},
         u"5・7・5"_s},
        // Small kana, っ, ー, ん; old spelling as written; half-width kana; letters one each.
        {u"チューリップ喜びだけを持つてゐる"_s,
         {u"チューリップ"_s, u"喜びだけを"_s, u"持つてゐる"_s},
         u"5・7・5"_s},
        {u"ｷｬｯﾁﾎﾞｰﾙしんしんと雪ふりやまず"_s,
         {u"ｷｬｯﾁﾎﾞｰﾙ"_s, u"しんしんと雪"_s, u"ふりやまず"_s},
         u"6・7・5（字余り）"_s},
        {u"ＳＬの煙たなびく春の野辺"_s,
         {u"ＳＬの"_s, u"煙たなびく"_s, u"春の野辺"_s},
         u"3・7・5（字足らず）"_s},
        // Among equally good cuts, the later ones.
        {u"｜古池《ふるいけ》"_s, {u"古池"_s, {}, {}}, u"4・0・0（字足らず）"_s},
    };
    for (const auto& [verse, phrases, label] : verses) {
        const Result<Metre> counted = counter.Count(verse);
        ASSERT_TRUE(counted.ok());
        QStringList texts;
        for (const Phrase& phrase : counted.value().Phrases)
            texts.append(phrase.Text);
        EXPECT_EQ(texts, phrases);
        EXPECT_EQ(MetreLabel(counted.value()), label) << verse.toStdString();
    }
}

TEST(MoraCounter, SaysSoWithoutADictionary) {
    MoraCounter counter(u"/nonexistent/dictionary"_s);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(counter.Count(u"古池や"_s).error(),
                  u"読みの辞書（MeCab）が見つからないため、拍を数えられません。"_s);
    EXPECT_EQ(MetreLabel({{{{{}, 6}, {{}, 6}, {{}, 5}}}}), u"6・6・5"_s);
}
