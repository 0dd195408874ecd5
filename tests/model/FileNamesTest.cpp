// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FileNames.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

TEST(FileNames, CollectionAndCommentsNames) {
    EXPECT_EQ(
        (QStringList{KansoFileName(u"春"_s, u"第一版"_s), KansoFileName(u"春"_s, u"第十一版"_s),
                     KansoFileName(u"春"_s, u"第版"_s)}),
        (QStringList{u"春_一.kan"_s, u"春_十.kan"_s, u"春_版.kan"_s}));
    // A listed collection is found whatever the case of its extension; a name that is not
    // there keeps the program's own extension, for a new file.
    Folder folder;
    const QString app = folder.Path();
    WriteBytes(app + u"古池_一.YWK"_s, "x");
    EXPECT_EQ(CollectionFilePath(app, u"古池_一"_s), app + u"古池_一.YWK"_s);
    EXPECT_EQ(CollectionFilePath(app, u"古池"_s), app + u"古池.Ywk"_s);
}

TEST(FileNames, PartsThatCannotBeFileNamesAreRefused) {
    EXPECT_TRUE(CheckFileNamePart(u"春の句集 (改) ＊？"_s, u"句集名"_s).ok());
    for (const QString& bad : {u"..\\x"_s, u"春/秋"_s, u"c:"_s, u"*"_s, u"?"_s, u"\""_s, u"<"_s,
                               u">"_s, u"|"_s, u"\t"_s})
        EXPECT_FALSE(CheckFileNamePart(bad, u"句集名"_s).ok()) << bad.toStdString();
}
