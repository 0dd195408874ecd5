#pragma once

#include <QColor>
#include <QString>

#include <optional>

class QDialog;
class QWidget;

namespace yomiwa::ui {

// Every message box, colour dialog and modal window goes through this service, so that
// tests can script the answers and read what was shown.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Message box styles: 0 an OK button, 4 Yes and No, 8 a notice with one button.
    static constexpr int StyleOk = 0;
    static constexpr int StyleYesNo = 4;
    static constexpr int StyleNotice = 8;

    enum class Answer { Ok, Yes, No };

    // A modal message box. An empty title shows the program's own, "Yomiwa".
    virtual Answer MsgBox(QWidget* parent, const QString& prompt, int style = StyleOk,
                          const QString& title = {}) = 0;

    // The colour dialog; nullopt when it was cancelled.
    virtual std::optional<QColor> PickColour(QWidget* parent, const QColor& initial) = 0;

    // Shows a window modally and returns when it has closed.
    virtual void ShowModal(QDialog* window) = 0;
};

// The real thing: QMessageBox, QColorDialog, QDialog::exec().
class QtDialogs : public Dialogs {
public:
    Answer MsgBox(QWidget* parent, const QString& prompt, int style = StyleOk,
                  const QString& title = {}) override;
    std::optional<QColor> PickColour(QWidget* parent, const QColor& initial) override;
    void ShowModal(QDialog* window) override;
};

// The title of a message box given no title of its own.
QString DefaultMessageTitle();

} // namespace yomiwa::ui
