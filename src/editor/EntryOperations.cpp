#include "editor/EntryOperations.h"

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

Outcome AddEntry(Kushu& collection, Origins& origins, const Selection& selection,
                 const EntryFields& fields, const ColourSet& shown) {
    if (std::optional<Outcome> refused = RefuseLineBreak(fields))
        return *refused;
    if (selection.Row < 0 || selection.Row >= collection.Entries.size())
        return Refuse(u"句を追加する位置を、リストから選択して下さい。"_s);
    const EntryKind kind = KindOfRowText(selection.RowText);
    if (kind == EntryKind::Batsu || kind == EntryKind::Prof || kind == EntryKind::Oku)
        return Refuse(u"跋より後には句を追加できません。"_s);
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
