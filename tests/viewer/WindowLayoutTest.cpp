// Each window against its layout table: every control there, inside its parent, at its
// twips, in its face, caption and colours, in the table's tab order; then what no table shows.

#include "tests/viewer/ViewerFixture.h"

#include "editor/F_sakusei.h"
#include "protect/F_pass.h"
#include "ui/ColourValues.h"
#include "ui/Twips.h"

#include <QAbstractButton>
#include <QGroupBox>

using namespace yomiwa;
using namespace yomiwa::test;
using namespace Qt::Literals::StringLiterals;

namespace {

QString Caption(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    const auto* frame = qobject_cast<const QGroupBox*>(control);
    return frame ? frame->title() : QString();
}

void ExpectBuiltAsTable(const QWidget* window, std::span<const ui::ControlRow> table) {
    QList<std::pair<int, QWidget*>> tabbed;
    for (const ui::ControlRow& entry : table) {
        SCOPED_TRACE(entry.Name);
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(entry.Name));
        ASSERT_NE(control, nullptr);
        const QWidget* parent = control->parentWidget();
        EXPECT_EQ(parent->objectName(),
                  entry.Parent ? QString::fromLatin1(entry.Parent) : window->objectName());
        const QRect& t = entry.Twips;
        const QRect pixels = strip::TwipsRect(t.x(), t.y(), t.width(), t.height());
        const auto* strip = qobject_cast<const ui::StripColumn*>(control);
        // A strip column may reach out to either side of its column for wide glyphs; a
        // caption may grow downwards when the stand-in face needs more lines.
        QRect placed = strip ? strip->ColumnRect().translated(control->pos()) : control->geometry();
        if (qobject_cast<const QLabel*>(control) && placed.height() > pixels.height())
            placed.setHeight(pixels.height());
        EXPECT_EQ(placed, pixels);
        EXPECT_TRUE(parent->rect().contains(pixels));
        EXPECT_EQ(control->font(), entry.Points > 0
                                       ? strip::MakeFont(entry.TextFace, entry.Points, entry.Bold)
                                       : parent->font());
        EXPECT_EQ(Caption(control), entry.CaptionText());
        if (entry.Back && entry.Kind != ui::ControlKind::Panel) {
            EXPECT_EQ(ui::BackColour(control), *entry.Back);
            // A frame paints its own background, whatever colour the window has.
            EXPECT_TRUE(control->autoFillBackground() || entry.Kind != ui::ControlKind::Frame);
        }
        EXPECT_TRUE(!entry.Fore || ui::ForeColour(control) == *entry.Fore);
        if (entry.TabIndex >= 0)
            tabbed.append({entry.TabIndex, control});
    }
    std::ranges::sort(tabbed, {}, &std::pair<int, QWidget*>::first);
    for (qsizetype i = 1; i < tabbed.size(); ++i) {
        QWidget* next = tabbed[i - 1].second->nextInFocusChain();
        while (!std::ranges::any_of(tabbed, [next](const auto& t) { return t.second == next; }))
            next = next->nextInFocusChain();
        EXPECT_EQ(next, tabbed[i].second) << tabbed[i - 1].second->objectName().toStdString();
    }
}

using WindowLayout = ViewerTest;

TEST_F(WindowLayout, EachWindowIsBuiltAsItsTableSaysAndTitledByTheProgram) {
    Start();
    ExpectBuiltAsTable(form.get(), viewer::MainFormLayout());
    EXPECT_TRUE(Text1()->isReadOnly());

    state.Editing = EditMode::New;
    editor::F_sakusei editor(state, dialogs, QString());
    editor.show();
    ExpectBuiltAsTable(&editor, editor::F_sakuseiLayout());
    EXPECT_EQ(editor.focusWidget()->objectName(), u"Text2"_s);

    protect::F_pass pass(state, dialogs, nullptr);
    pass.show();
    ExpectBuiltAsTable(&pass, protect::F_passLayout());
    EXPECT_EQ(pass.focusWidget()->objectName(), u"Text9"_s);
    // The explanation wraps onto as many lines as the face needs.
    auto* label1 = pass.findChild<QLabel*>(u"Label1"_s);
    EXPECT_GE(label1->height(), label1->heightForWidth(label1->width()));
}

} // namespace
