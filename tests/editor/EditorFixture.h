#pragma once

#include "F_sakusei.h"
#include "ScriptedDialogs.h"
#include "SharedState.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace yomiwa::test {

// An editor window over a private AppFolder, with scripted message boxes.
class EditorFixture : public ::testing::Test {
protected:
    EditorFixture();

    // Writes the collection into the folder; returns its list text (title, "_", edition).
    QString Store(const Kushu& kushu);
    editor::F_sakusei& OpenNew();
    editor::F_sakusei& OpenChange(const QString& selected,
                                  const QString& mode = QStringLiteral("変更"));

    template <typename T> T* Get(const char* name) const {
        T* control = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QLineEdit* Line(const char* name) const { return Get<QLineEdit>(name); }
    QListWidget* List1() const { return Get<QListWidget>("List1"); }
    QString Text1() const;
    QString Help() const;
    QStringList Rows() const;
    // Types as a keyboard would, one character at a time.
    static void Type(QWidget* field, const QString& text);
    // A mouse move with no button held, at a point inside the control.
    static void MoveOver(QWidget* control, QPoint at = QPoint(2, 2));

    Folder folder;
    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<editor::F_sakusei> window;
};

} // namespace yomiwa::test
