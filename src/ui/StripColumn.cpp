// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/StripColumn.h"

#include "model/RubyText.h"
#include "model/StripText.h"
#include "strip/VerticalShaper.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPainter>

namespace yomiwa::ui {

QString CappedForReaders(const QString& text) {
    constexpr qsizetype Limit = 1000;
    if (text.size() <= Limit)
        return text;
    return text.first(text[Limit - 1].isHighSurrogate() ? Limit - 1 : Limit) + QChar(u'…');
}

QString HeardText(const QString& fieldText) {
    return CappedForReaders(SpokenText(fieldText));
}

namespace {
constexpr const char* StaticTextProperty = "yomiwaStaticText";

QAccessibleInterface* StaticTextFactory(const QString&, QObject* object) {
    if (!object->isWidgetType() || !object->property(StaticTextProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StaticText);
}
} // namespace

void ReadAsStaticText(QWidget* widget) {
    static const bool installed = (QAccessible::installFactory(StaticTextFactory), true);
    Q_UNUSED(installed);
    widget->setProperty(StaticTextProperty, true);
}

StripColumn::StripColumn(QWidget* parent)
    : QWidget(parent) {
    ReadAsStaticText(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

StripColumn::~StripColumn() = default;

void StripColumn::SetText(const QString& fieldText) {
    if (fieldText == m_text)
        return;
    m_text = fieldText;
    m_fitted.reset();
    setAccessibleName(HeardText(m_text));
    Refit();
    update();
}

QString StripColumn::Caption() const {
    return ToStripText(m_text);
}

void StripColumn::SetColumnGeometry(const QRect& column) {
    m_column = column;
    const strip::Reach reach = strip::StripColumnReach(Shaper().FullCell(), column.width());
    setGeometry(column.adjusted(-qCeil(reach.left), 0, qCeil(reach.right), 0));
}

QRect StripColumn::ColumnRect() const {
    if (m_column.isEmpty())
        return rect();
    return QRect(m_column.topLeft() - pos(), m_column.size());
}

const strip::VerticalShaper& StripColumn::Shaper() const {
    if (!m_shaper || m_shaperFont != font()) {
        m_shaper = std::make_unique<strip::VerticalShaper>(font());
        m_shaperFont = font();
        m_fitted.reset();
    }
    return *m_shaper;
}

const strip::StripLayout& StripColumn::Fitted() const {
    // Keyed on the font and size themselves: a hidden widget gets its resize event only
    // when it is shown.
    const strip::VerticalShaper& shaper = Shaper();
    const QSize size = ColumnRect().size();
    if (!m_fitted || m_fittedSize != size) {
        m_fitted = strip::LayOutStripColumn(m_text, shaper, font(), size);
        m_fittedSize = size;
    }
    return *m_fitted;
}

namespace {

// A tooltip shows plain text on one line: a long text is broken into lines of its own.
QString InLines(const QString& text) {
    constexpr qsizetype LineLength = 25;
    QString lines;
    qsizetype inLine = 0;
    for (const QChar c : text) {
        if (inLine >= LineLength && !c.isLowSurrogate()) {
            lines += u'\n';
            inLine = 0;
        }
        lines += c;
        ++inLine;
    }
    return lines;
}

} // namespace

void StripColumn::Refit() {
    // What the column cannot show is there for the pointer to read.
    setToolTip(!m_text.isEmpty() && Fitted().Elided() ? InLines(CappedForReaders(m_text))
                                                      : QString());
}

void StripColumn::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        if (!m_column.isEmpty())
            SetColumnGeometry(m_column);
        Refit();
    }
    QWidget::changeEvent(event);
}

void StripColumn::resizeEvent(QResizeEvent* event) {
    Refit();
    QWidget::resizeEvent(event);
}

void StripColumn::paintEvent(QPaintEvent*) {
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.translate(ColumnRect().topLeft());
    strip::DrawStripColumn(painter, Fitted());
}

} // namespace yomiwa::ui
