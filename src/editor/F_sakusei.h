// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "editor/ColourDialog.h"
#include "editor/EntryOperations.h"
#include "editor/SaveCollection.h"
#include "editor/ShownColours.h"
#include "model/SharedState.h"
#include "ui/Dialogs.h"

#include <QDialog>
#include <QHash>

#include <array>
#include <functional>
#include <memory>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QUndoStack;

namespace yomiwa::ui {
class RoundedShape;
class StripColumn;
} // namespace yomiwa::ui

namespace yomiwa::verse {
class MoraCounter;
} // namespace yomiwa::verse

namespace yomiwa::editor {

// The editor window (作成・編集モード): makes a new collection or changes the one whose
// list text (title, "_", edition) it is given, in its own working collection.
class F_sakusei : public QDialog {
    Q_OBJECT
public:
    F_sakusei(SharedState& state, ui::Dialogs& dialogs, const QString& selectedCollection,
              QWidget* parent = nullptr);
    ~F_sakusei() override;

    // False when the collection to change could not be read at all: the window must not be
    // shown, there is nothing in it to edit.
    bool Loaded() const { return m_loaded; }

    void Form_Load();
    void List1_Click();
    void Text5_Change();
    void Text6_Change();
    void Text7_Change();
    void Form_MouseMove();

    // The entry list operations.
    void Command5_Click();
    // 句の変更 runs when any mouse button goes down on it; `shift` holds the modifier bits.
    void Command18_MouseDown(Qt::MouseButton button, int shift);
    void Command3_Click();
    void Command1_Click();
    void Command2_Click();
    // まとめて追加 (Ctrl+Shift+V, and the entry list's context menu): many haiku at once,
    // from the clipboard or a UTF-8 text file.
    void BulkAdd_Click();

    // The colour buttons Command6 to Command16, by their place in the frame.
    void ColourButton_Click(int index);
    void Command19_Click();
    void Command20_Click();

    // Leaving: 保存して終了 and 保存せず終了.
    void Command4_Click();
    void Command17_Click();

    // The working collection; it lives only as long as its window.
    const Kushu& Collection() const { return m_collection; }

    // Undo and redo of the entry list operations; typing and the colour buttons are no steps.
    void Undo();
    void Redo();
    QUndoStack* UndoSteps() const { return m_undo; }

    // Everything an entry list operation changes, as the window shows it.
    struct View {
        Kushu Collection;
        Origins EntryOrigins;
        QStringList Rows;
        int Row = -1;
        EntryFields Shown;
        ColourSet Colours;
        bool operator==(const View&) const = default;
    };
    View Snapshot() const;
    void Restore(const View& view);

    // The colours the window shows, through the one table of shown colours.
    ColourSet ReadShownColours() const { return m_shown.Read(); }
    void ApplyShownColours(const ColourSet& colours) { m_shown.Apply(colours); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Esc and the close box leave as "保存せず終了" does: only after the question.
    void reject() override;

private:
    // Builds the controls from the window's layout table (F_sakuseiLayout.cpp), filling the
    // members below.
    void BuildControls();
    // The shown colours' controls, and the default colours on every control a colour button
    // paints.
    void ShowDesignColours();
    void ConnectFields();
    // Names for screen readers: the caption beside each control.
    void NameControls();
    void WatchHelp();
    void LoadNew();
    void LoadChange();
    void ShowHelp(const QString& text);
    // The 5-7-5 count of the verse field, under the title row; nothing for a page's row.
    void ShowCount();
    // The verse, preface, postscript and password fields share one key filter: true when the
    // key is dropped.
    std::array<QLineEdit*, 4> OneLineFields() const;
    bool IsOneLineField(const QObject* watched) const;
    bool OneLineField_KeyPress(const QKeyEvent* event);
    bool ConfirmLeaveWithoutSaving();
    // The text まとめて追加 reads, from where the user chose; nullopt when cancelled or
    // refused (the user has been told).
    std::optional<QString> BulkText();
    // Runs one entry list operation as one undo step, when it changed anything.
    void Step(const QString& name, const std::function<void()>& operation);
    // Ctrl+Z, Ctrl+Shift+Z or Ctrl+Y: a text field undoes its own typing first, and the
    // editor's last step once the field has nothing left to undo. True when handled.
    bool UndoKey(QObject* focus, const QKeyEvent* event);
    int ListIndex() const;
    QString ListText() const;
    void SelectRow(int row);
    Selection CurrentSelection() const;
    EntryFields Fields() const;
    QWidget* FieldControl(Field field) const;
    // Carries out what an operation decided: rows, selection, message, focus, fields.
    void Apply(const Outcome& outcome);
    void Tell(const QString& text, ui::MsgStyle style = ui::MsgStyle::Ok,
              const QString& title = {});
    void ConnectEditing();
    // The controls a colour slot is painted on: the shown colour's control and, for the
    // title and caption colours, their companions.
    QList<ColourTarget> PaintedBy(int slot) const;

    SharedState& m_state;
    ui::Dialogs& m_dialogs;
    QString m_selectedCollection;
    bool m_loaded = true;
    // Set while rows are removed in code: the list's own choice of a new row is no selection.
    bool m_quietList = false;
    // Message boxes shown so far: a press that opened one has lost its release to it.
    int m_told = 0;
    Kushu m_collection;
    Origins m_origins;
    LoadedFile m_loadedFile;
    ShownColours m_shown;
    ColourDialog m_colourDialog;
    QUndoStack* m_undo = nullptr;
    std::unique_ptr<verse::MoraCounter> m_counter;
    // Every control with a help text (and the viewports that stand for them) to its text.
    QHash<const QObject*, QString> m_help;

    // The controls, as the layout table names them.
    ui::RoundedShape* m_stripShape = nullptr; // the preview strip
    QLabel* m_stripHelpArea = nullptr;        // over the whole strip, for its help text
    ui::StripColumn* m_prefaceColumn = nullptr;
    ui::StripColumn* m_verseColumn = nullptr;
    ui::StripColumn* m_postscriptColumn = nullptr;
    QLabel* m_collectionCaption = nullptr; // "句集"
    QLineEdit* m_titleField = nullptr;
    QLabel* m_authorCaption = nullptr; // "作者"
    QLineEdit* m_authorField = nullptr;
    QLabel* m_editionPrefixCaption = nullptr; // "第"
    QLineEdit* m_editionField = nullptr;
    QLabel* m_editionSuffixCaption = nullptr; // "版"
    QListWidget* m_entryList = nullptr;
    QPushButton* m_moveUpButton = nullptr;
    QPushButton* m_moveDownButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QPushButton* m_changeButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QLabel* m_prefaceCaption = nullptr;
    QLineEdit* m_prefaceField = nullptr;
    QLabel* m_verseCaption = nullptr;
    QLineEdit* m_verseField = nullptr;
    QLabel* m_postscriptCaption = nullptr;
    QLineEdit* m_postscriptField = nullptr;
    QLabel* m_passwordCaption = nullptr;
    QLineEdit* m_passwordField = nullptr;
    QPlainTextEdit* m_helpBox = nullptr;
    QPlainTextEdit* m_commentaryBox = nullptr;
    QGroupBox* m_colourFrame = nullptr;
    // The eleven colour buttons of the frame, in their places; each paints one slot.
    struct ColourButton {
        QPushButton* Control = nullptr;
        int Slot = 0;
    };
    std::array<ColourButton, ColourSlotCount> m_colourButtons{};
    QPushButton* m_saveColoursButton = nullptr;
    QPushButton* m_pasteColoursButton = nullptr;
    QPushButton* m_leaveButton = nullptr; // "保存せず終了"
    QPushButton* m_saveButton = nullptr;  // "保存して終了"
    QLabel* m_countLabel = nullptr;       // the verse's 5-7-5 count, in free space
};

} // namespace yomiwa::editor
