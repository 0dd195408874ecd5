// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace yomiwa::search {

// A text as a search compares it: compatibility forms made plain (ＡＢＣ and ABC, ｶﾞ and ガ,
// ① and 1), katakana as hiragana, letters in one case. Every character keeps its place; a
// query and a text folded alike match where a reader expects.
QString FoldForSearch(QStringView text);

// Where a match lies in a field's own text, [Begin, End) in UTF-16 units.
struct TextRange {
    qsizetype Begin = 0;
    qsizetype End = 0;
    bool operator==(const TextRange&) const = default;
};

// Many fields folded into one text that a query is looked for in all at once, each with a
// way back from its folded form to its own text. A field typed with readings in the notation
// (蜩《ひぐらし》) is there twice: as its bases (蜩) and as its readings (ひぐらし); the
// notation's marks are in neither.
class FoldedFields {
public:
    // `tag` is the caller's name for the field, handed back with its matches. Empty texts are
    // not kept. False, keeping nothing of it, when the text would take the fields past what
    // they can hold (a thousand million characters, far above any collection).
    bool Add(qint64 tag, const QString& text);

    // Every match of a query folded by FoldForSearch, in the order the fields were added,
    // a field once with all its matches; `take` returns false to stop.
    void Find(QStringView foldedQuery,
              const std::function<bool(qint64 tag, const QString& text,
                                       const std::vector<TextRange>& matches)>& take) const;

    // The text added under `tag`, empty when none was; tags are added in rising order.
    QString Text(qint64 tag) const;

    // Done adding: frees what adding reserved beyond its needs, and counts the characters
    // that a long text's search starts from.
    void Finish();
    // The memory it holds.
    qsizetype Bytes() const;

private:
    // One form of one field.
    struct Record {
        qint64 Tag;
        qint32 Original; // the field's text in m_original
        qint32 OriginalSize;
        qint32 Folded; // its folded form in m_folded
        qint32 FoldedSize;
        qint32 FirstJump; // its entries in m_jumps
        qint32 JumpCount;
    };
    // A folded unit whose source is not the unit after the previous one's: a mark left out, a
    // half-width kana and its voiced mark made one, a ligature made several.
    struct Jump {
        qint32 Folded; // within the field's folded form
        qint32 Begin;  // its source within the field's text
        qint32 End;
    };

    void AddForm(qint64 tag, qint32 original, const QString& text,
                 const std::vector<TextRange>& parts);
    TextRange Source(const Record& record, qsizetype from, qsizetype to) const;
    qsizetype Pivot(QStringView query) const;

    QString m_original;
    QString m_folded; // the forms one after another, each followed by a NUL
    std::vector<Record> m_records;
    std::vector<Jump> m_jumps;
    std::vector<quint32> m_frequency; // of each UTF-16 unit in m_folded, for long texts
};

} // namespace yomiwa::search
