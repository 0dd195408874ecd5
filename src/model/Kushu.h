// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>

namespace yomiwa {

// The eleven colours of a page, in the order they are kept in memory and in the file.
enum ColourSlot : int {
    WholeBack = 0,
    StripFill = 1,
    StripBorder = 2,
    PrefaceFore = 3,
    PostscriptFore = 4,
    VerseFore = 5,
    NoteBack = 6,
    NoteFore = 7,
    TitleBack = 8,
    TitleFore = 9,
    CaptionFore = 10,
};
constexpr int ColourSlotCount = 11;

// A colour value: 0x00BBGGRR for an RGB colour, 0x80000000 + n for system colour n
// (negative as a signed number).
using ColourValue = qint32;

constexpr ColourValue SystemColour(int n) {
    return qint32(0x80000000u + quint32(n));
}
constexpr bool IsSystemColour(ColourValue v) {
    return v < 0;
}

struct ColourSet {
    std::array<ColourValue, ColourSlotCount> Values{};

    ColourValue& operator[](int slot) { return Values[std::size_t(slot)]; }
    ColourValue operator[](int slot) const { return Values[std::size_t(slot)]; }
    bool operator==(const ColourSet&) const = default;
};

enum class EntryKind { Jo, Ku, Batsu, Prof, Oku };

struct KuEntry {
    QString Preface;
    QString Verse;
    QString Postscript;
    QString Commentary; // CR LF between lines
    ColourSet Colours;

    bool operator==(const KuEntry&) const = default;
};

} // namespace yomiwa

// A list of thirty thousand entries grows by moving memory, not entry by entry.
Q_DECLARE_TYPEINFO(yomiwa::KuEntry, Q_RELOCATABLE_TYPE);

namespace yomiwa {

// The entry arrays hold indices 0 to 30000; four of those places are the special pages.
constexpr int EntryCapacity = 30001;
constexpr int MaxKuCount = EntryCapacity - 4;

// A collection: the header and entries 0 to KuCount() + 3 (序, the haiku, 跋, プロフィール,
// 奥付). Entries holds exactly those, never the unused places above them.
struct Kushu {
    QString Title;
    QString Author;
    QString Edition;
    QString Password; // the decoded edit password; empty when the collection is unprotected
    QList<KuEntry> Entries = QList<KuEntry>(4);

    int KuCount() const { return int(Entries.size()) - 4; }
    bool operator==(const Kushu&) const = default;
};

// The texts by which the special pages appear in page lists.
QString KindName(EntryKind kind);

EntryKind KindOfIndex(int index, int kuCount);

// Index of the entry of a given kind; for Ku the first haiku.
int IndexOfKind(EntryKind kind, int kuCount);

// A row whose text is exactly one of the four page words is that special page.
EntryKind KindOfRowText(const QString& rowText);
bool IsSpecialRowText(const QString& rowText);

// A special page is listed in the viewer only when its commentary is longer than 2 characters.
bool IsListedInViewer(const QString& commentary);

// Maps a row of the viewer's page list back to its entry. Special pages have fixed places;
// any other row is a haiku, shifted by one when 序 is hidden (it still occupies entry 0).
int RowToEntry(int row, const QString& rowText, const QString& firstRowText, int kuCount);

// How an entry is named to the user: the page word, or the verse in brackets.
QString EntryLabel(const Kushu& kushu, int index);

} // namespace yomiwa
