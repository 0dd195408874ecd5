// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/UnstorableMarks.h"

#include "model/Cp932.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>
#include <functional>

namespace yomiwa::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

const QString OverlayName = u"UnstorableMarks"_s;
const QColor MarkColour(0xE0, 0x00, 0x00);

// A transparent widget over the text that paints the wavy lines; it takes no input.
class MarkOverlay : public QWidget {
public:
    // `underline` gives, for a range of the text, the stretches to underline: from x, to x,
    // at the baseline y, in the overlay's coordinates.
    MarkOverlay(QWidget* host, std::function<QList<QLineF>(const MarkedRange&)> underline)
        : QWidget(host)
        , m_underline(std::move(underline)) {
        setObjectName(OverlayName);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(host->rect());
        host->installEventFilter(this);
        show();
    }

    // Judges the text afresh; returns the tooltip that names what was found.
    QString Mark(const QString& text) {
        m_ranges.clear();
        const QList<qsizetype> found = cp932::UnstorableChars(text);
        for (const qsizetype at : found) {
            const int length = text[at].isHighSurrogate() ? 2 : 1;
            m_ranges.append({int(at), int(at) + length});
        }
        update();
        if (found.isEmpty())
            return {};
        return u"Shift-JISで保存できない文字"_s + cp932::DescribeChars(text, found) +
               u"があります。"_s;
    }
    const QList<MarkedRange>& Ranges() const { return m_ranges; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return QWidget::eventFilter(watched, event);
    }
    void paintEvent(QPaintEvent*) override {
        if (m_ranges.isEmpty())
            return;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(MarkColour, 1.2));
        for (const MarkedRange& range : m_ranges) {
            for (const QLineF& stretch : m_underline(range))
                painter.drawPath(Wave(stretch));
        }
    }

private:
    static QPainterPath Wave(const QLineF& stretch) {
        constexpr qreal Step = 2;
        QPainterPath path(QPointF(stretch.x1(), stretch.y1()));
        int n = 0;
        for (qreal x = stretch.x1() + Step; x <= stretch.x2() + 0.5; x += Step)
            path.lineTo(x, stretch.y1() + (++n % 2 ? Step : 0));
        return path;
    }

    std::function<QList<QLineF>(const MarkedRange&)> m_underline;
    QList<MarkedRange> m_ranges;
};

} // namespace

void MarkUnstorable(QLineEdit* field) {
    auto* overlay = new MarkOverlay(field, [field](const MarkedRange& range) -> QList<QLineF> {
        // The field lays its text out in one line with its font; where its cursor is tells
        // how far the text has scrolled.
        QTextLayout layout(field->text(), field->font());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        if (!line.isValid())
            return {};
        const QRect cursor = field->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        // The cursor's rectangle reaches five pixels to the left of the cursor itself.
        const qreal shift = cursor.left() + 5 - line.cursorToX(field->cursorPosition());
        // Under the text, above the field's frame: a low field leaves little room.
        const qreal y = std::min(cursor.bottom() - 1, field->height() - 6);
        return {
            QLineF(shift + line.cursorToX(range.Begin), y, shift + line.cursorToX(range.End), y)};
    });
    auto mark = [field, overlay] {
        field->setToolTip(overlay->Mark(field->text()));
    };
    QObject::connect(field, &QLineEdit::textChanged, overlay, mark);
    QObject::connect(field, &QLineEdit::cursorPositionChanged, overlay,
                     [overlay] { overlay->update(); });
    mark();
}

void MarkUnstorable(QPlainTextEdit* box) {
    auto* overlay = new MarkOverlay(box->viewport(), [box](const MarkedRange& range) {
        QTextCursor cursor(box->document());
        cursor.setPosition(range.Begin);
        const QRect from = box->cursorRect(cursor);
        cursor.setPosition(range.End);
        QRect to = box->cursorRect(cursor);
        // A character at the end of a line: its width in the line it is on.
        if (to.top() != from.top())
            to = from.translated(box->fontMetrics().horizontalAdvance(u'鷗'), 0);
        return QList<QLineF>{QLineF(from.left(), from.bottom() - 1, to.left(), from.bottom() - 1)};
    });
    auto mark = [box, overlay] {
        // The box holds paragraph and line separators where the file has line breaks.
        QString text = box->document()->toRawText();
        text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
        box->setToolTip(overlay->Mark(text));
    };
    QObject::connect(box, &QPlainTextEdit::textChanged, overlay, mark);
    QObject::connect(box, &QPlainTextEdit::updateRequest, overlay,
                     [overlay] { overlay->update(); });
    mark();
}

QList<MarkedRange> UnstorableMarks(const QObject* field) {
    const auto* overlay = static_cast<const MarkOverlay*>(field->findChild<QWidget*>(OverlayName));
    return overlay ? overlay->Ranges() : QList<MarkedRange>{};
}

} // namespace yomiwa::ui
