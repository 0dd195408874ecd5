// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Kushu.h"
#include "tests/TestSupport.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

TEST(Kushu, KindsFollowFromIndexOrRowText) {
    using enum EntryKind;
    QList<EntryKind> kinds;
    for (int i = 0; i < 6; ++i)
        kinds.append(KindOfIndex(i, 2));
    // A row's text decides its kind exactly.
    for (const QString& row :
         {u"序"_s, u"跋"_s, u"プロフィール"_s, u"奥付"_s, u"跋 "_s, u"プロフィ｜ル"_s})
        kinds.append(KindOfRowText(row));
    EXPECT_EQ(kinds,
              (QList<EntryKind>{Jo, Ku, Ku, Batsu, Prof, Oku, Jo, Batsu, Prof, Oku, Ku, Ku}));
    // Special pages are listed only with more than two characters.
    EXPECT_TRUE(!IsListedInViewer(u"\r\n"_s) && IsListedInViewer(u"\r\n\r"_s));
    const Kushu k = MakeKushu(1);
    EXPECT_EQ((QStringList{EntryLabel(k, 1), EntryLabel(k, 2)}),
              (QStringList{u"句「古池や蛙飛びこむ水の音1」"_s, u"跋"_s}));
}
