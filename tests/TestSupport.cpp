// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>

#include <QFile>
#include <QStringEncoder>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace yomiwa::test {

QStringList CloseRealBoxes(const std::function<void()>& act, bool enter) {
    QStringList texts;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&texts, enter] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texts.append(box->text());
            if (!enter)
                return box->done(0);
            // Where a reader's Enter goes: the button that has the focus, or the box.
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(box->focusWidget() ? box->focusWidget() : box, &key);
        }
    });
    closer.start(50);
    act();
    return texts;
}

void PrintTo(const Error& error, std::ostream* out) {
    static const char* const Kinds[] = {"CannotRead",  "TooLarge",   "BadContent",
                                        "HeaderOnly",  "DoesNotFit", "Refused",
                                        "CannotWrite", "Cancelled",  "Usage"};
    if (!error.Kind)
        *out << "no error";
    else
        *out << Kinds[int(*error.Kind)] << " \"" << error.Message.toStdString() << '"';
}

Folder::Folder() {
    EXPECT_TRUE(m_dir.isValid());
}

QString WithFileSizeLimit(qint64 limit, const std::function<QString()>& write) {
    std::signal(SIGXFSZ, SIG_IGN); // a failed write, not the end of the test
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit small{rlim_t(limit), old.rlim_max};
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString message = write();
    setrlimit(RLIMIT_FSIZE, &old);
    return message;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray Sjis(const QString& text) {
    QStringEncoder encoder("windows-31j");
    QByteArray bytes = encoder.encode(text);
    EXPECT_FALSE(encoder.hasError()) << text.toStdString();
    return bytes;
}

ColourSet Colours(int seed) {
    ColourSet c;
    if (seed == 0) {
        c.Values = {-2147483633, 12648447,    -2147483640, 8388608,     16512,      -2147483630,
                    -2147483643, -2147483640, -2147483643, -2147483640, -2147483630};
        return c;
    }
    for (int slot = 0; slot < ColourSlotCount; ++slot)
        c[slot] = ColourValue((quint32(seed) * 2654435761u + quint32(slot) * 40503u) & 0xFFFFFF);
    return c;
}

Kushu MakeKushu(int kuCount, const QString& title, const QString& edition) {
    Kushu k;
    k.Title = title;
    k.Author = QStringLiteral("芭蕉");
    k.Edition = edition;
    k.Entries = QList<KuEntry>(kuCount + 4);
    for (int i = 0; i < k.Entries.size(); ++i) {
        KuEntry& e = k.Entries[i];
        e.Colours = Colours(i + 1);
        e.Commentary = QStringLiteral("解説%1\r\n二行目").arg(i);
        if (KindOfIndex(i, kuCount) == EntryKind::Ku) {
            e.Preface = QStringLiteral("前書%1").arg(i);
            e.Verse = QStringLiteral("古池や蛙飛びこむ水の音%1").arg(i);
            e.Postscript = QStringLiteral("後書%1").arg(i);
        }
    }
    return k;
}

QString Random::Text(int maxLength) {
    static const QString pool =
        QStringLiteral("古池や蛙飛びこむ水の音閑かさや岩にしみ入る蝉の声あいうえおゃゅょっァィゥ"
                       "ーｰ｜～〜・、。「」『』（）〔〕…‥"
                       "ｱｲｳｴｵﾟﾞ①②Ⅰⅱ纊髙﨑№㈱≒∵￢"
                       "abcXYZ0129 !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~\n\t");
    const int length = Below(maxLength + 1);
    QString text;
    for (int i = 0; i < length; ++i) {
        QChar c = pool.at(Below(int(pool.size())));
        if (c == QChar(u'〜')) // U+301C has no code in this code page; use U+FF5E
            c = QChar(u'～');
        text += c;
    }
    return text;
}

Kushu RandomKushu(Random& random) {
    const int kuCount = random.Below(12);
    Kushu k{random.Text(8) + QStringLiteral("題"), random.Text(6), random.Text(2), random.Text(6),
            QList<KuEntry>(kuCount + 4)};
    for (int i = 0; i < k.Entries.size(); ++i) {
        KuEntry& e = k.Entries[i];
        for (ColourValue& value : e.Colours.Values)
            value = ColourValue(random.Next());
        e.Commentary = random.Text(30);
        for (int lines = random.Below(4); lines > 0; --lines)
            e.Commentary += QStringLiteral("\r\n") + random.Text(30);
        if (KindOfIndex(i, kuCount) == EntryKind::Ku)
            e = {random.Text(10), random.Text(17), random.Text(10), e.Commentary, e.Colours};
    }
    return k;
}

} // namespace yomiwa::test
