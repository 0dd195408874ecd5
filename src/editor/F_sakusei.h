#pragma once

#include "editor/ColourDialog.h"
#include "editor/EntryOperations.h"
#include "editor/SaveCollection.h"
#include "editor/ShownColours.h"
#include "model/SharedState.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"

#include <QDialog>
#include <QHash>

#include <span>

class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace yomiwa::ui {
class RoundedShape;
class StripColumn;
} // namespace yomiwa::ui

namespace yomiwa::editor {

// The editor's controls, as its layout table gives them.
std::span<const ui::ControlRow> F_sakuseiLayout();

// The editor window (作成・編集モード): makes a new collection or changes the one whose
// list text (title, "_", edition) it is given, in its own working collection.
class F_sakusei : public QDialog {
    Q_OBJECT
public:
    F_sakusei(SharedState& state, ui::Dialogs& dialogs, const QString& selectedCollection,
              QWidget* parent = nullptr);

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

    // The colour buttons Command6 to Command16, by their place in the frame.
    void ColourButton_Click(int index);
    void Command19_Click();
    void Command20_Click();

    // Leaving: 保存して終了 and 保存せず終了.
    void Command4_Click();
    void Command17_Click();

    // The working collection; it lives only as long as its window.
    const Kushu& Collection() const { return m_kushu; }

    // The colours the window shows, through the one table of shown colours.
    ColourSet ReadShownColours() const { return m_shown.Read(); }
    void ApplyShownColours(const ColourSet& colours) { m_shown.Apply(colours); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Esc and the close box leave as "保存せず終了" does: only after the question.
    void reject() override;

private:
    void BuildControls();
    // Names for screen readers: the caption beside each control.
    void NameControls();
    void WatchHelp();
    void LoadNew();
    void LoadChange();
    void ShowHelp(const QString& text);
    // Text5, Text6, Text7 and Text9 share one key filter: true when the key is dropped.
    bool OneLineField_KeyPress(const QKeyEvent* event);
    bool ConfirmLeaveWithoutSaving();
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
    Kushu m_kushu;
    Origins m_origins;
    LoadedFile m_loadedFile;
    ShownColours m_shown;
    ColourDialog CMD1;
    // Every control with a help text (and the viewports that stand for them) to its text.
    QHash<const QObject*, QString> m_help;

    ui::RoundedShape* Shape1 = nullptr;
    QLabel* Label12 = nullptr;
    ui::StripColumn* Label8 = nullptr;
    ui::StripColumn* Label9 = nullptr;
    ui::StripColumn* Label10 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text9 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPlainTextEdit* Text8 = nullptr;
    QListWidget* List1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command17 = nullptr;
    QPushButton* Command18 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QPushButton*, ColourSlotCount> m_colourButtons{};
    QPushButton* Command19 = nullptr;
    QPushButton* Command20 = nullptr;
};

} // namespace yomiwa::editor
