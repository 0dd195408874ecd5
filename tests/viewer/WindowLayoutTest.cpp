// SPDX-License-Identifier: GPL-3.0-or-later
// A few facts of each window's layout as the description's tables give them: client sizes,
// places in twips (15 to a pixel), faces, captions and the tab order.

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
using strip::MakeFont;

namespace {

// A control as it is shown: where, in which face, with which caption.
struct Look {
    QRect Pixels;
    QFont Font;
    QString Caption;
    bool operator==(const Look&) const = default;
};

void PrintTo(const Look& look, std::ostream* out) {
    const QRect& r = look.Pixels;
    *out << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << ' '
         << look.Font.toString().toStdString() << " \"" << look.Caption.toStdString() << '"';
}

Look Described(QRect twips, const QFont& font, const QString& caption = {}) {
    return {QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15), font,
            caption};
}

Look Shown(const QWidget* window, const QString& name) {
    const auto* control = window->findChild<QWidget*>(name);
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
    return {strip ? strip->ColumnRect().translated(control->pos()) : control->geometry(),
            control->font(), caption};
}

void ExpectShown(const QWidget* window, std::initializer_list<std::pair<QString, Look>> looks) {
    for (const auto& [name, look] : looks)
        EXPECT_EQ(Shown(window, name), look) << name.toStdString();
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
    // The tanzaku and the strip's three columns inside it.
    const QRect tanzaku = Find("Shape1")->geometry();
    EXPECT_EQ(tanzaku, QRect(120 / 15, 60 / 15, 2715 / 15, 7995 / 15));
    for (const ui::StripColumn* column : {PrefaceColumn(), VerseColumn(), PostscriptColumn()})
        EXPECT_TRUE(tanzaku.contains(column->geometry())) << column->objectName().toStdString();
    const QFont buttons = MakeFont(PGothic, 11.25);
    ExpectShown(form.get(),
                {{u"Label1"_s, Described({1260, 300, 375, 7635}, MakeFont(Mincho, 18, true))},
                 {u"Label5"_s, Described({3660, 180, 4155, 315}, MakeFont(Mincho, 14.25, true))},
                 {u"Label13"_s, Described({3000, 4560, 4560, 240}, MakeFont(Gothic, 12),
                                          u"読者の感想・批評など(書き込みできます)"_s)},
                 {u"Text2"_s, Described({2940, 4860, 5115, 3195}, MakeFont(Mincho, 12))},
                 {u"List1"_s, Described({8160, 4620, 3435, 1860}, MakeFont(Mincho, 11.25))},
                 {u"Command1"_s, Described({8160, 3660, 1695, 435}, buttons, u"句集を開く"_s)},
                 {u"Command2"_s, Described({10020, 7620, 1695, 435}, buttons, u"Yomiwa終了"_s)}});
    EXPECT_TRUE(CommentaryBox()->isReadOnly());
    CommentaryBox()->setFocus();
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
    const QFont buttons = MakeFont(PGothic, 11.25);
    ExpectShown(
        &editor,
        {{u"Text5"_s, Described({6240, 1200, 4335, 375}, MakeFont(Mincho, 12, true))},
         {u"Label11"_s, Described({5880, 2220, 2145, 225}, buttons, u"改変防止用パスワード"_s)},
         {u"Command18"_s, Described({4620, 2940, 1155, 615}, buttons, u"句の変更"_s)},
         {u"Frame1"_s,
          Described({5220, 4380, 5295, 3015}, MakeFont(Gothic, 11.25), u"色の設定"_s)}});
    // The colour buttons lie in the frame.
    for (auto [name, caption] : {std::pair{u"Command14"_s, u"句集名･作者名の背景"_s},
                                 {u"Command19"_s, u"現在の色を　保存"_s}}) {
        EXPECT_EQ(Shown(&editor, name).Caption, caption);
        EXPECT_EQ(Control(&editor, name)->parentWidget()->objectName(), u"Frame1"_s);
    }
    EXPECT_EQ(TabOrder(&editor, 11),
              (QStringList{u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text6"_s, u"Text5"_s, u"Text7"_s,
                           u"Text1"_s, u"List1"_s, u"Command1"_s, u"Command2"_s, u"Command3"_s}));
}

TEST_F(WindowLayout, PasswordWindow) {
    protect::F_pass pass(state, dialogs, nullptr);
    pass.show();
    EXPECT_EQ(pass.size(), QSize(5025 / 15, 2505 / 15));
    const QFont buttons = MakeFont(PGothic, 11.25);
    ExpectShown(&pass,
                {{u"Text9"_s, Described({1740, 1140, 2475, 315}, MakeFont(Mincho, 11.25))},
                 {u"Command1"_s, Described({480, 1680, 1875, 615}, buttons, u"ＯＫ"_s)},
                 {u"Command2"_s, Described({2640, 1680, 1875, 615}, buttons, u"キャンセル"_s)}});
    // The explanation wraps onto as many lines as the face needs.
    auto* explanation = pass.findChild<QLabel*>(u"Label1"_s);
    EXPECT_GE(explanation->height(), explanation->heightForWidth(explanation->width()));
    EXPECT_EQ(TabOrder(&pass, 4),
              (QStringList{u"Text9"_s, u"Command1"_s, u"Command2"_s, u"Text9"_s}));
}

} // namespace
