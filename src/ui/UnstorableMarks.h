// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QLineEdit;
class QObject;
class QPlainTextEdit;

namespace yomiwa::ui {

// Marks, as they are typed, the characters a collection file cannot store: a wavy line under
// each, painted by an overlay over the field (input methods keep their own underlines), and
// their names in the field's tooltip, as the save message names them.
void MarkUnstorable(QLineEdit* field);
void MarkUnstorable(QPlainTextEdit* box);

// Where the field's marks are, as character ranges of its text (for tests and screen readers).
struct MarkedRange {
    int Begin = 0;
    int End = 0;
    bool operator==(const MarkedRange&) const = default;
};
QList<MarkedRange> UnstorableMarks(const QObject* field);

} // namespace yomiwa::ui
