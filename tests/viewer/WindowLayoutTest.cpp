// A few facts of each window's layout, as the windows' tables in the description give them:
// client sizes, places in twips (15 to a pixel), faces, captions and the tab order.

#include "tests/viewer/ViewerFixture.h"

#include "editor/F_sakusei.h"
#include "protect/F_pass.h"
#include "strip/Faces.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;
using enum strip::Face;

namespace {

// A control as it is shown: where, in which face, with which caption.
struct Look {
    QRect Pixels;
    QString Family;
    qreal Points = 0;
    bool Bold = false;
    QString Caption;
    bool operator==(const Look&) const = default;
};

void PrintTo(const Look& look, std::ostream* out) {
    const QRect& r = look.Pixels;
    *out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << ' '
         << look.Family.toStdString() << ' ' << look.Points << (look.Bold ? " bold " : " ") << '"'
         << look.Caption.toStdString() << '"';
}

// One row of a window's table in the description.
struct Row {
    const char* Name;
    QRect Twips;
    strip::Face TextFace;
    qreal Points;
    bool Bold;
    QString Caption;
};

Look Expected(const Row& row) {
    const QRect& t = row.Twips;
    return {QRect(t.x() / 15, t.y() / 15, t.width() / 15, t.height() / 15),
            strip::MakeFont(row.TextFace, row.Points).family(), row.Points, row.Bold, row.Caption};
}

Look Shown(const QWidget* window, const char* name) {
    const auto* control = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!control)
        return {};
    QString caption;
    if (const auto* label = qobject_cast<const QLabel*>(control))
        caption = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        caption = button->text();
    else if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        caption = frame->title();
    // A strip column reaches out beside its column, for wide glyphs and readings.
    const auto* strip = qobject_cast<const ui::StripColumn*>(control);
    const QRect pixels =
        strip ? strip->ColumnRect().translated(control->pos()) : control->geometry();
    const QFont& font = control->font();
    return {pixels, font.family(), font.pointSizeF(), font.bold(), caption};
}

void ExpectRows(const QWidget* window, std::initializer_list<Row> rows) {
    for (const Row& row : rows)
        EXPECT_EQ(Shown(window, row.Name), Expected(row)) << row.Name;
}

// The controls the Tab key goes through from the focused one, `count` of them.
QStringList TabOrder(QWidget* window, int count) {
    QApplication::setActiveWindow(window);
    QStringList order;
    for (QWidget* focus = window->focusWidget(); focus && order.size() < count;
         focus = window->focusWidget()) {
        order.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return order;
}

using WindowLayout = ViewerTest;

TEST_F(WindowLayout, ReadingWindow) {
    Start();
    EXPECT_EQ(form->size(), QSize(11760 / 15, 8115 / 15));
    ExpectRows(form.get(),
               {
                   {"Label1", {1260, 300, 375, 7635}, Mincho, 18, true, {}},
                   {"Label5", {3660, 180, 4155, 315}, Mincho, 14.25, true, {}},
                   {"Label13",
                    {3000, 4560, 4560, 240},
                    Gothic,
                    12,
                    false,
                    u"読者の感想・批評など(書き込みできます)"_s},
                   {"Text2", {2940, 4860, 5115, 3195}, Mincho, 12, false, {}},
                   {"List1", {8160, 4620, 3435, 1860}, Mincho, 11.25, false, {}},
                   {"Command1", {8160, 3660, 1695, 435}, PGothic, 11.25, false, u"句集を開く"_s},
                   {"Command2", {10020, 7620, 1695, 435}, PGothic, 11.25, false, u"Yomiwa終了"_s},
               });
    EXPECT_EQ(Find(u"Shape1"_s)->geometry(), QRect(120 / 15, 60 / 15, 2715 / 15, 7995 / 15));
    EXPECT_TRUE(Text1()->isReadOnly());
    Text1()->setFocus();
    EXPECT_EQ(
        TabOrder(form.get(), 11),
        (QStringList{u"Text1"_s, u"Text2"_s, u"List2"_s, u"Command1"_s, u"Command6"_s, u"List1"_s,
                     u"Command3"_s, u"Command4"_s, u"Command5"_s, u"Command2"_s, u"Text1"_s}));
}

TEST_F(WindowLayout, Editor) {
    state.Editing = EditMode::New;
    editor::F_sakusei editor(state, dialogs, QString());
    editor.show();
    EXPECT_EQ(editor.size(), QSize(10605 / 15, 8070 / 15));
    ExpectRows(
        &editor,
        {
            {"Text2", {2160, 120, 4155, 375}, Mincho, 12, true, {}},
            {"Text5", {6240, 1200, 4335, 375}, Mincho, 12, true, {}},
            {"Label11", {5880, 2220, 2145, 225}, PGothic, 11.25, false, u"改変防止用パスワード"_s},
            {"Command18", {4620, 2940, 1155, 615}, PGothic, 11.25, false, u"句の変更"_s},
            {"Frame1", {5220, 4380, 5295, 3015}, Gothic, 11.25, false, u"色の設定"_s},
            {"Command4", {7980, 7500, 2535, 495}, PGothic, 11.25, false, u"保存して終了"_s},
        });
    // The colour buttons, in the frame, by their captions.
    for (auto [name, caption] : {std::pair{"Command10", u"句"_s},
                                 {"Command14", u"句集名･作者名の背景"_s},
                                 {"Command19", u"現在の色を　保存"_s}}) {
        const auto* button = editor.findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->parentWidget()->objectName(), u"Frame1"_s);
    }
    EXPECT_EQ(TabOrder(&editor, 11),
              (QStringList{u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text6"_s, u"Text5"_s, u"Text7"_s,
                           u"Text1"_s, u"List1"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s}));
}

TEST_F(WindowLayout, PasswordWindow) {
    protect::F_pass pass(state, dialogs, nullptr);
    pass.show();
    EXPECT_EQ(pass.size(), QSize(5025 / 15, 2505 / 15));
    ExpectRows(&pass,
               {
                   {"Text9", {1740, 1140, 2475, 315}, Mincho, 11.25, false, {}},
                   {"Command1", {480, 1680, 1875, 615}, PGothic, 11.25, false, u"ＯＫ"_s},
                   {"Command2", {2640, 1680, 1875, 615}, PGothic, 11.25, false, u"キャンセル"_s},
               });
    // The explanation wraps onto as many lines as the face needs.
    auto* explanation = pass.findChild<QLabel*>(u"Label1"_s);
    EXPECT_GE(explanation->height(), explanation->heightForWidth(explanation->width()));
    EXPECT_EQ(TabOrder(&pass, 4),
              (QStringList{u"Text9"_s, u"Command1"_s, u"Command2"_s, u"Text9"_s}));
}

} // namespace
