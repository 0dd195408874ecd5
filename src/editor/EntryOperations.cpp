// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EntryOperations.h"

#include "model/Cp932.h"
#include "model/TextLines.h"

#include <numeric>

namespace yomiwa::editor {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString NoVerse = u"句が入力されていません。"_s;

Outcome Refuse(const QString& text, Field focus = Field::None, const QString& title = {}) {
    Outcome outcome;
    outcome.Message = Prompt{text, ui::MsgStyle::Ok, title};
    outcome.Focus = focus;
    return outcome;
}

// A one-line field that holds a line break (CR, or the LF that text pasted on this platform
// brings): the three lines of the message, joined by a lone CR.
std::optional<Outcome> RefuseLineBreak(const EntryFields& fields) {
    struct Check {
        const QString* Text;
        QString Name;
        Field Where;
    };
    const Check checks[] = {{&fields.Verse, u"句"_s, Field::Verse},
                            {&fields.Preface, u"前書"_s, Field::Preface},
                            {&fields.Postscript, u"後書"_s, Field::Postscript}};
    for (const Check& c : checks) {
        if (HasLineBreak(*c.Text)) {
            return Refuse(c.Name + u"が２行以上になっています。\r"_s +
                              u"クリップボードを使って文字を貼り付ける場合は、\r"_s +
                              u"改行が含まれないように注意してください。"_s,
                          c.Where, c.Name + u"は１行にしてください"_s);
        }
    }
    return std::nullopt;
}

bool IsHaikuRow(int row, int kuCount) {
    return row >= 1 && row <= kuCount;
}

} // namespace

Origins LoadedOrigins(int entryCount) {
    Origins origins(entryCount);
    std::iota(origins.begin(), origins.end(), 0);
    return origins;
}

int ModifierBits(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

std::optional<Outcome> RefuseAddPlace(const Kushu& collection, const Selection& selection) {
    if (selection.Row < 0 || selection.Row >= collection.Entries.size())
        return Refuse(u"句を追加する位置を、リストから選択して下さい。"_s);
    const EntryKind kind = KindOfRowText(selection.RowText);
    if (kind == EntryKind::Batsu || kind == EntryKind::Prof || kind == EntryKind::Oku)
        return Refuse(u"跋より後には句を追加できません。"_s);
    return std::nullopt;
}

Outcome AddVerses(Kushu& collection, Origins& origins, const Selection& selection,
                  const QString& text, const ColourSet& shown, bool confirmed) {
    if (std::optional<Outcome> refused = RefuseAddPlace(collection, selection))
        return *refused;
    if (selection.Row > collection.KuCount())
        return Refuse(u"跋より後には句を追加できません。"_s);
    QStringList verses;
    QStringList unstorable; // line numbers
    const QStringList lines = QString(text).replace(u"\r\n"_s, u"\n"_s).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // A verse is one line of a one-line field: a lone CR or a tab is a space there.
        const QString verse = QString(lines[i]).replace(u'\r', u' ').replace(u'\t', u' ').trimmed();
        if (verse.isEmpty())
            continue;
        if (!cp932::UnstorableChars(verse).isEmpty())
            unstorable.append(FullWidthNumber(i + 1));
        verses.append(verse);
    }
    if (!unstorable.isEmpty()) {
        constexpr int MaxNamed = 20;
        const qsizetype more = unstorable.size() - MaxNamed;
        QString named = unstorable.mid(0, MaxNamed).join(u"、"_s);
        if (more > 0)
            named += u"ほか"_s + FullWidthNumber(more) + u"行"_s;
        return Refuse(u"Shift-JISで保存できない文字を含む行があります（"_s + named +
                      u"行目）。\r句は１句も追加していません。"_s);
    }
    if (verses.isEmpty())
        return Refuse(
            u"追加する句がありません。\r１行に１句ずつ書いたテキストを用意してください。"_s);
    const qsizetype room = MaxKuCount - collection.KuCount();
    if (verses.size() > room) {
        return Refuse(u"句が多すぎるため、追加できません。句は"_s + FullWidthNumber(MaxKuCount) +
                      u"句までで、この句集にはあと"_s + FullWidthNumber(room) +
                      u"句まで追加できます（読み込んだ句は"_s + FullWidthNumber(verses.size()) +
                      u"句）。"_s);
    }
    if (!confirmed) {
        Outcome question;
        question.Question =
            Prompt{FullWidthNumber(verses.size()) + u"句を「"_s + selection.RowText +
                       u"」の後に追加します。よろしいですか？"_s,
                   ui::MsgStyle::YesNo};
        return question;
    }
    // Made room for at once: thirty thousand single inserts would move the entries behind
    // each time.
    const int at = selection.Row + 1;
    KuEntry blank;
    blank.Colours = shown;
    collection.Entries.insert(at, verses.size(), blank);
    origins.insert(at, verses.size(), NewEntry);
    Outcome outcome;
    for (int i = 0; i < verses.size(); ++i) {
        collection.Entries[at + i].Verse = verses[i];
        outcome.Rows.append({RowChange::Kind::Insert, at + i, verses[i]});
    }
    outcome.Select = at + int(verses.size()) - 1;
    return outcome;
}

Outcome AddEntry(Kushu& collection, Origins& origins, const Selection& selection,
                 const EntryFields& fields, const ColourSet& shown) {
    if (std::optional<Outcome> refused = RefuseLineBreak(fields))
        return *refused;
    if (std::optional<Outcome> refused = RefuseAddPlace(collection, selection))
        return *refused;
    if (fields.Verse.isEmpty())
        return Refuse(NoVerse, Field::Verse);
    // By position: a haiku whose verse reads like a page word may still be selected, and
    // the new entry must never land behind 跋.
    if (selection.Row > collection.KuCount())
        return Refuse(u"跋より後には句を追加できません。"_s);
    if (collection.KuCount() >= MaxKuCount)
        return Refuse(u"これ以上句を追加できません。句は"_s + FullWidthNumber(MaxKuCount) +
                      u"句までです。"_s);

    const int at = selection.Row + 1;
    KuEntry entry;
    entry.Preface = fields.Preface;
    entry.Verse = fields.Verse;
    entry.Postscript = fields.Postscript;
    entry.Colours = shown;
    entry.Commentary = fields.Commentary;
    collection.Entries.insert(at, std::move(entry));
    origins.insert(at, NewEntry);

    Outcome outcome;
    outcome.Rows.append({RowChange::Kind::Insert, at, fields.Verse});
    outcome.Select = at;
    outcome.Focus = Field::Preface;
    outcome.ClearFields = true;
    return outcome;
}

Outcome ChangeEntry(Kushu& collection, const Selection& selection, const EntryFields& fields,
                    const ColourSet& shown, int modifiers) {
    if (selection.Row < 0 || selection.Row >= collection.Entries.size())
        return Refuse(u"変更する句を、リストから選択して下さい。"_s);
    if (!IsSpecialRowText(selection.RowText) && fields.Verse.isEmpty())
        return Refuse(NoVerse, Field::Verse);

    Outcome outcome;
    if (modifiers != 0) {
        for (KuEntry& entry : collection.Entries)
            entry.Colours = shown;
        outcome.Message =
            Prompt{u"すべての句（序､跋､プロフィール､奥付）が現在の色に変更されました。"_s,
                   ui::MsgStyle::Ok,
                   {}};
        return outcome;
    }
    KuEntry& entry = collection.Entries[selection.Row];
    entry.Preface = fields.Preface;
    entry.Verse = fields.Verse;
    entry.Postscript = fields.Postscript;
    entry.Colours = shown;
    entry.Commentary = fields.Commentary;
    if (IsHaikuRow(selection.Row, collection.KuCount()))
        outcome.Rows.append({RowChange::Kind::SetText, selection.Row, fields.Verse});
    outcome.Message =
        Prompt{u"句（序､跋､プロフィール､奥付）が変更されました。"_s, ui::MsgStyle::Ok, {}};
    return outcome;
}

Outcome DeleteEntry(Kushu& collection, Origins& origins, const Selection& selection,
                    bool confirmed) {
    if (selection.RowText.isEmpty() || selection.Row < 0)
        return Refuse(u"リストから削除する句を選択して下さい。"_s);
    const EntryKind kind = KindOfRowText(selection.RowText);
    if (kind != EntryKind::Ku)
        return Refuse(KindName(kind) + u"は削除できません。"_s);
    // A row text that is no page word always stands on a haiku row; the pages are kept
    // whatever happens.
    if (!IsHaikuRow(selection.Row, collection.KuCount())) {
        return Refuse(KindName(KindOfIndex(selection.Row, collection.KuCount())) +
                      u"は削除できません。"_s);
    }
    if (!confirmed) {
        Outcome outcome;
        outcome.Question = Prompt{u"「"_s + selection.RowText + u"」を削除して良いですか?"_s,
                                  ui::MsgStyle::YesNo, ui::ProgramTitle()};
        return outcome;
    }
    collection.Entries.removeAt(selection.Row);
    origins.removeAt(selection.Row);
    Outcome outcome;
    outcome.Rows.append({RowChange::Kind::Remove, selection.Row, {}});
    outcome.ClearSelection = true;
    return outcome;
}

namespace {
Outcome Swap(Kushu& collection, Origins& origins, int upper, int select) {
    collection.Entries.swapItemsAt(upper, upper + 1);
    origins.swapItemsAt(upper, upper + 1);
    Outcome outcome;
    outcome.Rows.append({RowChange::Kind::SetText, upper, collection.Entries.at(upper).Verse});
    outcome.Rows.append(
        {RowChange::Kind::SetText, upper + 1, collection.Entries.at(upper + 1).Verse});
    outcome.Select = select;
    return outcome;
}
} // namespace

Outcome MoveEntryUp(Kushu& collection, Origins& origins, const Selection& selection) {
    const int row = selection.Row;
    if (row > 1 && row <= collection.KuCount())
        return Swap(collection, origins, row - 1, row - 1);
    return {};
}

Outcome MoveEntryDown(Kushu& collection, Origins& origins, const Selection& selection) {
    const int row = selection.Row;
    if (row > 0 && row <= collection.KuCount() - 1)
        return Swap(collection, origins, row, row + 1);
    return {};
}

} // namespace yomiwa::editor
