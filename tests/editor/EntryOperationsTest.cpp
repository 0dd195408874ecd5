#include "editor/EntryOperations.h"
#include "tests/ScriptedDialogs.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::editor;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

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

QString Box(const QString& text, MsgStyle style = Ok, const QString& title = {}) {
    return ScriptedDialogs::Box(text, style, title);
}

// The whole outcome as one text, so that one comparison checks all of it: "+row text"
// inserts, "=row text" renames, "-row " removes.
QString Summary(const Outcome& o) {
    const char* signs[] = {"+", "=", "-"}; // Insert, SetText, Remove
    const char* fields[] = {"", "Preface", "Verse", "Postscript", "Commentary"};
    QStringList parts;
    for (const RowChange& c : o.Rows)
        parts.append(QLatin1String(signs[int(c.What)]) + QString::number(c.Row) + u" "_s + c.Text);
    if (o.Select)
        parts.append(u"select "_s + QString::number(*o.Select));
    if (o.ClearSelection)
        parts.append(u"no selection"_s);
    for (const auto& [verb, p] : {std::pair{"say ", o.Message}, std::pair{"ask ", o.Question}}) {
        if (p)
            parts.append(QLatin1String(verb) + Box(p->Text, p->Style, p->Title));
    }
    if (o.Focus != Field::None)
        parts.append(u"focus "_s + QLatin1String(fields[int(o.Focus)]));
    if (o.ClearFields)
        parts.append(u"clear fields"_s);
    return parts.join(u"; "_s);
}

// A refusal: the message, perhaps the focus, and nothing else.
QString Refused(const QString& text, const char* focus = nullptr, const QString& title = {}) {
    return u"say "_s + Box(text, Ok, title) +
           (focus ? u"; focus "_s + QLatin1String(focus) : u""_s);
}

} // namespace

TEST(AddEntry, InsertsAfterTheSelectedRowUpToJustBeforeBatsu) {
    Kushu k = MakeKushu(2);
    const Kushu before = k;
    Origins o = LoadedOrigins(6);
    EXPECT_EQ(Summary(AddEntry(k, o, Row(k, 0), Typed(u"新しい句"_s), Colours(9))),
              u"+1 新しい句; select 1; focus Preface; clear fields"_s);
    EXPECT_EQ(o, (Origins{0, NewEntry, 1, 2, 3, 4, 5}));
    EXPECT_EQ(k.Entries[1],
              (KuEntry{u"前書き"_s, u"新しい句"_s, u"後書き"_s, u"解説\r\n二行目"_s, Colours(9)}));
    EXPECT_EQ(k.Entries.mid(2), before.Entries.mid(1));

    // Just before 跋; a verse of blanks is a verse.
    EXPECT_EQ(AddEntry(k, o, Row(k, 3), {{}, u"　 "_s, {}, {}}, Colours(1)).Select, 4);
    EXPECT_EQ(k.Entries[4].Verse, u"　 "_s);
}

TEST(AddEntry, RefusalsComeInTheirOrderAndChangeNothing) {
    Kushu k = MakeKushu(2);
    k.Entries[2].Verse = u"プロフィール"_s; // a haiku read as a page by its row text
    const Kushu before = k;
    Origins o = LoadedOrigins(6);
    const QString tail = u"が２行以上になっています。\rクリップボードを使って文字を貼り付ける"
                         u"場合は、\r改行が含まれないように注意してください。"_s;
    auto refused = [&](const Selection& where, const EntryFields& fields, const QString& said) {
        EXPECT_EQ(Summary(AddEntry(k, o, where, fields, Colours(1))), said);
        EXPECT_EQ(k, before);
    };
    // Line breaks, a line feed alone too, come before the selection is even looked at.
    refused({}, {u"前\r"_s, u"句\r"_s, u"\r後"_s, {}},
            Refused(u"句"_s + tail, "Verse", u"句は１行にしてください"_s));
    refused({}, Typed(u"句"_s), Refused(u"句を追加する位置を、リストから選択して下さい。"_s));
    // 跋 and after, known by the row text, before the verse is looked at.
    for (int row : {2, 3})
        refused(Row(k, row), Typed({}), Refused(AfterBatsu));
    refused(Row(k, 1), Typed({}), Refused(u"句が入力されていません。"_s, "Verse"));

    Kushu full = MakeKushu(MaxKuCount);
    EXPECT_EQ(Summary(AddEntry(full, o, Row(full, 5), Typed(u"句"_s), Colours(1))),
              Refused(u"これ以上句を追加できません。句は２９９９７句までです。"_s));
    EXPECT_EQ(full.KuCount(), MaxKuCount);
}

TEST(ChangeEntry, StoresTheFieldsAndRenamesOnlyHaikuRows) {
    Kushu k = MakeKushu(2);
    const QString changed = u"say "_s + Box(u"句（序､跋､プロフィール､奥付）が変更されました。"_s);
    EXPECT_EQ(Summary(ChangeEntry(k, Row(k, 2), Typed(u"直した句"_s), Colours(5), 0)),
              u"=2 直した句; "_s + changed);
    EXPECT_EQ(k.Entries[2],
              (KuEntry{u"前書き"_s, u"直した句"_s, u"後書き"_s, u"解説\r\n二行目"_s, Colours(5)}));

    // A page accepts an empty verse field and keeps its row text.
    EXPECT_EQ(Summary(ChangeEntry(k, Row(k, 3), {{}, {}, {}, u"あとがき"_s}, Colours(6), 0)),
              changed);
}

TEST(ChangeEntry, AnyModifierGivesTheColoursToEveryEntryAfterTheSameRefusals) {
    Kushu k = MakeKushu(3);
    const Kushu before = k;
    EXPECT_EQ(Summary(ChangeEntry(k, {}, Typed(u"句"_s), Colours(8), 1)),
              Refused(u"変更する句を、リストから選択して下さい。"_s));
    EXPECT_EQ(Summary(ChangeEntry(k, Row(k, 2), Typed({}), Colours(8), 1)),
              Refused(u"句が入力されていません。"_s, "Verse"));
    EXPECT_EQ(k, before);
    const int bits = 4; // Alt
    EXPECT_EQ(Summary(ChangeEntry(k, Row(k, 2), Typed(u"使われない"_s), Colours(bits), bits)),
              u"say "_s +
                  Box(u"すべての句（序､跋､プロフィール､奥付）が現在の色に変更されました。"_s));
    Kushu expected = before;
    for (KuEntry& e : expected.Entries)
        e.Colours = Colours(bits);
    EXPECT_EQ(k, expected);
}

TEST(DeleteEntry, AsksThenRemovesOnlyHaiku) {
    Kushu k = MakeKushu(2);
    const Kushu before = k;
    Origins o = LoadedOrigins(6);
    const std::pair<Selection, QString> refusals[] = {
        {{}, u"リストから削除する句を選択して下さい。"_s},
        {Row(k, 0), u"序は削除できません。"_s},
        {{2, u"奥付"_s}, u"奥付は削除できません。"_s}, // a haiku that reads like a page
    };
    for (const auto& [selection, text] : refusals) {
        EXPECT_EQ(Summary(DeleteEntry(k, o, selection, true)), Refused(text));
        EXPECT_EQ(k, before);
    }

    EXPECT_EQ(Summary(DeleteEntry(k, o, Row(k, 1), false)),
              u"ask "_s + Box(u"「"_s + before.Entries[1].Verse + u"」を削除して良いですか?"_s,
                              YesNo, Title));
    EXPECT_EQ(k, before);
    EXPECT_EQ(Summary(DeleteEntry(k, o, Row(k, 1), true)), u"-1 ; no selection"_s);
    EXPECT_EQ(k.Entries.mid(1), before.Entries.mid(2));
    EXPECT_EQ(o, (Origins{0, 2, 3, 4, 5}));
}

TEST(MoveEntry, StaysAmongTheHaikuAndGoesByPosition) {
    Kushu k = MakeKushu(3);
    const Kushu before = k;
    Origins o = LoadedOrigins(7);
    for (int row : {-1, 0, 4, 6})
        EXPECT_EQ(Summary(MoveEntryUp(k, o, Row(k, row))) +
                      Summary(MoveEntryDown(k, o, Row(k, row))),
                  QString())
            << row;
    EXPECT_EQ(Summary(MoveEntryUp(k, o, Row(k, 1))) + Summary(MoveEntryDown(k, o, Row(k, 3))),
              QString());
    EXPECT_EQ(k, before);

    EXPECT_EQ(Summary(MoveEntryUp(k, o, Row(k, 3))),
              u"=2 古池や蛙飛びこむ水の音3; =3 古池や蛙飛びこむ水の音2; select 2"_s);
    EXPECT_EQ(Summary(MoveEntryDown(k, o, Row(k, 1))),
              u"=1 古池や蛙飛びこむ水の音3; =2 古池や蛙飛びこむ水の音1; select 2"_s);
    EXPECT_EQ(k.Entries.mid(1, 3),
              (QList<KuEntry>{before.Entries[3], before.Entries[1], before.Entries[2]}));
    EXPECT_EQ(o, (Origins{0, 3, 1, 2, 4, 5, 6})); // each entry's origin went with it

    // A haiku named like a page still moves by its place.
    k.Entries[2].Verse = Batsu;
    EXPECT_EQ(MoveEntryDown(k, o, {2, Batsu}).Select, 3);
    EXPECT_EQ(k.Entries[3].Verse, Batsu);
}
