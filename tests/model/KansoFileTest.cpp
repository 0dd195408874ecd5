// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KansoFile.h"
#include "tests/TestSupport.h"

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

} // namespace

TEST(KansoFile, WritesOneBlockPerEntryAndReadsItBack) {
    Folder folder;
    // No file yet: an empty comment for each entry, and no message.
    EXPECT_EQ(ReadKansoFile(folder.Path(), u"春_一.kan"_s, 2).value(), QStringList(6));
    const QStringList comments = {QString(), u"よい句\r\n二行目"_s, QString(),
                                  u"a\nb"_s, u"KANSOEND--"_s,       u"末尾\r\n"_s};
    ASSERT_TRUE(WriteKansoFile(folder.Path(), u"春_一.kan"_s, comments).ok());
    EXPECT_EQ(ReadBytes(folder.File(u"春_一.kan"_s)), Sjis(Blocks(comments)));
    EXPECT_EQ(ReadKansoFile(folder.Path(), u"春_一.kan"_s, 2).value(), comments);
}

TEST(KansoFile, FilesThatDoNotFitTheCollection) {
    const QStringList six = {u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s};
    EXPECT_EQ(ParseKanso(Sjis(Blocks(six)), 2, u"春_一.kan"_s).value(), six);
    // One block short; the last block without its end; not Shift-JIS (message: the window's).
    for (const QByteArray& bytes : {Sjis(Blocks(six.mid(0, 5))), Sjis(Blocks(six).chopped(12)),
                                    Sjis(Blocks(six)) + "\x85\x40"})
        EXPECT_EQ(ParseKanso(bytes, 2, u"春_一.kan"_s).kind(), ErrorKind::DoesNotFit);
}

TEST(KansoFile, WriterRefusesCommentsThatWouldNotReadBack) {
    const QString head = u"感想を保存できません。\r"_s;
    const EntryLabeler label = [](int i) {
        return i == 1 ? u"句「古池や」"_s : u"序"_s;
    };
    EXPECT_EQ(ErrorOf(SerializeKanso({u"a"_s, u"b\rKANSOEND--"_s}, label)),
              (Error{ErrorKind::Refused,
                     head + u"句「古池や」の感想に「KANSOEND--」だけの行があります。\r"
                            u"この行があると、感想を正しく読み込めなくなります。"_s}));
    // A character whose code would not read back as itself.
    EXPECT_EQ(SerializeKanso({u"a\uF86F"_s}).error(),
              head + u"1番目のページの感想に、Shift-JISで保存できない文字U+F86Fがあります。"_s);
    // A first line that reads like the end marker, a marker with more on its line: fine.
    EXPECT_TRUE(SerializeKanso({u"KANSOEND--"_s, u"KANSOSTART-- x"_s}).ok());
    // The name, taken from inside a collection file, may not lead out of the folder.
    Folder folder;
    EXPECT_TRUE(WriteKansoFile(folder.Path(), u"../春_一.kan"_s, {u"a"_s})
                    .error()
                    .startsWith(u"感想を保存できません。\r感想ファイル名に"_s));
    EXPECT_EQ(ReadKansoFile(folder.Path(), u"../春_一.kan"_s, 0).kind(), ErrorKind::Refused);
    EXPECT_TRUE(QDir(folder.Path()).isEmpty());
}
