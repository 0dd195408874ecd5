#include "EntryOperations.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::editor;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

EntryFields Typed(const QString& verse) {
    return {u"前書き"_s, verse, u"後書き"_s, u"解説\r\n二行目"_s};
}

Selection Row(const Kushu& k, int row) {
    const int n = k.KuCount();
    if (row < 0)
        return {};
    if (row == 0)
        return {0, u"序"_s};
    if (row == n + 1)
        return {row, u"跋"_s};
    if (row == n + 2)
        return {row, u"プロフィール"_s};
    if (row == n + 3)
        return {row, u"奥付"_s};
    return {row, k.Entries.at(row).Verse};
}

// The pages keep their places: 序 first, the three closing pages last.
void ExpectLayout(const Kushu& k) {
    const int n = k.KuCount();
    ASSERT_GE(n, 0);
    EXPECT_EQ(k.Entries[0].Commentary, u"解説0\r\n二行目"_s);
    EXPECT_TRUE(k.Entries[n + 1].Commentary.startsWith(u"解説"_s));
    EXPECT_TRUE(k.Entries[n + 1].Verse.isEmpty());
    EXPECT_TRUE(k.Entries[n + 2].Verse.isEmpty());
    EXPECT_TRUE(k.Entries[n + 3].Verse.isEmpty());
}

const QString Batsu = u"跋"_s;

} // namespace

TEST(AddEntry, InsertsAfterTheSelectedRowWithTheShownColours) {
    Kushu k = MakeKushu(2);
    const Kushu before = k;
    Outcome o = AddEntry(k, Row(k, 0), Typed(u"新しい句"_s), Colours(9));
    ASSERT_EQ(k.KuCount(), 3);
    EXPECT_EQ(k.Entries[1],
              (KuEntry{u"前書き"_s, u"新しい句"_s, u"後書き"_s, u"解説\r\n二行目"_s, Colours(9)}));
    EXPECT_EQ(k.Entries[2], before.Entries[1]);
    EXPECT_EQ(k.Entries[6], before.Entries[5]);
    ExpectLayout(k);
    ASSERT_EQ(o.Rows.size(), 1);
    EXPECT_EQ(o.Rows[0].What, RowChange::Kind::Insert);
    EXPECT_EQ(o.Rows[0].Row, 1);
    EXPECT_EQ(o.Rows[0].Text, u"新しい句"_s);
    EXPECT_EQ(o.Select, 1);
    EXPECT_EQ(o.Focus, Field::Preface);
    EXPECT_TRUE(o.ClearFields);
    EXPECT_FALSE(o.Message);

    // After the last haiku: just before 跋.
    o = AddEntry(k, Row(k, 3), Typed(u"最後"_s), Colours(1));
    EXPECT_EQ(k.KuCount(), 4);
    EXPECT_EQ(k.Entries[4].Verse, u"最後"_s);
    EXPECT_EQ(k.Entries[5], before.Entries[3]); // 跋
    EXPECT_EQ(o.Select, 4);
    ExpectLayout(k);

    // Texts are stored as they stand: a verse of blanks is a verse.
    AddEntry(k, Row(k, 1), {u" "_s, u"　 "_s, QString(), QString()}, Colours(2));
    EXPECT_EQ(k.Entries[2].Verse, u"　 "_s);
    EXPECT_EQ(k.Entries[2].Preface, u" "_s);
}

TEST(AddEntry, RefusalsComeInTheirOrderAndChangeNothing) {
    Kushu k = MakeKushu(2);
    const Kushu before = k;
    auto expectRefused = [&](const Outcome& o, const QString& text, const QString& title,
                             Field focus) {
        ASSERT_TRUE(o.Message);
        EXPECT_EQ(o.Message->Text, text);
        EXPECT_EQ(o.Message->Title, title);
        EXPECT_EQ(o.Message->Style, 0);
        EXPECT_EQ(o.Focus, focus);
        EXPECT_TRUE(o.Rows.isEmpty());
        EXPECT_FALSE(o.Select);
        EXPECT_FALSE(o.ClearFields);
        EXPECT_EQ(k, before);
    };
    const QString tail = u"\rクリップボードを使って文字を貼り付ける場合は、\r"
                         u"改行が含まれないように注意してください。"_s;

    EntryFields all = {u"前\r書"_s, u"句\r"_s, u"\r後"_s, QString()};
    // A line break comes before the selection is even looked at.
    expectRefused(AddEntry(k, Row(k, 3), all, Colours(1)), u"句が２行以上になっています。"_s + tail,
                  u"句は１行にしてください"_s, Field::Verse);
    all.Verse = u"句"_s;
    expectRefused(AddEntry(k, Row(k, 3), all, Colours(1)),
                  u"前書が２行以上になっています。"_s + tail, u"前書は１行にしてください"_s,
                  Field::Preface);
    all.Preface = u"前書\n二"_s; // a line feed alone passes
    expectRefused(AddEntry(k, Row(k, 3), all, Colours(1)),
                  u"後書が２行以上になっています。"_s + tail, u"後書は１行にしてください"_s,
                  Field::Postscript);

    for (int row : {3, 4, 5})
        expectRefused(AddEntry(k, Row(k, row), Typed(QString()), Colours(1)),
                      u"跋より後には句を追加できません。"_s, QString(), Field::None);
    expectRefused(AddEntry(k, Row(k, 1), Typed(QString()), Colours(1)),
                  u"句が入力されていません。"_s, QString(), Field::Verse);
    expectRefused(AddEntry(k, {-1, QString()}, Typed(u"句"_s), Colours(1)),
                  u"句を追加する位置を、リストから選択して下さい。"_s, QString(), Field::None);
}

TEST(AddEntry, PageWordsAreRecognisedByTextAndTheArrayHasABound) {
    Kushu k = MakeKushu(2);
    k.Entries[2].Verse = u"プロフィール"_s;
    Outcome o = AddEntry(k, Row(k, 2), Typed(u"句"_s), Colours(1));
    ASSERT_TRUE(o.Message);
    EXPECT_EQ(o.Message->Text, u"跋より後には句を追加できません。"_s);
    k.Entries[1].Verse = u"序"_s;
    o = AddEntry(k, Row(k, 1), Typed(u"句"_s), Colours(1));
    EXPECT_FALSE(o.Message);
    EXPECT_EQ(k.Entries[2].Verse, u"句"_s);

    Kushu full = MakeKushu(MaxKuCount);
    o = AddEntry(full, Row(full, 5), Typed(u"句"_s), Colours(1));
    ASSERT_TRUE(o.Message);
    EXPECT_EQ(o.Message->Text, u"これ以上句を追加できません。句は２９９９７句までです。"_s);
    EXPECT_EQ(full.KuCount(), MaxKuCount);
    EXPECT_TRUE(o.Rows.isEmpty());
}

TEST(ChangeEntry, StoresTheFieldsAndRenamesOnlyHaikuRows) {
    Kushu k = MakeKushu(2);
    Outcome o = ChangeEntry(k, Row(k, 2), Typed(u"直した句"_s), Colours(5), 0);
    EXPECT_EQ(k.Entries[2],
              (KuEntry{u"前書き"_s, u"直した句"_s, u"後書き"_s, u"解説\r\n二行目"_s, Colours(5)}));
    ASSERT_EQ(o.Rows.size(), 1);
    EXPECT_EQ(o.Rows[0].What, RowChange::Kind::SetText);
    EXPECT_EQ(o.Rows[0].Row, 2);
    EXPECT_EQ(o.Rows[0].Text, u"直した句"_s);
    ASSERT_TRUE(o.Message);
    EXPECT_EQ(o.Message->Text, u"句（序､跋､プロフィール､奥付）が変更されました。"_s);
    EXPECT_FALSE(o.Select);
    EXPECT_EQ(o.Focus, Field::None);
    EXPECT_FALSE(o.ClearFields);

    // A page accepts an empty verse field and keeps its row text.
    o = ChangeEntry(k, Row(k, 3), {QString(), QString(), QString(), u"解説あとがき"_s}, Colours(6),
                    0);
    EXPECT_TRUE(o.Rows.isEmpty());
    EXPECT_EQ(k.Entries[3].Commentary, u"解説あとがき"_s);
    EXPECT_EQ(k.Entries[3].Colours, Colours(6));
    ASSERT_TRUE(o.Message);
    EXPECT_EQ(o.Message->Text, u"句（序､跋､プロフィール､奥付）が変更されました。"_s);

    // A haiku named like a page passes the verse test by its text, but its row is renamed
    // by its place.
    k.Entries[1].Verse = Batsu;
    o = ChangeEntry(k, {1, Batsu}, Typed(QString()), Colours(2), 0);
    ASSERT_EQ(o.Rows.size(), 1);
    EXPECT_EQ(o.Rows[0].Text, QString());
    ExpectLayout(k);
}

TEST(ChangeEntry, ModifiersGiveTheColoursToEveryEntryAndNoText) {
    Kushu k = MakeKushu(3);
    const Kushu before = k;
    for (int bits : {1, 2, 4, 7}) {
        Outcome o = ChangeEntry(k, Row(k, 2), Typed(u"使われない"_s), Colours(bits + 20), bits);
        ASSERT_TRUE(o.Message);
        EXPECT_EQ(o.Message->Text,
                  u"すべての句（序､跋､プロフィール､奥付）が現在の色に変更されました。"_s);
        EXPECT_TRUE(o.Rows.isEmpty());
        for (int i = 0; i < k.Entries.size(); ++i) {
            EXPECT_EQ(k.Entries[i].Colours, Colours(bits + 20));
            EXPECT_EQ(k.Entries[i].Verse, before.Entries[i].Verse);
            EXPECT_EQ(k.Entries[i].Commentary, before.Entries[i].Commentary);
        }
    }
    // The verse test comes first, also for the colours to all.
    k = before;
    Outcome o = ChangeEntry(k, Row(k, 2), Typed(QString()), Colours(8), 1);
    ASSERT_TRUE(o.Message);
    EXPECT_EQ(o.Message->Text, u"句が入力されていません。"_s);
    EXPECT_EQ(o.Focus, Field::Verse);
    EXPECT_EQ(k, before);
    o = ChangeEntry(k, {-1, QString()}, Typed(u"句"_s), Colours(8), 0);
    ASSERT_TRUE(o.Message);
    EXPECT_EQ(o.Message->Text, u"変更する句を、リストから選択して下さい。"_s);
    EXPECT_EQ(k, before);
}

TEST(DeleteEntry, AsksThenRemovesOnlyHaiku) {
    Kushu k = MakeKushu(2);
    const Kushu before = k;
    const std::pair<Selection, QString> refusals[] = {
        {{-1, QString()}, u"リストから削除する句を選択して下さい。"_s},
        {{0, u"序"_s}, u"序は削除できません。"_s},
        {{3, u"跋"_s}, u"跋は削除できません。"_s},
        {{4, u"プロフィール"_s}, u"プロフィールは削除できません。"_s},
        {{5, u"奥付"_s}, u"奥付は削除できません。"_s},
        // A haiku that reads like a page is taken for it.
        {{2, u"奥付"_s}, u"奥付は削除できません。"_s},
    };
    for (const auto& [selection, text] : refusals) {
        const Outcome o = DeleteEntry(k, selection, true);
        ASSERT_TRUE(o.Message);
        EXPECT_EQ(o.Message->Text, text);
        EXPECT_FALSE(o.Question);
        EXPECT_TRUE(o.Rows.isEmpty());
        EXPECT_EQ(k, before);
    }

    Outcome o = DeleteEntry(k, Row(k, 1), false);
    ASSERT_TRUE(o.Question);
    EXPECT_EQ(o.Question->Text, u"「"_s + before.Entries[1].Verse + u"」を削除して良いですか?"_s);
    EXPECT_EQ(o.Question->Style, 4);
    EXPECT_EQ(o.Question->Title, u"【Yomiwa】Ver.1.1"_s);
    EXPECT_EQ(k, before);

    o = DeleteEntry(k, Row(k, 1), true);
    EXPECT_EQ(k.KuCount(), 1);
    EXPECT_EQ(k.Entries[1], before.Entries[2]);
    EXPECT_EQ(k.Entries[4], before.Entries[5]);
    ASSERT_EQ(o.Rows.size(), 1);
    EXPECT_EQ(o.Rows[0].What, RowChange::Kind::Remove);
    EXPECT_EQ(o.Rows[0].Row, 1);
    EXPECT_TRUE(o.ClearSelection);
    EXPECT_FALSE(o.Select);
    EXPECT_FALSE(o.ClearFields);

    o = DeleteEntry(k, Row(k, 1), true);
    EXPECT_EQ(k.KuCount(), 0);
    ASSERT_EQ(k.Entries.size(), 4);
    ExpectLayout(k);
}

TEST(MoveEntry, StaysAmongTheHaikuAndGoesByPosition) {
    Kushu k = MakeKushu(3);
    const Kushu before = k;
    for (int row : {0, 1, 4, 5, 6, -1})
        EXPECT_TRUE(MoveEntryUp(k, Row(k, row)).Rows.isEmpty()) << row;
    for (int row : {0, 3, 4, 5, 6, -1})
        EXPECT_TRUE(MoveEntryDown(k, Row(k, row)).Rows.isEmpty()) << row;
    EXPECT_EQ(k, before);

    Outcome o = MoveEntryUp(k, Row(k, 3));
    EXPECT_EQ(k.Entries[2], before.Entries[3]);
    EXPECT_EQ(k.Entries[3], before.Entries[2]);
    EXPECT_EQ(o.Select, 2);
    ASSERT_EQ(o.Rows.size(), 2);
    EXPECT_EQ(o.Rows[0].Text, before.Entries[3].Verse);
    EXPECT_EQ(o.Rows[1].Text, before.Entries[2].Verse);
    EXPECT_FALSE(o.Message);

    o = MoveEntryDown(k, Row(k, 1));
    EXPECT_EQ(k.Entries[1], before.Entries[3]);
    EXPECT_EQ(k.Entries[2], before.Entries[1]);
    EXPECT_EQ(o.Select, 2);
    ExpectLayout(k);

    // A haiku named like a page still moves by its place.
    k.Entries[2].Verse = Batsu;
    o = MoveEntryDown(k, {2, Batsu});
    EXPECT_EQ(k.Entries[3].Verse, Batsu);
    EXPECT_EQ(o.Select, 3);
}
