#pragma once

#include "editor/F_sakusei.h"
#include "model/KushuFile.h"
#include "tests/ScriptedDialogs.h"
#include "tests/TestSupport.h"
#include "ui/BoxText.h"

#include <QApplication>
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
    void OpenChange(const QString& selected, EditMode mode = EditMode::Change) {
        window.reset();
        state.Editing = mode;
        window = std::make_unique<editor::F_sakusei>(state, dialogs, selected);
        window->show();
    }
    void OpenNew() { OpenChange(QString(), EditMode::New); }

    template <typename T = QWidget> T* Get(const char* name) const {
        T* control = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* Line(const char* name) const { return Get<QLineEdit>(name); }
    QListWidget* List1() const { return Get<QListWidget>("List1"); }
    void Click(const char* button) const { Get<QPushButton>(button)->click(); }
    void Select(int row) const { List1()->setCurrentRow(row); }
    QString Text1() const { return ui::BoxText(Get<QPlainTextEdit>("Text1")); }
    QStringList Rows() const {
        QStringList rows;
        for (int i = 0; i < List1()->count(); ++i)
            rows.append(List1()->item(i)->text());
        return rows;
    }
    // The preface, verse, postscript and commentary fields.
    void Fill(const QString& preface, const QString& verse, const QString& postscript = {},
              const QString& commentary = {}) const {
        Line("Text6")->setText(preface);
        Line("Text5")->setText(verse);
        Line("Text7")->setText(postscript);
        ui::SetBoxText(Get<QPlainTextEdit>("Text1"), commentary);
    }
    // 句の変更 acts on the mouse press alone.
    void PressChange(Qt::MouseButton button = Qt::LeftButton,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::mouseClick(Get<QPushButton>("Command18"), button, modifiers);
    }
    static QString Box(const QString& prompt, MsgStyle style = Ok, const QString& title = {}) {
        return ScriptedDialogs::Box(prompt, style, title);
    }
    QStringList Said() const { return dialogs.Said(); }
    // One of them, counted from the end when negative; empty when there is none.
    QString Said(int i) const {
        const QStringList all = Said();
        return all.value(i < 0 ? all.size() + i : i);
    }

    Folder folder;
    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<editor::F_sakusei> window;
};

} // namespace yomiwa::test
