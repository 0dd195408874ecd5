// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Kushu.h"

namespace yomiwa {

using namespace Qt::Literals::StringLiterals;

QString KindName(EntryKind kind) {
    switch (kind) {
    case EntryKind::Jo:
        return u"序"_s;
    case EntryKind::Batsu:
        return u"跋"_s;
    case EntryKind::Prof:
        return u"プロフィール"_s;
    case EntryKind::Oku:
        return u"奥付"_s;
    case EntryKind::Ku:
        break;
    }
    return u"句"_s;
}

EntryKind KindOfIndex(int index, int kuCount) {
    if (index <= 0)
        return EntryKind::Jo;
    if (index <= kuCount)
        return EntryKind::Ku;
    if (index == kuCount + 1)
        return EntryKind::Batsu;
    if (index == kuCount + 2)
        return EntryKind::Prof;
    return EntryKind::Oku;
}

int IndexOfKind(EntryKind kind, int kuCount) {
    switch (kind) {
    case EntryKind::Jo:
        return 0;
    case EntryKind::Ku:
        return 1;
    case EntryKind::Batsu:
        return kuCount + 1;
    case EntryKind::Prof:
        return kuCount + 2;
    case EntryKind::Oku:
        return kuCount + 3;
    }
    return 0;
}

EntryKind KindOfRowText(const QString& rowText) {
    for (EntryKind kind : {EntryKind::Jo, EntryKind::Batsu, EntryKind::Prof, EntryKind::Oku}) {
        if (rowText == KindName(kind))
            return kind;
    }
    return EntryKind::Ku;
}

bool IsSpecialRowText(const QString& rowText) {
    return KindOfRowText(rowText) != EntryKind::Ku;
}

bool IsListedInViewer(const QString& commentary) {
    return commentary.size() > 2;
}

int RowToEntry(int row, const QString& rowText, const QString& firstRowText, int kuCount) {
    const EntryKind kind = KindOfRowText(rowText);
    if (kind != EntryKind::Ku)
        return IndexOfKind(kind, kuCount);
    return firstRowText == KindName(EntryKind::Jo) ? row : row + 1;
}

QString EntryLabel(const Kushu& kushu, int index) {
    const EntryKind kind = KindOfIndex(index, kushu.KuCount());
    if (kind != EntryKind::Ku)
        return KindName(kind);
    return u"句「"_s + kushu.Entries.at(index).Verse + u"」"_s;
}

} // namespace yomiwa
