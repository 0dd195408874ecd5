// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/F_sakusei.h"
#include "model/KushuFile.h"
#include "tests/ScriptedDialogs.h"
#include "tests/TestSupport.h"
#include "ui/BoxText.h"
#include "ui/StripColumn.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace yomiwa::test {

// An editor window over a private AppFolder, with scripted message boxes.
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture() { state.AppFolder = folder.Path(); }

    // Writes the collection into the folder; returns its list text (title, "_", edition).
    QString Store(const Kushu& kushu) {
        EXPECT_EQ(WriteKushuFile(folder.Path(), kushu).error(), QString());
        return kushu.Title + u'_' + kushu.Edition;
    }
    void OpenChange(const QString& selected, EditMode mode = EditMode::Change,
                    ui::Dialogs* boxes = nullptr) {
        window.reset();
        state.Editing = mode;
        window = std::make_unique<editor::F_sakusei>(state, boxes ? *boxes : dialogs, selected);
        window->show();
    }
    void OpenNew(ui::Dialogs* boxes = nullptr) { OpenChange(QString(), EditMode::New, boxes); }

public:
    // The window's controls, by role.
    template <typename T = QWidget> T* Find(const char* name) const {
        return Control<T>(window.get(), QLatin1String(name));
    }
    QLineEdit* TitleField() const { return Find<QLineEdit>("Text2"); }
    QLineEdit* AuthorField() const { return Find<QLineEdit>("Text3"); }
    QLineEdit* EditionField() const { return Find<QLineEdit>("Text4"); }
    QLineEdit* VerseField() const { return Find<QLineEdit>("Text5"); }
    QLineEdit* PrefaceField() const { return Find<QLineEdit>("Text6"); }
    QLineEdit* PostscriptField() const { return Find<QLineEdit>("Text7"); }
    QLineEdit* PasswordField() const { return Find<QLineEdit>("Text9"); }
    QPlainTextEdit* CommentaryBox() const { return Find<QPlainTextEdit>("Text1"); }
    QListWidget* EntryList() const { return Find<QListWidget>("List1"); }
    QPushButton* MoveUpButton() const { return Find<QPushButton>("Command1"); }
    QPushButton* MoveDownButton() const { return Find<QPushButton>("Command2"); }
    QPushButton* DeleteButton() const { return Find<QPushButton>("Command3"); }
    QPushButton* SaveButton() const { return Find<QPushButton>("Command4"); }
    QPushButton* AddButton() const { return Find<QPushButton>("Command5"); }
    QPushButton* ChangeButton() const { return Find<QPushButton>("Command18"); }
    // The colour buttons by their place in the frame: Command6 to Command16.
    QPushButton* ColourButton(int place) const {
        return Control<QPushButton>(window.get(), QStringLiteral("Command%1").arg(6 + place));
    }

    void Select(int row) const { EntryList()->setCurrentRow(row); }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < EntryList()->count(); ++i)
            rows.append(EntryList()->item(i)->text());
        return rows;
    }
    // The preface, verse, postscript and commentary fields.
    void Fill(const QString& preface, const QString& verse, const QString& postscript = {},
              const QString& commentary = {}) const {
        PrefaceField()->setText(preface);
        VerseField()->setText(verse);
        PostscriptField()->setText(postscript);
        ui::SetBoxText(CommentaryBox(), commentary);
    }
    // 句の変更 acts on the mouse press alone.
    void PressChange(Qt::MouseButton button = Qt::LeftButton,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::mouseClick(ChangeButton(), button, modifiers);
    }
    // The last message shown; none when there is none.
    Message LastSaid() const { return dialogs.Messages.value(dialogs.Messages.size() - 1); }

    Folder folder;
    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<editor::F_sakusei> window;
};

} // namespace yomiwa::test
