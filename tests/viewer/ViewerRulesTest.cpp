#include "KushuFile.h"
#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

TEST(SampleCollections, EachReadsBackWholeUnderItsOwnName) {
    const QString folder = QStringLiteral(YOMIWA_SAMPLES_DIR);
    const QStringList names = QDir(folder).entryList({u"*.Ywk"_s}, QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const KushuReadResult read = ReadKushuFile(folder + name);
        ASSERT_TRUE(read.ok()) << name.toStdString() << read.Error.toStdString();
        const Kushu& k = read.Collection;
        EXPECT_EQ(name, k.Title + u"_"_s + k.Edition + u".Ywk"_s);
        EXPECT_TRUE(k.Password.isEmpty()) << "anyone may edit " << name.toStdString();
        // Written by the program's own writer: it writes the same bytes again.
        EXPECT_EQ(SerializeKushu(k).value(), test::ReadBytes(folder + name)) << name.toStdString();
    }
}
