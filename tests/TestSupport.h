// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"
#include "model/Result.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <optional>
#include <ostream>

// Failed comparisons of texts show the text, not its UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace yomiwa::test {

// A result's error as one value to compare: its kind and message, or none (Error{}) when
// the result is ok.
struct Error {
    std::optional<ErrorKind> Kind; // none: no error
    QString Message;
    bool operator==(const Error&) const = default;
};
template <typename T> Error ErrorOf(const Result<T>& result) {
    return result.ok() ? Error{} : Error{result.kind(), result.error()};
}
void PrintTo(const Error& error, std::ostream* out);

// A private folder for one test, its path ending in the separator like AppFolder.
class Folder {
public:
    Folder();
    QString Path() const { return m_dir.path() + QLatin1Char('/'); }
    QString File(const QString& name) const { return Path() + name; }

private:
    QTemporaryDir m_dir;
};

// Runs `act` while every real message box it opens is closed as soon as it shows (by the Enter
// key when `enter`); returns the texts of the boxes. For the one check per window that goes
// through a real modal box.
QStringList CloseRealBoxes(const std::function<void()>& act, bool enter = false);

// Runs `write` with files limited to `limit` bytes, which makes a write fail part way as a
// full disk does; returns its message.
QString WithFileSizeLimit(qint64 limit, const std::function<QString()>& write);

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray Sjis(const QString& text);

// A deterministic colour set; seed 0 gives the editor's default colours.
ColourSet Colours(int seed);

// A collection with kuCount haiku and every special page filled, texts distinct per entry.
Kushu MakeKushu(int kuCount, const QString& title = QStringLiteral("春"),
                const QString& edition = QStringLiteral("一"));

// A seeded generator: every run of a property test sees the same cases.
class Random {
public:
    explicit Random(quint32 seed)
        : m_generator(seed) {}
    quint32 Next() { return m_generator.generate(); }
    int Below(int n) { return int(m_generator.bounded(quint32(n))); }
    // A text of Shift-JIS characters: kanji, kana, half-width katakana, ASCII, symbols,
    // the NEC and IBM extensions, lone LF; never CR.
    QString Text(int maxLength);

private:
    QRandomGenerator m_generator;
};

// A collection with random texts (never a CR, always a title) and colours in every field.
Kushu RandomKushu(Random& random);

} // namespace yomiwa::test
