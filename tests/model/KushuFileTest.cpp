#include "model/KushuFile.h"
#include "model/KansoFile.h"
#include "tests/TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

ColourSet Simple() {
    ColourSet c;
    c.Values.fill(255);
    c[WholeBack] = -2147483633;
    return c;
}

Kushu SmallKushu() {
    Kushu k;
    k.Title = u"春"_s;
    k.Edition = u"一"_s;
    k.Password = u"a"_s;
    k.Entries = QList<KuEntry>(5);
    for (KuEntry& e : k.Entries)
        e.Colours = Simple();
    k.Entries[0].Commentary = u"序文"_s;
    k.Entries[1].Preface = u"前"_s;
    k.Entries[1].Verse = u"古a"_s;
    return k;
}

QString SimpleColourLines() {
    QString lines = u"-2147483633 \r\n"_s;
    for (int i = 1; i < 11; ++i)
        lines += u" 255 \r\n"_s;
    return lines;
}

QString SmallKushuText() {
    const QString c = SimpleColourLines();
    return u"春\r\n\r\n一\r\n170,\r\nJOSTART--\r\n"_s + c + u"序文\r\nJOEND--\r\n"_s +
           u"KUSTART--\r\n前\r\n-29428,170,\r\n\r\n"_s + c + u"\r\nKUEND--\r\n"_s +
           u"BATSUSTART--\r\n"_s + c + u"\r\nBATSUEND--\r\n"_s + u"PROFSTART--\r\n"_s + c +
           u"\r\nPROFEND--\r\n"_s + u"OKUSTART--\r\n"_s + c + u"\r\nOKUEND--\r\n"_s;
}

// The small collection's text with each `from` replaced by its `to`.
QString With(std::initializer_list<std::pair<QString, QString>> changes) {
    QString text = SmallKushuText();
    for (const auto& [from, to] : changes)
        text.replace(from, to);
    return text;
}

const QString CannotOpen = u"句集を開けません。\r"_s;

QString Blocks(const QStringList& comments) {
    QString text;
    for (const QString& c : comments)
        text += u"KANSOSTART--\r\n"_s + c + u"\r\nKANSOEND--\r\n"_s;
    return text;
}

const QString NotFitting = u"感想ファイル「春_一.kan」の内容が句集ファイルと整合しません。\r\n\r\n"
                           u"感想を読み込めません。"_s;

} // namespace

TEST(KushuFileLayout, WritesTheHandCheckedBytes) {
    Folder folder;
    ASSERT_EQ(WriteKushuFile(folder.Path(), SmallKushu()).error(), QString());
    EXPECT_EQ(ReadBytes(folder.File(u"春_一.Ywk"_s)), Sjis(SmallKushuText()));
    EXPECT_EQ(ReadKushuFile(folder.File(u"春_一.Ywk"_s)).Collection, SmallKushu());
}

TEST(KushuFileRoundTrip, RandomCollectionsReadBackAndRewriteByteForByte) {
    Random random(2024);
    for (int round = 0; round < 60; ++round) {
        const Kushu k = RandomKushu(random);
        const QByteArray file = SerializeKushu(k).value();
        const KushuReadResult read = ParseKushu(file);
        EXPECT_EQ(read.Collection, k) << "round " << round << read.Error.toStdString();
        EXPECT_EQ(SerializeKushu(read.Collection).value(), file);
    }
}

// Every collection shipped with the program reads and rewrites byte for byte, whatever samples
// are added later.
TEST(KushuFileRoundTrip, EverySampleRewritesByteForByte) {
    const QDir samples(QStringLiteral(YOMIWA_SAMPLES_DIR));
    const QStringList names = samples.entryList({u"*.Ywk"_s}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const KushuReadResult read = ReadKushuFile(samples.filePath(name));
        ASSERT_TRUE(read.Error.isEmpty()) << name.toStdString() << read.Error.toStdString();
        EXPECT_EQ(SerializeKushu(read.Collection).value(), ReadBytes(samples.filePath(name)));
    }
}

TEST(KushuFileRoundTrip, LineBreaksAndMarkersInsideTexts) {
    Kushu k = SmallKushu();
    k.Entries[1].Preface = u"a\nb"_s; // a lone LF is an ordinary character
    // The first commentary line always belongs to the commentary, even when it reads like
    // the end marker; other blocks' markers are text.
    k.Entries[1].Commentary = u"KUEND--"_s;
    k.Entries[4].Commentary = u"OKUEND--\r\n続き"_s;
    k.Entries[2].Commentary = u"x\ny\r\n\r\nz\r\n"_s; // ends in CR LF: an extra empty line
    k.Entries[3].Commentary = u"上\r下"_s;            // a lone CR comes back as CR LF
    const QByteArray file = SerializeKushu(k).value();
    k.Entries[3].Commentary = u"上\r\n下"_s;
    EXPECT_EQ(ParseKushu(file).Collection, k);
}

TEST(KushuFileReader, RefusesBrokenFilesWithAMessage) {
    struct Case {
        QString from, to, message;
    };
    // clang-format off
    const QList<Case> cases = {
        {u"170,\r\n"_s, u"17x,\r\n"_s, u"４行目（パスワード）のデータが不正です。"_s},
        {u"JOSTART--"_s, u"JOSTART-"_s, u"５行目のデータが不正です。"_s}, // keeps the header
        {u"-29428,170,"_s, u"-29428,99999,"_s, u"２１行目（句）のデータが不正です。"_s},
        // Read as the original reader does: lone CR endings, unchecked start lines other than
        // 序's, blanks around colours.
        {u"\r\n"_s, u"\r"_s, QString()},
        {u"KUSTART--"_s, u"なにか"_s, QString()},
        {u" 255 \r\n"_s, u"255\r\n"_s, QString()},
        {u"JOSTART--\r\n-2147483633 "_s, u"JOSTART--\r\n 2147483648"_s, u"６行目の色のデータが数値ではありません。"_s},
        {u"OKUEND--\r\n"_s, u"OKUEND-\r\n"_s, u"ファイルが途中で終わっています（「OKUEND--」がありません）。"_s},
    };
    // clang-format on
    for (const Case& c : cases) {
        const KushuReadResult read = ParseKushu(Sjis(With({{c.from, c.to}})));
        const Kushu& k = read.Collection;
        const bool header = c.message.startsWith(u"５"_s);
        EXPECT_EQ(read.Error, c.message.isEmpty() ? QString() : CannotOpen + c.message)
            << c.to.toStdString();
        EXPECT_EQ(read.HeaderRead, header);
        if (c.message.isEmpty())
            EXPECT_EQ(k, SmallKushu());
        else
            EXPECT_EQ(QStringList({k.Title, k.Author, k.Edition, k.Password}).join(u'|'),
                      header ? u"春||一|a"_s : u"|||"_s);
    }
    // Only the fault of line 5 delivers the header, not a file that ends before it.
    EXPECT_FALSE(ParseKushu(Sjis(u"春\r\n\r\n一\r\n170,\r\n"_s)).HeaderRead);

    // A byte that is not Shift-JIS is named by its line.
    QByteArray bytes = Sjis(SmallKushuText());
    bytes.replace(QByteArray("\x8f\x98\x95\xb6"), QByteArray("\x85\x40")); // 序文
    EXPECT_EQ(ParseKushu(bytes).Error,
              CannotOpen + u"１７行目にShift-JISとして読めない文字があります。"_s);
    // ... but a fault of line 5 that comes first is reported first.
    bytes.replace("JOSTART--", "JOSTART");
    EXPECT_EQ(ParseKushu(bytes).Error, CannotOpen + u"５行目のデータが不正です。"_s);
}

TEST(KushuFileReader, EveryTruncationIsRefusedAndNeverCrashes) {
    const Kushu k = MakeKushu(2);
    const QByteArray bytes = SerializeKushu(k).value();
    // Without its last CR LF the file is still complete; shorter, it is refused whole.
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        const KushuReadResult read = ParseKushu(bytes.first(n));
        const bool complete = n >= bytes.size() - 2;
        EXPECT_EQ(read.ok(), complete) << n;
        EXPECT_EQ(read.Error.startsWith(CannotOpen), !complete) << n;
        EXPECT_TRUE(complete ? read.Collection == k
                             : read.HeaderRead || read.Collection.Title.isEmpty());
    }
}

TEST(KushuFileReader, MoreHaikuThanTheProgramHoldsAreRefused) {
    QByteArray bytes = SerializeKushu(MakeKushu(MaxKuCount)).value();
    ASSERT_EQ(ParseKushu(bytes).Collection.KuCount(), MaxKuCount);
    const qsizetype first = bytes.indexOf("KUSTART--");
    bytes.insert(first, bytes.sliced(first, bytes.indexOf("KUSTART--", first + 1) - first));
    EXPECT_EQ(ParseKushu(bytes).Error, CannotOpen + u"句の数が２９９９７を超えています。"_s);
}

TEST(KushuFileWriter, RefusesWhatWouldNotReadBackTheSame) {
    const QString breaks = u"に改行が含まれています。"_s;
    const QString endLine =
        u"だけの行があります。\rこの行があると、句集を正しく読み込めなくなります。"_s;
    // clang-format off
    const auto field = [](QString Kushu::*member) { return [member](Kushu& k, const QString& text) { k.*member = text; }; };
    const auto entry = [](int index, QString KuEntry::*member) { return [=](Kushu& k, const QString& text) { k.Entries[index].*member = text; }; };
    const std::tuple<std::function<void(Kushu&, const QString&)>, QString, QString> cases[] = {
        {field(&Kushu::Title), u"春\r夏"_s, u"句集名"_s + breaks},
        {field(&Kushu::Author), u"a\r\nb"_s, u"作者名"_s + breaks},
        {field(&Kushu::Edition), u"\r"_s, u"版数"_s + breaks},
        {field(&Kushu::Password), u"pw\r"_s, u"パスワード"_s + breaks},
        {entry(1, &KuEntry::Preface), u"\r"_s, u"句「古a」の前書"_s + breaks},
        {entry(1, &KuEntry::Postscript), u"x\ry"_s, u"句「古a」の後書"_s + breaks},
        {entry(1, &KuEntry::Verse), u"古\r"_s, u"句「古\r」の句"_s + breaks},
        {entry(1, &KuEntry::Commentary), u"a\r\nKUEND--\r\nb"_s, u"句「古a」の解説・注釈に「KUEND--」"_s + endLine},
        {entry(4, &KuEntry::Commentary), u"a\rOKUEND--"_s, u"奥付の解説・注釈に「OKUEND--」"_s + endLine},
        {entry(2, &KuEntry::Commentary), u"〜"_s, u"跋の解説・注釈に、Shift-JISで保存できない文字「〜」(U+301C)があります。"_s},
        {entry(1, &KuEntry::Verse), u"古池😀"_s, u"句「古池😀」の句に、Shift-JISで保存できない文字「😀」(U+1F600)があります。"_s},
        // A line that is another block's marker, or a marker with more on its line, is text.
        {entry(1, &KuEntry::Commentary), u"a\r\nJOEND--\r\nKUEND-- "_s, {}},
    };
    // clang-format on
    for (const auto& [change, text, message] : cases) {
        Kushu k = SmallKushu();
        change(k, text);
        EXPECT_EQ(SerializeKushu(k).error(),
                  message.isEmpty() ? QString() : u"句集を保存できません。\r"_s + message);
    }
    Kushu k = SmallKushu();
    k.Entries = QList<KuEntry>(MaxKuCount + 5);
    EXPECT_EQ(SerializeKushu(k).error(),
              u"句集を保存できません。\r句の数が２９９９７を超えています。"_s);
}

TEST(KushuFileWriter, RefusalsLeaveTheFolderAsItWas) {
    Folder folder;
    // Names from inside a file may not lead out of the folder.
    Kushu k = SmallKushu();
    k.Title = u"../春"_s;
    EXPECT_TRUE(
        WriteKushuFile(folder.Path(), k).error().startsWith(u"句集を保存できません。\r句集名に"_s));
    EXPECT_TRUE(WriteKansoFile(folder.Path(), u"../春_一.kan"_s, {u"a"_s})
                    .error()
                    .startsWith(u"感想を保存できません。\r感想ファイル名に"_s));
    EXPECT_EQ(ReadKansoFile(folder.Path(), u"../春_一.kan"_s, 0).Status,
              KansoReadStatus::NotFitting);
    EXPECT_TRUE(QDir(folder.Path()).isEmpty());
}

TEST(KansoFile, WritesOneBlockPerEntryAndReadsItBack) {
    Folder folder;
    // No file: no comments, no message.
    EXPECT_EQ(ReadKansoFile(folder.Path(), u"春_一.kan"_s, 2).Status, KansoReadStatus::NoFile);
    const QStringList comments = {QString(), u"よい句\r\n二行目"_s, QString(),
                                  u"a\nb"_s, u"KANSOEND--"_s,       u"末尾\r\n"_s};
    ASSERT_EQ(WriteKansoFile(folder.Path(), u"春_一.kan"_s, comments).error(), QString());
    EXPECT_EQ(ReadBytes(folder.File(u"春_一.kan"_s)), Sjis(Blocks(comments)));
    EXPECT_EQ(ReadKansoFile(folder.Path(), u"春_一.kan"_s, 2).Comments, comments);
}

TEST(KansoFile, FilesThatDoNotFitTheCollection) {
    const QStringList six = {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s};
    EXPECT_EQ(ParseKanso(Sjis(Blocks(six)), 2, u"春_一.kan"_s).Status, KansoReadStatus::Ok);
    // One block short; the right count, but the last block has no end; not Shift-JIS.
    for (const QByteArray& bytes : {Sjis(Blocks(six.mid(0, 5))), Sjis(Blocks(six).chopped(12)),
                                    Sjis(Blocks(six)) + "\x85\x40"}) {
        const KansoReadResult read = ParseKanso(bytes, 2, u"春_一.kan"_s);
        EXPECT_EQ(read.Status, KansoReadStatus::NotFitting) << bytes.toStdString();
        EXPECT_EQ(read.Error, NotFitting);
    }
}

TEST(KansoFile, WriterRefusesCommentsThatWouldNotReadBack) {
    const QString head = u"感想を保存できません。\r"_s;
    const EntryLabeler label = [](int i) {
        return i == 1 ? u"句「古池や」"_s : u"序"_s;
    };
    EXPECT_EQ(SerializeKanso({u"a"_s, u"b\rKANSOEND--"_s}, label).error(),
              head + u"句「古池や」の感想に「KANSOEND--」だけの行があります。\r"
                     u"この行があると、感想を正しく読み込めなくなります。"_s);
    EXPECT_EQ(SerializeKanso({u"〜"_s}, label).error(),
              head + u"序の感想に、Shift-JISで保存できない文字「〜」(U+301C)があります。"_s);
    // A first line that reads like the end marker, a marker with more on its line: fine.
    EXPECT_TRUE(SerializeKanso({u"KANSOEND--"_s, u"KANSOSTART-- x"_s}).ok());
}
