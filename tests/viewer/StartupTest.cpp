#include "ViewerFixture.h"

#include <QDir>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

using ViewerStartup = ViewerTest;

TEST_F(ViewerStartup, StartsEmptyAndASecondInstanceIsToldAndEnds) {
    Write(MakeKushu(1));
    Start();
    EXPECT_EQ(Shown() + Label(9)->text() + Label(10)->text(), u"||||-1:0|//||"_s);
    SharedState other;
    viewer::MainForm second(other, dialogs);
    EXPECT_FALSE(second.Form_Load(folder.Path().chopped(1)));
    EXPECT_EQ(OneMessage(Notice), u"【Yomiwa】はすでに起動されています。"_s);
    EXPECT_TRUE(other.AppFolder.isEmpty()); // nothing after the message ran
    Button(2)->click();                     // nothing open: nothing is written
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(QDir(folder.Path()).entryList({u"*.kan"_s}, QDir::Files), QStringList());
    form.reset(); // once the first has gone another may start
    EXPECT_TRUE(second.Form_Load(folder.Path().chopped(1)));
}

} // namespace
