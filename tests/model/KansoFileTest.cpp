#include "KansoFile.h"
#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {
QString Blocks(const QStringList& comments) {
    QString text;
    for (const QString& c : comments)
        text += u"KANSOSTART--\r\n"_s + c + u"\r\nKANSOEND--\r\n"_s;
    return text;
}

const QString NotFitting = u"感想ファイル「春_一.kan」の内容が句集ファイルと整合しません。\r\n\r\n"
                           u"感想を読み込めません。"_s;
} // namespace

TEST(KansoFile, WritesOneBlockPerEntryAndReadsItBack) {
    Folder folder;
    const KansoReadResult none = ReadKansoFile(folder.Path(), u"春_一.kan"_s, 2);
    EXPECT_EQ(none.Status, KansoReadStatus::NoFile); // no file: no comments, no message
    EXPECT_TRUE(none.Error.isEmpty());

    const QStringList comments = {QString(), u"よい句\r\n二行目"_s, QString(),
                                  u"a\nb"_s, u"KANSOEND--"_s,       u"末尾\r\n"_s};
    ASSERT_EQ(WriteKansoFile(folder.Path(), u"春_一.kan"_s, comments), QString());
    const QByteArray bytes = ReadBytes(folder.File(u"春_一.kan"_s));
    EXPECT_EQ(bytes, Sjis(Blocks(comments)));
    const KansoReadResult read = ReadKansoFile(folder.Path(), u"春_一.kan"_s, 2);
    EXPECT_EQ(read.Status, KansoReadStatus::Ok);
    EXPECT_EQ(read.Comments, comments);
}

TEST(KansoFile, FilesThatDoNotFitTheCollection) {
    const QStringList six = {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s};
    EXPECT_EQ(ParseKanso(Sjis(Blocks(six)), 2, u"春_一.kan"_s).Status, KansoReadStatus::Ok);
    for (const QString& text : {Blocks(six.mid(0, 5)), Blocks(six + QStringList{u"g"_s}),
                                // a comment line that is a start marker is counted as a block
                                Blocks({u"a"_s, u"b\r\nKANSOSTART--"_s, u"c"_s, u"d"_s, u"e"_s}),
                                // the right count, but the last block has no end
                                Blocks(six).chopped(strlen("KANSOEND--\r\n")),
                                // the right count, but the file ends right after a start line
                                Blocks(six.mid(0, 5)) + u"KANSOSTART--"_s}) {
        const KansoReadResult read = ParseKanso(Sjis(text), 2, u"春_一.kan"_s);
        EXPECT_EQ(read.Status, KansoReadStatus::NotFitting) << text.toStdString();
        EXPECT_EQ(read.Error, NotFitting);
        EXPECT_TRUE(read.Comments.isEmpty());
    }
    // Bytes that are not Shift-JIS do not fit either.
    EXPECT_EQ(ParseKanso(Sjis(Blocks(six)) + "\x85\x40", 2, u"春_一.kan"_s).Status,
              KansoReadStatus::NotFitting);
}

TEST(KansoFile, ReaderKeepsTheOriginalLineRules) {
    // Lone CR endings, an unchecked start line, a first line that reads like the end marker.
    const QString text = u"KANSOSTART--\rKANSOEND--\rx\rKANSOEND--\r"_s
                         u"KANSOSTART--\r\n\r\nKANSOEND--\r\n"_s
                         u"なにか\r\nline\nwith LF\r\nKANSOEND--\r\nKANSOSTART--\r\n"_s
                         u"KANSOSTART--\r\nlast\r\nKANSOEND--"_s;
    // Four start lines for four entries; the third block's start line is "なにか".
    const std::optional<QStringList> blocks = ParseKansoBlocks(Sjis(text));
    ASSERT_TRUE(blocks);
    EXPECT_EQ(*blocks, (QStringList{u"KANSOEND--\r\nx"_s, QString(), u"line\nwith LF"_s,
                                    u"KANSOSTART--\r\nlast"_s}));
    EXPECT_EQ(ParseKanso(Sjis(text), 0, u"春_一.kan"_s).Status, KansoReadStatus::Ok);
}

TEST(KansoFile, WriterRefusesCommentsThatWouldNotReadBack) {
    const QString head = u"感想を保存できません。\r"_s;
    EXPECT_EQ(SerializeKanso({u"a"_s, u"x\r\nKANSOSTART--"_s}).Error,
              head + u"2番目のページの感想に「KANSOSTART--」だけの行があります。\r"
                     u"この行があると、感想を正しく読み込めなくなります。"_s);
    EXPECT_EQ(SerializeKanso({u"KANSOSTART--"_s}).Error.section(u'\r', 1, 1),
              u"1番目のページの感想に「KANSOSTART--」だけの行があります。"_s);
    const EntryLabeler label = [](int i) {
        return i == 1 ? u"句「古池や」"_s : u"序"_s;
    };
    EXPECT_EQ(SerializeKanso({u"a"_s, u"b\rKANSOEND--"_s}, label).Error,
              head + u"句「古池や」の感想に「KANSOEND--」だけの行があります。\r"
                     u"この行があると、感想を正しく読み込めなくなります。"_s);
    EXPECT_EQ(SerializeKanso({u"〜"_s}, label).Error,
              head + u"序の感想に、Shift-JISで保存できない文字「〜」(U+301C)があります。"_s);
    // A first line that reads like the end marker, a marker with more on its line: fine.
    EXPECT_TRUE(SerializeKanso({u"KANSOEND--"_s, u"KANSOSTART-- x"_s}).ok());

    // A lone CR is a line break and comes back as CR LF.
    const SerializedKanso file = SerializeKanso({u"上\r下"_s});
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(ParseKansoBlocks(file.Bytes), QStringList{u"上\r\n下"_s});
}

TEST(KansoFile, WriteFailuresAndUnsafeNames) {
    Folder folder;
    EXPECT_EQ(WriteKansoFile(folder.Path() + u"missing/"_s, u"春_一.kan"_s, {u"a"_s}),
              u"ファイル「春_一.kan」を保存できません。\r"
              u"フォルダに書き込めません。"_s);
    // The title inside a collection file names the comments file: it may not leave the folder.
    EXPECT_TRUE(WriteKansoFile(folder.Path(), u"../春_一.kan"_s, {u"a"_s})
                    .startsWith(u"感想を保存できません。\r感想ファイル名に"_s));
    EXPECT_EQ(ReadKansoFile(folder.Path(), u"../春_一.kan"_s, 0).Status,
              KansoReadStatus::NotFitting);
    EXPECT_TRUE(QDir(folder.Path()).isEmpty());
}
