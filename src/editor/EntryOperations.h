// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"
#include "ui/Dialogs.h"

#include <QList>
#include <QString>

#include <optional>

namespace yomiwa::editor {

// The five buttons that change the entry array and the entry list together, without a
// window: each takes what the window shows and says what the window must do afterwards.
// Row i of the list is entry i; the layout 序, haiku, 跋, プロフィール, 奥付 always holds.

struct Selection {
    int Row = -1;    // the selected row; -1 when none is selected
    QString RowText; // its text
};

// The four fields of the entry being edited.
struct EntryFields {
    QString Preface;    // Text6
    QString Verse;      // Text5
    QString Postscript; // Text7
    QString Commentary; // Text1, CR LF between lines
    bool operator==(const EntryFields&) const = default;
};

enum class Field { None, Preface, Verse, Postscript, Commentary };

struct Prompt {
    QString Text = {};
    ui::MsgStyle Style = ui::MsgStyle::Ok;
    QString Title = {}; // empty: the program's own
    bool operator==(const Prompt&) const = default;
};

struct RowChange {
    enum class Kind { Insert, SetText, Remove };
    Kind What = Kind::SetText;
    int Row = 0;
    QString Text = {};
    bool operator==(const RowChange&) const = default;
};

struct Outcome {
    QList<RowChange> Rows = {}; // in the order they apply
    std::optional<int> Select = std::nullopt;
    bool ClearSelection = false;
    // Shown after the rows changed; or the refusal, when nothing changed.
    std::optional<Prompt> Message = std::nullopt;
    // Delete asks before it changes anything: answer Yes by calling it again, confirmed.
    std::optional<Prompt> Question = std::nullopt;
    Field Focus = Field::None;
    bool ClearFields = false; // empties Text1, Text5, Text6 and Text7, in this order
    bool operator==(const Outcome&) const = default;
};

// For each entry of the working collection, the index of the entry of the loaded file it came
// from, or NewEntry for one added since. Every operation keeps it in step with the entries,
// so that a save over that file can keep each reader's comment with its entry.
using Origins = QList<int>;
constexpr int NewEntry = -1;
// The entries of a file just loaded: each is its own origin.
Origins LoadedOrigins(int entryCount);

// Modifier bits of a mouse event: 1 Shift, 2 Ctrl, 4 Alt.
int ModifierBits(Qt::KeyboardModifiers modifiers);

// 句の追加: a new haiku after the selected row, made of the fields and the shown colours.
Outcome AddEntry(Kushu& collection, Origins& origins, const Selection& selection,
                 const EntryFields& fields, const ColourSet& shown);
// Where 句の追加 and まとめて追加 may add: after a selected row before 跋; else the refusal.
std::optional<Outcome> RefuseAddPlace(const Kushu& collection, const Selection& selection);
// まとめて追加: one haiku per line of a text after the selected row, in the shown colours;
// blank lines are skipped. The whole text is refused when a line holds a character the file
// cannot store (the lines are named) or when the haiku would not fit. Unconfirmed, a
// refusal or the question; confirmed, the haiku added.
Outcome AddVerses(Kushu& collection, Origins& origins, const Selection& selection,
                  const QString& text, const ColourSet& shown, bool confirmed);
// 句の変更: the fields and colours into the selected entry; with any modifier bit, the
// shown colours into every entry and no text anywhere. An entry changed stays the entry it
// was, with its origin.
Outcome ChangeEntry(Kushu& collection, const Selection& selection, const EntryFields& fields,
                    const ColourSet& shown, int modifiers);
// 句の削除: unconfirmed, a refusal or the question; confirmed, the deletion.
Outcome DeleteEntry(Kushu& collection, Origins& origins, const Selection& selection,
                    bool confirmed);
// 上に移動 and 下に移動: within the haiku rows only, silently nothing otherwise.
Outcome MoveEntryUp(Kushu& collection, Origins& origins, const Selection& selection);
Outcome MoveEntryDown(Kushu& collection, Origins& origins, const Selection& selection);

} // namespace yomiwa::editor
