#pragma once

#include "Kushu.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

namespace yomiwa::test {

// A private folder for one test, its path ending in the separator like AppFolder.
class Folder {
public:
    Folder();
    QString Path() const { return m_dir.path() + QLatin1Char('/'); }
    QString File(const QString& name) const { return Path() + name; }

private:
    QTemporaryDir m_dir;
};

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
QByteArray Sjis(const QString& text);

// A deterministic colour set; seed 0 gives the editor's default colours.
ColourSet Colours(int seed);

// A collection with kuCount haiku and every special page filled, texts distinct per entry.
Kushu MakeKushu(int kuCount, const QString& title = QStringLiteral("春"),
                const QString& edition = QStringLiteral("一"));

// Small deterministic generator for property-style tests.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : m_state(seed * 2654435761u + 1) {}
    std::uint32_t Next();
    int Below(int n) { return int(Next() % std::uint32_t(n)); }
    // A text of Shift-JIS characters: kanji, kana, half-width katakana, ASCII, symbols,
    // the NEC and IBM extensions, lone LF; never CR.
    QString Text(int maxLength);

private:
    std::uint64_t m_state;
};

// A collection with random texts (never a CR, always a title) and colours in every field.
Kushu RandomKushu(Random& random);

} // namespace yomiwa::test
