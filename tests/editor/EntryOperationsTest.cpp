// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EntryOperations.h"
#include "tests/ScriptedDialogs.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::editor;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace yomiwa::editor {
void PrintTo(const Outcome& o, std::ostream* out) {
    for (const RowChange& c : o.Rows)
        *out << "row " << int(c.What) << ' ' << c.Row << ' ' << c.Text.toStdString() << "; ";
    *out << "select " << o.Select.value_or(-2) << (o.ClearSelection ? " none" : "");
    for (const auto& [verb, p] : {std::pair{"; say ", o.Message}, {"; ask ", o.Question}}) {
        if (p)
            *out << verb << p->Text.toStdString() << ' ' << int(p->Style) << ' '
                 << p->Title.toStdString();
    }
    *out << "; focus " << int(o.Focus) << (o.ClearFields ? "; clear fields" : "");
}
} // namespace yomiwa::editor

namespace {

const QString Batsu = u"跋"_s;
const QString AfterBatsu = u"跋より後には句を追加できません。"_s;

EntryFields Typed(const QString& verse) {
    return {u"前書き"_s, verse, u"後書き"_s, u"解説\r\n二行目"_s};
}

// Row i as the list shows it: the pages by their names, the haiku by their verses.
Selection Row(const Kushu& k, int row) {
    const QStringList closing = {Batsu, u"プロフィール"_s, u"奥付"_s};
    if (row <= 0)
        return row < 0 ? Selection{} : Selection{0, u"序"_s};
    return {row, row > k.KuCount() ? closing.at(row - k.KuCount() - 1) : k.Entries.at(row).Verse};
}

using enum RowChange::Kind;

// A refusal: the message, perhaps the focus, and nothing else.
Outcome Refused(const QString& text, Field focus = Field::None, const QString& title = {}) {
    return {.Message = Prompt{text, Ok, title}, .Focus = focus};
}
// A notice after the change.
Outcome Said(const QString& text, QList<RowChange> rows = {}) {
    return {.Rows = std::move(rows), .Message = Prompt{text}};
}

} // namespace

TEST(EntryOperations, AddInsertsAfterTheSelectedRowUpToJustBeforeBatsu) {
    Kushu k = MakeKushu(2);
    const Kushu before = k;
    Origins o = LoadedOrigins(6);
    EXPECT_EQ(AddEntry(k, o, Row(k, 0), Typed(u"新しい句"_s), Colours(9)),
              (Outcome{.Rows = {{Insert, 1, u"新しい句"_s}},
                       .Select = 1,
                       .Focus = Field::Preface,
                       .ClearFields = true}));
    EXPECT_EQ(o, (Origins{0, NewEntry, 1, 2, 3, 4, 5}));
    EXPECT_EQ(k.Entries.mid(2), before.Entries.mid(1));

    // Just before 跋; a verse of blanks is a verse.
    EXPECT_EQ(AddEntry(k, o, Row(k, 3), {{}, u"　 "_s, {}, {}}, Colours(1)).Select, 4);
    EXPECT_EQ(k.Entries[4].Verse, u"　 "_s);
}

TEST(EntryOperations, AddRefusalsComeInTheirOrderAndChangeNothing) {
    Kushu k = MakeKushu(2);
    k.Entries[2].Verse = u"プロフィール"_s; // a haiku read as a page by its row text
    const Kushu before = k;
    Origins o = LoadedOrigins(6);
    const QString tail = u"が２行以上になっています。\rクリップボードを使って文字を貼り付ける"
                         u"場合は、\r改行が含まれないように注意してください。"_s;
    auto refused = [&](const Selection& where, const EntryFields& fields, const Outcome& said) {
        EXPECT_EQ(AddEntry(k, o, where, fields, Colours(1)), said);
        EXPECT_EQ(k, before);
    };
    // Line breaks, a line feed alone too, come before the selection is even looked at.
    refused({}, {u"前\r"_s, u"句\r"_s, u"\r後"_s, {}},
            Refused(u"句"_s + tail, Field::Verse, u"句は１行にしてください"_s));
    refused({}, Typed(u"句"_s), Refused(u"句を追加する位置を、リストから選択して下さい。"_s));
    // 跋 and after, known by the row text, before the verse is looked at.
    for (int row : {2, 3})
        refused(Row(k, row), Typed({}), Refused(AfterBatsu));
    refused(Row(k, 1), Typed({}), Refused(u"句が入力されていません。"_s, Field::Verse));

    Kushu full = MakeKushu(MaxKuCount);
    EXPECT_EQ(AddEntry(full, o, Row(full, 5), Typed(u"句"_s), Colours(1)),
              Refused(u"これ以上句を追加できません。句は２９９９７句までです。"_s));
    EXPECT_EQ(full.KuCount(), MaxKuCount);
    // Many at once: past the capacity the whole text is refused; the place as for one.
    full.Entries.removeAt(1);
    EXPECT_EQ(AddVerses(full, o, Row(full, 5), u"一\n二"_s, Colours(1), true),
              Refused(u"句が多すぎるため、追加できません。句は２９９９７句までで、この句集には"
                      u"あと１句まで追加できます（読み込んだ句は２句）。"_s));
    EXPECT_EQ(AddVerses(k, o, Row(k, 3), u"一"_s, Colours(1), true), Refused(AfterBatsu));
}

TEST(EntryOperations, ChangeStoresTheFieldsAndRenamesOnlyHaikuRows) {
    Kushu k = MakeKushu(2);
    const QString changed = u"句（序､跋､プロフィール､奥付）が変更されました。"_s;
    EXPECT_EQ(ChangeEntry(k, Row(k, 2), Typed(u"直した句"_s), Colours(5), 0),
              Said(changed, {{SetText, 2, u"直した句"_s}}));
    EXPECT_EQ(k.Entries[2],
              (KuEntry{u"前書き"_s, u"直した句"_s, u"後書き"_s, u"解説\r\n二行目"_s, Colours(5)}));

    // A page accepts an empty verse field and keeps its row text.
    EXPECT_EQ(ChangeEntry(k, Row(k, 3), {{}, {}, {}, u"あとがき"_s}, Colours(6), 0), Said(changed));
}

TEST(EntryOperations, ChangeWithAnyModifierGivesTheColoursToEveryEntryAfterTheSameRefusals) {
    Kushu k = MakeKushu(3);
    const Kushu before = k;
    EXPECT_EQ(ChangeEntry(k, {}, Typed(u"句"_s), Colours(8), 1),
              Refused(u"変更する句を、リストから選択して下さい。"_s));
    EXPECT_EQ(ChangeEntry(k, Row(k, 2), Typed({}), Colours(8), 1),
              Refused(u"句が入力されていません。"_s, Field::Verse));
    EXPECT_EQ(k, before);
    const int bits = 4; // Alt
    EXPECT_EQ(ChangeEntry(k, Row(k, 2), Typed(u"使われない"_s), Colours(bits), bits),
              Said(u"すべての句（序､跋､プロフィール､奥付）が現在の色に変更されました。"_s));
    Kushu expected = before;
    for (KuEntry& e : expected.Entries)
        e.Colours = Colours(bits);
    EXPECT_EQ(k, expected);
}

TEST(EntryOperations, DeleteAsksThenRemovesOnlyHaiku) {
    Kushu k = MakeKushu(2);
    const Kushu before = k;
    Origins o = LoadedOrigins(6);
    const std::pair<Selection, QString> refusals[] = {
        {{}, u"リストから削除する句を選択して下さい。"_s},
        {Row(k, 0), u"序は削除できません。"_s},
        {{2, u"奥付"_s}, u"奥付は削除できません。"_s}, // a haiku that reads like a page
    };
    for (const auto& [selection, text] : refusals) {
        EXPECT_EQ(DeleteEntry(k, o, selection, true), Refused(text));
        EXPECT_EQ(k, before);
    }

    const QString question = u"「"_s + before.Entries[1].Verse + u"」を削除して良いですか?"_s;
    EXPECT_EQ(DeleteEntry(k, o, Row(k, 1), false),
              (Outcome{.Question = Prompt{question, YesNo, Title}}));
    EXPECT_EQ(k, before);
    EXPECT_EQ(DeleteEntry(k, o, Row(k, 1), true),
              (Outcome{.Rows = {{Remove, 1, {}}}, .ClearSelection = true}));
    EXPECT_EQ(k.Entries.mid(1), before.Entries.mid(2));
    EXPECT_EQ(o, (Origins{0, 2, 3, 4, 5}));
}

TEST(EntryOperations, MovesStayAmongTheHaikuAndGoesByPosition) {
    Kushu k = MakeKushu(3);
    const Kushu before = k;
    Origins o = LoadedOrigins(7);
    for (int row : {-1, 0, 4, 6}) {
        EXPECT_EQ(MoveEntryUp(k, o, Row(k, row)), Outcome{}) << row;
        EXPECT_EQ(MoveEntryDown(k, o, Row(k, row)), Outcome{}) << row;
    }
    EXPECT_EQ(MoveEntryUp(k, o, Row(k, 1)), Outcome{});
    EXPECT_EQ(MoveEntryDown(k, o, Row(k, 3)), Outcome{});
    EXPECT_EQ(k, before);

    EXPECT_EQ(MoveEntryUp(k, o, Row(k, 3)),
              (Outcome{.Rows = {{SetText, 2, before.Entries[3].Verse},
                                {SetText, 3, before.Entries[2].Verse}},
                       .Select = 2}));
    EXPECT_EQ(MoveEntryDown(k, o, Row(k, 1)),
              (Outcome{.Rows = {{SetText, 1, before.Entries[3].Verse},
                                {SetText, 2, before.Entries[1].Verse}},
                       .Select = 2}));
    EXPECT_EQ(k.Entries.mid(1, 3),
              (QList<KuEntry>{before.Entries[3], before.Entries[1], before.Entries[2]}));
    EXPECT_EQ(o, (Origins{0, 3, 1, 2, 4, 5, 6})); // each entry's origin went with it

    // A haiku named like a page still moves by its place.
    k.Entries[2].Verse = Batsu;
    EXPECT_EQ(MoveEntryDown(k, o, {2, Batsu}).Select, 3);
    EXPECT_EQ(k.Entries[3].Verse, Batsu);
}
