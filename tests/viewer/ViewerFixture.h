#pragma once

#include "Kushu.h"
#include "MainForm.h"
#include "ScriptedDialogs.h"
#include "SharedState.h"
#include "StripColumn.h"
#include "TestSupport.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace yomiwa::test {

// The reading window on a private folder, driven through its named controls.
class ViewerTest : public ::testing::Test {
protected:
    void TearDown() override;

    // Builds the window and runs its start-up on the folder; shows it offscreen.
    void Start();
    void Write(const Kushu& kushu);
    QString Path(const QString& name) const { return folder.File(name); }

    QListWidget* List1() const { return Find<QListWidget>("List1"); }
    QListWidget* List2() const { return Find<QListWidget>("List2"); }
    QPlainTextEdit* Text1() const { return Find<QPlainTextEdit>("Text1"); }
    QPlainTextEdit* Text2() const { return Find<QPlainTextEdit>("Text2"); }
    QLabel* Label(int n) const;
    ui::StripColumn* Column(int n) const;
    QPushButton* Button(int n) const;

    // Chooses a collection in the collection list as a click would.
    void Choose(const QString& itemText);
    void Open(const QString& itemText);
    // Types into the comment box as the reader would; "\r\n" is the Enter key.
    void Type(const QString& text);

    QStringList Rows() const;
    QStringList CommentsOnDisk(const QString& fileName) const;
    // The messages shown since the last call, then forgets them.
    QList<ScriptedDialogs::Message> TakeMessages();

    template <typename T> T* Find(const char* name) const {
        T* control = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    Folder folder;
    SharedState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<viewer::MainForm> form;
};

} // namespace yomiwa::test
