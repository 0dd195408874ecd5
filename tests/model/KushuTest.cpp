// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Kushu.h"

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

// A row's text decides its kind exactly (labels and listing: see the files' messages and
// the reading window's pages).
TEST(Kushu, KindsFollowFromRowText) {
    using enum EntryKind;
    QList<EntryKind> kinds;
    for (const QString& row :
         {u"序"_s, u"跋"_s, u"プロフィール"_s, u"奥付"_s, u"跋 "_s, u"プロフィ｜ル"_s})
        kinds.append(KindOfRowText(row));
    EXPECT_EQ(kinds, (QList<EntryKind>{Jo, Batsu, Prof, Oku, Ku, Ku}));
}
