// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ColourValues.h"

#include "strip/Colours.h"

#include <QAbstractScrollArea>
#include <QLineEdit>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace yomiwa::ui {

namespace {
constexpr const char* BackProperty = "yomiwaBackColour";
constexpr const char* ForeProperty = "yomiwaForeColour";

bool IsTextBox(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget);
}
} // namespace

void SetBackColour(QWidget* widget, ColourValue value) {
    widget->setProperty(BackProperty, value);
    QPalette palette = widget->palette();
    const QColor colour = strip::ToQColor(value);
    if (IsTextBox(widget)) {
        palette.setColor(QPalette::Base, colour);
    } else {
        palette.setColor(QPalette::Window, colour);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void SetForeColour(QWidget* widget, ColourValue value) {
    widget->setProperty(ForeProperty, value);
    QPalette palette = widget->palette();
    const QColor colour = strip::ToQColor(value);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

ColourValue BackColour(const QWidget* widget) {
    const QVariant value = widget->property(BackProperty);
    if (value.isValid())
        return value.value<ColourValue>();
    return strip::FromQColor(
        widget->palette().color(IsTextBox(widget) ? QPalette::Base : QPalette::Window));
}

ColourValue ForeColour(const QWidget* widget) {
    const QVariant value = widget->property(ForeProperty);
    if (value.isValid())
        return value.value<ColourValue>();
    return strip::FromQColor(
        widget->palette().color(IsTextBox(widget) ? QPalette::Text : QPalette::WindowText));
}

} // namespace yomiwa::ui
