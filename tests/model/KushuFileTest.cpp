// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KushuFile.h"
#include "tests/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

Kushu SmallKushu() {
    Kushu k;
    k.Title = u"春"_s;
    k.Edition = u"一"_s;
    k.Password = u"a"_s;
    k.Entries = QList<KuEntry>(5);
    for (KuEntry& e : k.Entries) {
        e.Colours.Values.fill(255);
        e.Colours[WholeBack] = -2147483633;
    }
    k.Entries[0].Commentary = u"序文"_s;
    k.Entries[1].Preface = u"前"_s;
    k.Entries[1].Verse = u"古a"_s;
    return k;
}

QString SmallKushuText() {
    QString c = u"-2147483633 \r\n"_s;
    for (int i = 1; i < 11; ++i)
        c += u" 255 \r\n"_s;
    return u"春\r\n\r\n一\r\n170,\r\nJOSTART--\r\n"_s + c + u"序文\r\nJOEND--\r\n"_s +
           u"KUSTART--\r\n前\r\n-29428,170,\r\n\r\n"_s + c + u"\r\nKUEND--\r\n"_s +
           u"BATSUSTART--\r\n"_s + c + u"\r\nBATSUEND--\r\n"_s + u"PROFSTART--\r\n"_s + c +
           u"\r\nPROFEND--\r\n"_s + u"OKUSTART--\r\n"_s + c + u"\r\nOKUEND--\r\n"_s;
}

const QString CannotOpen = u"句集を開けません。\r"_s;

Error Unreadable(const QString& reason) {
    return {ErrorKind::BadContent, CannotOpen + reason};
}

// Sets one text of a collection, for the writer's refusals.
using Change = std::function<void(Kushu&, const QString&)>;
Change Set(QString Kushu::*field) {
    return [field](Kushu& k, const QString& text) {
        k.*field = text;
    };
}
Change Set(int index, QString KuEntry::*field) {
    return [=](Kushu& k, const QString& text) {
        k.Entries[index].*field = text;
    };
}

} // namespace

TEST(KushuFile, WritesTheHandCheckedBytes) {
    Folder folder;
    ASSERT_TRUE(WriteKushuFile(folder.Path(), SmallKushu()).ok());
    EXPECT_EQ(ReadBytes(folder.File(u"春_一.Ywk"_s)), Sjis(SmallKushuText()));
    EXPECT_EQ(ReadKushuFile(folder.File(u"春_一.Ywk"_s)).value(), SmallKushu());
}

TEST(KushuFile, RandomCollectionsReadBackAndRewriteByteForByte) {
    Random random(2024);
    for (int round = 0; round < 60; ++round) {
        const Kushu k = RandomKushu(random);
        const QByteArray file = SerializeKushu(k).value();
        const Result<Kushu> read = ParseKushu(file);
        ASSERT_TRUE(read.ok()) << "round " << round << read.error().toStdString();
        EXPECT_EQ(read.value(), k) << "round " << round;
        EXPECT_EQ(SerializeKushu(read.value()).value(), file);
    }
}

// Every collection shipped with the program reads and rewrites byte for byte, whatever samples
// are added later.
TEST(KushuFile, EverySampleRewritesByteForByte) {
    const QDir samples(QStringLiteral(YOMIWA_SAMPLES_DIR));
    const QStringList names = samples.entryList({u"*.Ywk"_s}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const Result<Kushu> read = ReadKushuFile(samples.filePath(name));
        ASSERT_TRUE(read.ok()) << name.toStdString() << read.error().toStdString();
        EXPECT_EQ(SerializeKushu(read.value()).value(), ReadBytes(samples.filePath(name)));
    }
}

TEST(KushuFile, LineBreaksAndMarkersInsideTexts) {
    Kushu k = SmallKushu();
    // The first commentary line always belongs to the commentary, even when it reads like
    // the end marker; other blocks' markers are text.
    k.Entries[1].Commentary = u"KUEND--"_s;
    k.Entries[4].Commentary = u"OKUEND--\r\n続き"_s;
    k.Entries[3].Commentary = u"上\r下"_s; // a lone CR comes back as CR LF
    const QByteArray file = SerializeKushu(k).value();
    k.Entries[3].Commentary = u"上\r\n下"_s;
    EXPECT_EQ(ParseKushu(file).value(), k);
}

TEST(KushuFile, ReaderRefusesBrokenFilesWithAMessage) {
    const std::tuple<QString, QString, Error> cases[] = {
        // a text replaced, and the read
        {u"170,\r\n"_s, u"17x,\r\n"_s, Unreadable(u"４行目（パスワード）のデータが不正です。"_s)},
        {u"-29428,170,"_s, u"-29428,99999,"_s, Unreadable(u"２１行目（句）のデータが不正です。"_s)},
        // Read as the original reader does: lone CR endings, unchecked start lines other than
        // 序's, blanks around colours.
        {u"\r\n"_s, u"\r"_s, {}},
        {u"KUSTART--"_s, u"なにか"_s, {}},
        {u" 255 \r\n"_s, u"255\r\n"_s, {}},
        {u"JOSTART--\r\n-2147483633 "_s, u"JOSTART--\r\n 2147483648"_s,
         Unreadable(u"６行目の色のデータが数値ではありません。"_s)},
        {u"OKUEND--\r\n"_s, u"OKUEND-\r\n"_s,
         Unreadable(u"ファイルが途中で終わっています（「OKUEND--」がありません）。"_s)},
    };
    for (const auto& [from, to, error] : cases) {
        const Result<Kushu> read = ParseKushu(Sjis(SmallKushuText().replace(from, to)));
        EXPECT_EQ(ErrorOf(read), error) << to.toStdString();
        if (read.ok()) {
            EXPECT_EQ(read.value(), SmallKushu());
        }
    }
    // A file that ends right after its header is cut short, not a fault of line 5.
    EXPECT_EQ(ParseKushu(Sjis(u"春\r\n\r\n一\r\n170,\r\n"_s)).kind(), ErrorKind::BadContent);

    // A byte that is not Shift-JIS is named by its line...
    QByteArray bytes = Sjis(SmallKushuText());
    bytes.replace(QByteArray("\x8f\x98\x95\xb6"), QByteArray("\x85\x40")); // 序文
    EXPECT_EQ(ErrorOf(ParseKushu(bytes)),
              Unreadable(u"１７行目にShift-JISとして読めない文字があります。"_s));
    // ... but a fault of line 5 that comes first is reported first.
    bytes.replace("JOSTART--", "JOSTART");
    EXPECT_EQ(ParseKushu(bytes).kind(), ErrorKind::HeaderOnly);
}

TEST(KushuFile, EveryTruncationIsRefusedAndNeverCrashes) {
    const Kushu k = MakeKushu(2);
    const QByteArray bytes = SerializeKushu(k).value();
    // Without its last CR LF the file is still complete; shorter, it is refused whole.
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        const Result<Kushu> read = ParseKushu(bytes.first(n));
        ASSERT_EQ(read.ok(), n >= bytes.size() - 2) << n;
        EXPECT_TRUE(read.ok() ? read.value() == k : read.error().startsWith(CannotOpen)) << n;
    }
}

TEST(KushuFile, MoreHaikuThanTheProgramHoldsAreRefused) {
    QByteArray bytes = SerializeKushu(MakeKushu(MaxKuCount)).value();
    ASSERT_EQ(ParseKushu(bytes).value().KuCount(), MaxKuCount);
    const qsizetype first = bytes.indexOf("KUSTART--");
    bytes.insert(first, bytes.sliced(first, bytes.indexOf("KUSTART--", first + 1) - first));
    EXPECT_EQ(ErrorOf(ParseKushu(bytes)), Unreadable(u"句の数が２９９９７を超えています。"_s));
}

TEST(KushuFile, WriterRefusesWhatWouldNotReadBackTheSame) {
    const QString breaks = u"に改行が含まれています。"_s;
    const QString endLine =
        u"だけの行があります。\rこの行があると、句集を正しく読み込めなくなります。"_s;
    const QString noCode = u"に、Shift-JISで保存できない文字"_s;
    const std::tuple<Change, QString, QString> cases[] = {
        {Set(&Kushu::Title), u"春\r夏"_s, u"句集名"_s + breaks},
        {Set(&Kushu::Password), u"pw\r"_s, u"パスワード"_s + breaks},
        {Set(1, &KuEntry::Verse), u"古\r"_s, u"句「古\r」の句"_s + breaks},
        {Set(1, &KuEntry::Commentary), u"a\r\nKUEND--\r\nb"_s,
         u"句「古a」の解説・注釈に「KUEND--」"_s + endLine},
        {Set(4, &KuEntry::Commentary), u"a\rOKUEND--"_s,
         u"奥付の解説・注釈に「OKUEND--」"_s + endLine},
        // Every character of a field, each different one once.
        {Set(1, &KuEntry::Preface), u"鷗𠮷と鷗"_s,
         u"句「古a」の前書"_s + noCode + u"「鷗」(U+9DD7)、「𠮷」(U+20BB7)があります。"_s},
        // Its code in the converter's table would not read back as this character.
        {Set(1, &KuEntry::Verse), u"句\uF86F"_s,
         u"句「句\uF86F」の句"_s + noCode + u"U+F86Fがあります。"_s},
        // A line that is another block's marker, or a marker with more on its line, is text.
        {Set(1, &KuEntry::Commentary), u"a\r\nJOEND--\r\nKUEND-- "_s, {}},
    };
    for (const auto& [change, text, message] : cases) {
        Kushu k = SmallKushu();
        change(k, text);
        const Error refused = {ErrorKind::Refused, u"句集を保存できません。\r"_s + message};
        EXPECT_EQ(ErrorOf(SerializeKushu(k)), message.isEmpty() ? Error{} : refused);
    }
    // Every field that holds one, in file order, in one message.
    Kushu k = SmallKushu();
    k.Title = u"鷗"_s;
    k.Entries[2].Commentary = u"〜"_s;
    EXPECT_EQ(SerializeKushu(k).error(), u"句集を保存できません。\r句集名"_s + noCode +
                                             u"「鷗」(U+9DD7)があります。\r跋の解説・注釈"_s +
                                             noCode + u"「〜」(U+301C)があります。"_s);
    k = SmallKushu();
    k.Entries = QList<KuEntry>(MaxKuCount + 5);
    EXPECT_EQ(SerializeKushu(k).error(),
              u"句集を保存できません。\r句の数が２９９９７を超えています。"_s);
    // Names from inside a file may not lead out of the folder.
    Folder folder;
    k = SmallKushu();
    k.Title = u"../春"_s;
    EXPECT_TRUE(
        WriteKushuFile(folder.Path(), k).error().startsWith(u"句集を保存できません。\r句集名に"_s));
    EXPECT_TRUE(QDir(folder.Path()).isEmpty());
}
