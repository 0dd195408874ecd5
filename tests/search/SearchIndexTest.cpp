// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchIndex.h"

#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "tests/TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::search;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

// A hit as the reader sees it: the file, the page, the field and the parts marked.
using Found = std::tuple<QString, int, SearchField, QStringList>;

std::vector<Found> Find(SearchIndex& index, const QString& query,
                        const OpenComments* open = nullptr) {
    std::vector<Found> found;
    for (const Hit& hit : index.Search(query, open).Hits) {
        QStringList marked;
        for (const TextRange& r : hit.Matches)
            marked.append(hit.Text.sliced(r.Begin, r.End - r.Begin));
        found.emplace_back(QFileInfo(hit.File).fileName(), hit.Page, hit.Field, marked);
    }
    return found;
}

// Pages: 序 1, the two verses 2 and 3, プロフィール 4, 奥付 5; 跋 has too little to be listed.
Kushu Spring(const QString& verse) {
    Kushu k = MakeKushu(2);
    k.Entries[1].Preface = u"ＡＢＣ前書abc"_s;
    k.Entries[1].Verse = verse;
    k.Entries[1].Postscript = u"㈱ｶﾞｯｺｳにて"_s;
    k.Entries[2].Commentary = u"Hello World"_s;
    k.Entries[3].Commentary = u"秋風"_s;
    return k;
}

} // namespace

TEST(SearchIndex, FindsWhatAReaderTypesInEveryListedField) {
    Folder folder;
    ASSERT_TRUE(
        WriteKushuFile(folder.Path(), Spring(u"蜩《ひぐらし》や｜岩《いは》にしみ入る"_s)).ok());
    ASSERT_TRUE(WriteKansoFile(folder.Path(), u"春_一.kan"_s,
                               {{}, {}, u"よい句です"_s, u"秋風も"_s, {}, {}})
                    .ok());
    Kushu summer = MakeKushu(1, u"夏"_s);
    summer.Entries[1].Verse = u"ヒグラシの声"_s;
    ASSERT_TRUE(WriteKushuFile(folder.Path(), summer).ok());
    WriteBytes(folder.File(u"壊_一.Ywk"_s), "x\r\n"); // skipped, as the tool says on stderr
    SearchIndex index(folder.Path());
    using F = SearchField;
    const QString s = u"春_一.Ywk"_s, n = u"夏_一.Ywk"_s; // 夏 (U+590F) is listed first
    const Found springVerse = {s, 2, F::Verse, {u"ひぐらし"_s}};
    const Found summerVerse = {n, 2, F::Verse, {u"ヒグラシ"_s}};
    const std::pair<QString, std::vector<Found>> cases[] = {
        {u"ひぐらし"_s, {summerVerse, springVerse}},
        {u"蜩や"_s, {{s, 2, F::Verse, {u"蜩《ひぐらし》や"_s}}}},
        {u"ひぐらしやいは"_s, {{s, 2, F::Verse, {u"ひぐらし》や｜岩《いは"_s}}}},
        {u"や岩に"_s, {{s, 2, F::Verse, {u"や｜岩《いは》に"_s}}}},
        {u"《"_s, {}},
        {u"》や"_s, {}},
        {u"秋風"_s, {}},
        {u"abc"_s, {{s, 2, F::Preface, {u"ＡＢＣ"_s, u"abc"_s}}}},
        {u" がっこう　"_s, {{s, 2, F::Postscript, {u"ｶﾞｯｺｳ"_s}}}},
        {u"株"_s, {{s, 2, F::Postscript, {u"㈱"_s}}}},
        {u"hELLO"_s, {{s, 3, F::Commentary, {u"Hello"_s}}}},
        {u"よい句"_s, {{s, 3, F::Comment, {u"よい句"_s}}}},
        {u"２"_s,
         {{n, 3, F::Commentary, {u"2"_s}},
          {s, 3, F::Preface, {u"2"_s}},
          {s, 3, F::Verse, {u"2"_s}},
          {s, 3, F::Postscript, {u"2"_s}}}},
    };
    for (const auto& [query, found] : cases)
        EXPECT_EQ(Find(index, query), found) << query.toStdString();
    // A hit beside a verse names the verse it belongs to.
    EXPECT_EQ((QStringList{index.Search(u"hELLO"_s).Hits.value(0).Verse,
                           index.Search(u"蜩"_s).Hits.value(0).Verse}),
              (QStringList{u"古池や蛙飛びこむ水の音2"_s, QString()}));

    // The open collection's comments as the window holds them stand for its file's.
    const OpenComments open = {folder.File(s), {{}, u"まだ書いていない"_s, {}, {}, {}, {}}};
    EXPECT_EQ(Find(index, u"書いて"_s, &open),
              (std::vector<Found>{{s, 2, F::Comment, {u"書いて"_s}}}));
    EXPECT_EQ(Find(index, u"よい句"_s, &open), std::vector<Found>());
    // A file changed since the last search is read again.
    ASSERT_TRUE(WriteKushuFile(folder.Path(), Spring(u"法師蝉"_s)).ok());
    EXPECT_EQ(Find(index, u"ひぐらし"_s), std::vector<Found>{summerVerse});
    EXPECT_EQ(Find(index, u"法師"_s).size(), 1);
}
