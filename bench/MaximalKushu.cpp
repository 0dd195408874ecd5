// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/MaximalKushu.h"

#include <QFile>

namespace yomiwa::bench {

using namespace Qt::Literals::StringLiterals;

namespace {

// Texts are cut from this at positions that vary per entry, so no two entries are equal.
const QString Pool =
    u"古池や蛙飛びこむ水の音閑かさや岩にしみ入る蝉の声夏草や兵どもが夢の跡五月雨をあつめて早し最上"
    u"川"
    u"旅に病んで夢は枯野をかけ廻る荒海や佐渡によこたふ天河山路来て何やらゆかしすみれ草"
    u"この句は深川の草庵で詠まれたもので、春の静けさの中に一瞬の音を聞き取っている。"
    u"季語は蛙で春、切れ字の「や」が古池の静けさを際立たせる。元禄二年の旅の途中、"
    u"立石寺に参詣した折の作。岩に染み入るような蝉の声に、かえって山の静寂が深まる。"
    u"ｱｲｳｴｵ～ー｜①②Ⅰ纊髙﨑　、。「」"_s;

QString Cut(int seed, int length) {
    const int start = int((quint32(seed) * 2654435761u) % quint32(Pool.size() - length));
    return Pool.mid(start, length);
}

ColourSet DefaultColours(int seed) {
    ColourSet c;
    c.Values = {-2147483633, 12648447,    -2147483640, 8388608,     16512,      -2147483630,
                -2147483643, -2147483640, -2147483643, -2147483640, -2147483630};
    c[StripFill] = ColourValue((quint32(seed) * 40503u) & 0xFFFFFF);
    return c;
}

} // namespace

Kushu MaximalKushu(int kuCount) {
    Kushu k;
    k.Title = u"奥の細道"_s;
    k.Author = u"松尾芭蕉"_s;
    k.Edition = u"一"_s;
    k.Password = u"ふるいけ"_s;
    k.Entries = QList<KuEntry>(kuCount + 4);
    for (int i = 0; i < k.Entries.size(); ++i) {
        KuEntry& e = k.Entries[i];
        e.Colours = DefaultColours(i);
        if (KindOfIndex(i, kuCount) == EntryKind::Ku) {
            e.Preface = Cut(i, 9 + i % 3);
            e.Verse = Cut(i + 1, 17);
            e.Postscript = Cut(i + 2, 9 + i % 3);
            e.Commentary = Cut(i + 3, 38 + i % 5) + u"\r\n"_s + Cut(i + 4, 38 + i % 5);
        } else {
            e.Commentary = Cut(i, 60) + u"\r\n"_s + Cut(i + 1, 60) + u"\r\n"_s + Cut(i + 2, 30);
        }
    }
    return k;
}

Memory ProcessMemory() {
    Memory memory;
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return memory;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        // "VmHWM:    123456 kB"
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2)
            continue;
        const qint64 bytes = parts[1].toLongLong() * 1024;
        if (parts[0] == "VmHWM:")
            memory.PeakRss = bytes;
        else if (parts[0] == "VmRSS:")
            memory.Rss = bytes;
    }
    return memory;
}

bool ResetPeakRss() {
    QFile clear(u"/proc/self/clear_refs"_s);
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

} // namespace yomiwa::bench
