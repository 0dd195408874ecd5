#include "BoxText.h"
#include "ColourValues.h"
#include "Shapes.h"
#include "SingleInstance.h"
#include "StripColumn.h"
#include "TestSupport.h"
#include "Twips.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::ui;
using namespace Qt::Literals::StringLiterals;

TEST(Twips, FifteenTwipsToAPixel) {
    EXPECT_EQ(Px(2715), 181);
    EXPECT_EQ(Px(11760), 784);
    EXPECT_EQ(Px(8115), 541);
    EXPECT_EQ(TwipsRect(120, 60, 2715, 7995), QRect(8, 4, 181, 533));
    EXPECT_EQ(Px(1), 0);
    EXPECT_EQ(Px(8), 1);
}

TEST(ColourValues, RgbBytesAndSystemColours) {
    EXPECT_EQ(ToQColor(0x00C0FFFF), QColor(0xFF, 0xFF, 0xC0)); // red in the lowest byte
    EXPECT_EQ(ToQColor(0x00800000), QColor(0, 0, 0x80));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56)), 0x00563412);
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(ToQColor(SystemColour(15)), palette.color(QPalette::Button));
    EXPECT_EQ(ToQColor(SystemColour(5)), palette.color(QPalette::Base));
    EXPECT_EQ(ToQColor(SystemColour(8)), palette.color(QPalette::WindowText));
    EXPECT_EQ(ToQColor(SystemColour(18)), palette.color(QPalette::ButtonText));
    EXPECT_TRUE(ToQColor(SystemColour(999)).isValid()); // names nothing: still a colour
}

TEST(ColourValues, ControlsKeepTheValueTheyWereGiven) {
    QWidget window;
    auto* label = new QLabel(&window);
    auto* box = new QPlainTextEdit(&window);
    SetBackColour(&window, SystemColour(15));
    SetForeColour(label, SystemColour(18));
    SetBackColour(box, 0x00C0FFFF);
    SetForeColour(box, SystemColour(8));
    EXPECT_EQ(BackColour(&window), -2147483633);
    EXPECT_EQ(ForeColour(label), -2147483630);
    EXPECT_EQ(BackColour(box), 12648447);
    EXPECT_EQ(ForeColour(box), -2147483640);
    // ... and paint the resolved colour.
    EXPECT_EQ(window.palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(label->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::ButtonText));
    EXPECT_EQ(box->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xC0));
}

TEST(BoxText, TextsCrossTheBoxUnchanged) {
    QPlainTextEdit box;
    for (const QString& text : {QString(), u"一行"_s, u"一\r\n二\r\n"_s, u"\r\n"_s, u"a\nb\r\nc"_s,
                                u"\n\n"_s, u"　全角　\t"_s}) {
        SetBoxText(&box, text);
        EXPECT_EQ(BoxText(&box), text) << text.toStdString();
    }
    // A lone CR is a line break, as the files read it back.
    SetBoxText(&box, u"上\r下"_s);
    EXPECT_EQ(BoxText(&box), u"上\r\n下"_s);
    EXPECT_EQ(box.toPlainText(), u"上\n下"_s);
}

TEST(StripColumn, OneCharacterUnderTheOtherAndNothingElse) {
    QWidget window;
    window.resize(100, 200);
    auto* column = new StripColumn(&window);
    column->setGeometry(10, 10, 25, 60);
    column->setFont(QFont(u"IPAMincho"_s, 12));
    column->SetCaption(u"古池😀ab"_s);
    EXPECT_EQ(column->Cells(), (QStringList{u"古"_s, u"池"_s, u"😀"_s, u"a"_s, u"b"_s}));
    EXPECT_GT(column->LineHeight(), 0);

    // No background: a column over a coloured window leaves it showing where no text is.
    SetBackColour(&window, 0x0000FF00);
    SetForeColour(column, 0x00FF0000);
    const QImage image = window.grab().toImage();
    EXPECT_EQ(image.pixelColor(10 + 24, 10 + 59), QColor(0, 0xFF, 0));
    bool inked = false;
    for (int y = 10; y < 10 + column->LineHeight(); ++y)
        for (int x = 10; x < 35; ++x)
            inked = inked || image.pixelColor(x, y) != QColor(0, 0xFF, 0);
    EXPECT_TRUE(inked);
    // Nothing below the column: the text is cut at its bottom edge.
    for (int y = 71; y < 200; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(image.pixelColor(x, y), QColor(0, 0xFF, 0)) << x << "," << y;
}

TEST(RoundedShape, KeepsItsColourValues) {
    QWidget window;
    RoundedShape shape(&window, 0x00C0FFFF, 0x000080FF, 3);
    shape.SetBorderColour(SystemColour(8));
    EXPECT_EQ(shape.FillColour(), 12648447);
    EXPECT_EQ(shape.BorderColour(), -2147483640);
    EXPECT_EQ(shape.BorderWidth(), 3);
    EXPECT_TRUE(shape.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST(SingleInstance, SecondLockOnTheSameFolderIsRefused) {
    test::Folder folder;
    {
        SingleInstanceLock first(folder.Path());
        ASSERT_TRUE(first.TryLock());
        SingleInstanceLock second(folder.Path());
        EXPECT_FALSE(second.TryLock());
    }
    SingleInstanceLock again(folder.Path());
    EXPECT_TRUE(again.TryLock());
}
