#pragma once

#include "Faces.h"
#include "Kushu.h"
#include "Twips.h"

#include <QFont>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace yomiwa::ui {

// Creates a child control named as the windows name their controls ("Command1", "Text9"),
// placed at the given twips.
template <typename Control, typename... Args>
Control* AddControl(QWidget* parent, const char* name, int left, int top, int width, int height,
                    Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(QString::fromLatin1(name));
    PlaceTwips(control, left, top, width, height);
    return control;
}

// A caption: top-left aligned, wrapping within its width. Transparent unless given a
// back colour.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& caption, QRect twips,
                 const QFont& font);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, QRect twips,
                       const QFont& font);
QLineEdit* AddLineEdit(QWidget* parent, const char* name, QRect twips, const QFont& font);
// A multi-line box with a vertical scroll bar.
QPlainTextEdit* AddTextBox(QWidget* parent, const char* name, QRect twips, const QFont& font);
QListWidget* AddList(QWidget* parent, const char* name, QRect twips, const QFont& font);

// Twips as a rectangle, for the functions above.
inline QRect Tw(int left, int top, int width, int height) {
    return {left, top, width, height};
}

} // namespace yomiwa::ui
