// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchText.h"

#include "model/RubyText.h"

#include <algorithm>
#include <limits>

namespace yomiwa::search {

namespace {

// Whether NFKC leaves a character of the Basic Multilingual Plane as it is; worked out once
// for all of them, since a collection has millions of characters and few need normalising.
bool StableInBmp(char16_t c) {
    static const std::vector<bool> stable = [] {
        std::vector<bool> table(0x10000, false);
        for (char32_t u = 0; u < 0x10000; ++u) {
            if (QChar::isSurrogate(u))
                continue;
            if (QChar::decompositionTag(u) == QChar::NoDecomposition) {
                table[u] = true;
                continue;
            }
            const QString alone = QChar(char16_t(u));
            table[u] = alone.normalized(QString::NormalizationForm_KC) == alone;
        }
        return table;
    }();
    return stable[c];
}

// Marks that make one character with the one before them: combining marks, and the
// half-width voiced marks, which NFKC turns into combining ones.
bool Joins(char32_t u) {
    return QChar::combiningClass(u) > 0 || u == 0xFF9E || u == 0xFF9F;
}

char32_t FoldChar(char32_t c) {
    c = QChar::toCaseFolded(c);
    if ((c >= 0x30A1 && c <= 0x30F6) || c == 0x30FD || c == 0x30FE) // katakana, ヽヾ
        return c - 0x60;
    return c == 0 ? 0xFFFD : c; // NUL stands between the fields of a folded text
}

void AppendCodePoint(QString& out, char32_t c) {
    if (c < 0x10000) {
        out.append(QChar(char16_t(c)));
    } else {
        out.append(QChar(QChar::highSurrogate(c)));
        out.append(QChar(QChar::lowSurrogate(c)));
    }
}

char32_t CodePointAt(QStringView text, qsizetype& i, qsizetype end) {
    const QChar c = text[i++];
    if (c.isHighSurrogate() && i < end && text[i].isLowSurrogate())
        return QChar::surrogateToUcs4(c, text[i++]);
    return c.unicode();
}

// Appends the folded form of text[from, to) to `out`, telling `unit` where in `out` each unit
// went and its source: its own unit where the form keeps the length, else the whole
// character.
template <typename Unit>
void AppendFolded(QStringView text, qsizetype from, qsizetype to, QString& out, Unit&& unit) {
    QString normal;
    for (qsizetype i = from; i < to;) {
        qsizetype next = i;
        const char32_t c = CodePointAt(text, next, to);
        qsizetype end = next;
        for (qsizetype k = end; k < to && Joins(CodePointAt(text, k, to));)
            end = k;
        const qsizetype start = out.size();
        if (end == next && (c < 0x10000 ? StableInBmp(char16_t(c))
                                        : QChar::decompositionTag(c) == QChar::NoDecomposition)) {
            AppendCodePoint(out, FoldChar(c));
        } else {
            normal = text.sliced(i, end - i).toString().normalized(QString::NormalizationForm_KC);
            for (char32_t n : normal.toUcs4())
                AppendCodePoint(out, FoldChar(n));
        }
        const qsizetype added = out.size() - start;
        for (qsizetype n = 0; n < added; ++n) {
            if (added == end - i)
                unit(start + n, i + n, i + n + 1);
            else
                unit(start + n, i, end);
        }
        i = end;
    }
}

// Where each reading typed in the notation stands in its field's text: the ｜ that opens a
// base (when typed), the base, the reading between 《 and 》.
struct Notation {
    qsizetype Mark; // the ｜, or the base where there is none
    qsizetype Base;
    qsizetype Open;  // the 《
    qsizetype Close; // the 》
};

std::vector<Notation> NotationsOf(const QString& text) {
    std::vector<Notation> found;
    if (!text.contains(u'《'))
        return found;
    // The parsed text is the field's with each notation's marks and reading left out: a
    // base keeps its place shifted by what was left out before it.
    qsizetype shift = 0;
    for (const RubyText::Ruby& ruby : ParseRuby(text).rubies) {
        const qsizetype mark = ruby.begin + shift;
        const qsizetype base = text[mark] == u'｜' ? mark + 1 : mark;
        const qsizetype open = base + (ruby.end - ruby.begin);
        const qsizetype close = open + 1 + ruby.reading.size();
        found.push_back({mark, base, open, close});
        shift += (base - mark) + 2 + ruby.reading.size();
    }
    return found;
}

} // namespace

QString FoldForSearch(QStringView text) {
    QString folded;
    folded.reserve(text.size());
    AppendFolded(text, 0, text.size(), folded, [](qsizetype, qsizetype, qsizetype) {});
    return folded;
}

bool FoldedFields::Add(qint64 tag, const QString& text) {
    // Positions are kept in 32 bits; NFKC makes at most 18 characters of one, and a text with
    // readings is there twice.
    constexpr qsizetype Capacity = std::numeric_limits<qint32>::max();
    if (m_original.size() + text.size() > Capacity / 2 ||
        m_folded.size() + 36 * (text.size() + 1) > Capacity)
        return false;
    if (text.isEmpty())
        return true;
    const qint32 original = qint32(m_original.size());
    m_original += text;
    const std::vector<Notation> notations = NotationsOf(text);
    if (notations.empty()) {
        AddForm(tag, original, text, {{0, text.size()}});
        return true;
    }
    std::vector<TextRange> bases, readings;
    qsizetype from = 0;
    for (const Notation& n : notations) {
        bases.insert(bases.end(), {{from, n.Mark}, {n.Base, n.Open}});
        readings.insert(readings.end(), {{from, n.Mark}, {n.Open + 1, n.Close}});
        from = n.Close + 1;
    }
    bases.push_back({from, text.size()});
    readings.push_back({from, text.size()});
    AddForm(tag, original, text, bases);
    AddForm(tag, original, text, readings);
    return true;
}

void FoldedFields::AddForm(qint64 tag, qint32 original, const QString& text,
                           const std::vector<TextRange>& parts) {
    const qint32 start = qint32(m_folded.size());
    const qint32 firstJump = qint32(m_jumps.size());
    qsizetype previousEnd = 0;
    auto unit = [&](qsizetype at, qsizetype begin, qsizetype end) {
        if (begin != previousEnd || end != begin + 1)
            m_jumps.push_back({qint32(at - start), qint32(begin), qint32(end)});
        previousEnd = end;
    };
    for (const TextRange& part : parts)
        AppendFolded(text, part.Begin, part.End, m_folded, unit);
    const qint32 size = qint32(m_folded.size()) - start;
    if (size > 0) {
        m_records.push_back({tag, original, qint32(text.size()), start, size, firstJump,
                             qint32(m_jumps.size()) - firstJump});
        m_folded.append(QChar(u'\0'));
    }
}

void FoldedFields::Finish() {
    m_original.squeeze();
    m_folded.squeeze();
    m_records.shrink_to_fit();
    m_jumps.shrink_to_fit();
    // A short text is searched from the query's first character; a long one from its rarest.
    if (m_folded.size() < 0x10000)
        return;
    m_frequency.assign(0x10000, 0);
    for (QChar c : std::as_const(m_folded))
        ++m_frequency[c.unicode()];
}

qsizetype FoldedFields::Bytes() const {
    return (m_original.capacity() + m_folded.capacity()) * qsizetype(sizeof(QChar)) +
           qsizetype(m_records.capacity() * sizeof(Record) + m_jumps.capacity() * sizeof(Jump) +
                     m_frequency.capacity() * sizeof(quint32));
}

qsizetype FoldedFields::Pivot(QStringView query) const {
    if (m_frequency.empty())
        return 0;
    qsizetype rarest = 0;
    for (qsizetype i = 1; i < query.size(); ++i) {
        if (m_frequency[query[i].unicode()] < m_frequency[query[rarest].unicode()])
            rarest = i;
    }
    return rarest;
}

TextRange FoldedFields::Source(const Record& record, qsizetype from, qsizetype to) const {
    const Jump* first = m_jumps.data() + record.FirstJump;
    const Jump* last = first + record.JumpCount;
    auto at = [first, last](qsizetype unit) -> TextRange {
        const Jump* jump = std::upper_bound(
            first, last, unit, [](qsizetype u, const Jump& j) { return u < j.Folded; });
        if (jump == first)
            return {unit, unit + 1};
        --jump;
        if (jump->Folded == unit)
            return {jump->Begin, jump->End};
        const qsizetype begin = jump->End + (unit - jump->Folded - 1);
        return {begin, begin + 1};
    };
    return {at(from).Begin, at(to - 1).End};
}

QString FoldedFields::Text(qint64 tag) const {
    const auto record =
        std::lower_bound(m_records.begin(), m_records.end(), tag,
                         [](const Record& r, qint64 wanted) { return r.Tag < wanted; });
    if (record == m_records.end() || record->Tag != tag)
        return {};
    return m_original.sliced(record->Original, record->OriginalSize);
}

void FoldedFields::Find(
    QStringView query,
    const std::function<bool(qint64, const QString&, const std::vector<TextRange>&)>& take) const {
    if (query.isEmpty() || query.contains(u'\0') || m_records.empty())
        return;
    const QStringView folded(m_folded);
    const qsizetype pivot = Pivot(query);
    const QChar pivotChar = query[pivot];
    auto record = m_records.begin();
    const Record* field = nullptr; // the field whose matches are being gathered
    std::vector<TextRange> matches;
    auto hand = [&]() {
        std::sort(matches.begin(), matches.end(), [](const TextRange& a, const TextRange& b) {
            return a.Begin != b.Begin ? a.Begin < b.Begin : a.End < b.End;
        });
        matches.erase(std::unique(matches.begin(), matches.end()), matches.end());
        const bool more =
            take(field->Tag, m_original.sliced(field->Original, field->OriginalSize), matches);
        matches.clear();
        return more;
    };
    for (qsizetype at = folded.indexOf(pivotChar, pivot); at >= 0;
         at = folded.indexOf(pivotChar, at + 1)) {
        const qsizetype start = at - pivot;
        if (start + query.size() > folded.size())
            break;
        if (folded.sliced(start, query.size()) != query)
            continue;
        record = std::upper_bound(record, m_records.end(), start,
                                  [](qsizetype s, const Record& r) { return s < r.Folded; }) -
                 1;
        if (field && field->Original != record->Original && !hand())
            return;
        field = &*record;
        matches.push_back(
            Source(*record, start - record->Folded, start - record->Folded + query.size()));
    }
    if (field)
        hand();
}

} // namespace yomiwa::search
