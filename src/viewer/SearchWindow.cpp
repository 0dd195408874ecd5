// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewer/SearchWindow.h"

#include "model/FileNames.h"
#include "model/RubyText.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QVBoxLayout>

#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

namespace yomiwa::viewer {

using namespace Qt::Literals::StringLiterals;

namespace {

// The field's text around its first match, with every match in it in bold, as one line: a
// long commentary shows where the query is, not its start.
QString MarkedText(const search::Hit& hit) {
    constexpr qsizetype Before = 12;
    constexpr qsizetype Shown = 44;
    const qsizetype first = hit.Matches.empty() ? 0 : hit.Matches.front().Begin;
    // A text that fits is shown whole; a longer one from a little before its first match.
    const qsizetype from =
        std::max<qsizetype>(0, std::min(first - Before, hit.Text.size() - Shown));
    const qsizetype to = std::min(hit.Text.size(), from + Shown);
    QString html = from > 0 ? u"…"_s : QString();
    qsizetype at = from;
    for (const search::TextRange& match : hit.Matches) {
        if (match.Begin < at || match.End > to)
            continue;
        html += hit.Text.mid(at, match.Begin - at).toHtmlEscaped();
        html += u"<b style=\"color:#c00000\">"_s +
                hit.Text.mid(match.Begin, match.End - match.Begin).toHtmlEscaped() + u"</b>"_s;
        at = match.End;
    }
    html += hit.Text.mid(at, to - at).toHtmlEscaped();
    if (to < hit.Text.size())
        html += u"…"_s;
    return html.replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ').replace(u'\t', u' ');
}

// Draws a result as its two marked lines; only the rows in view are drawn, so a long list
// costs nothing per keystroke but its items.
class ResultDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, view);
        QTextDocument text;
        text.setDefaultFont(option.font);
        text.setDocumentMargin(2);
        text.setHtml(index.data(Qt::UserRole).toString());
        painter->save();
        painter->translate(option.rect.topLeft());
        text.drawContents(painter, QRectF(0, 0, option.rect.width(), option.rect.height()));
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), 2 * option.fontMetrics.lineSpacing() + 6};
    }
};

} // namespace

SearchWindow::SearchWindow(Services services, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_services(std::move(services))
    , m_index(std::make_shared<search::SearchIndex>(m_services.Folder)) {
    setObjectName(u"SearchWindow"_s);
    setWindowTitle(u"句集の検索"_s);
    resize(640, 460);
    auto* layout = new QVBoxLayout(this);
    m_queryField = new QLineEdit(this);
    m_queryField->setObjectName(u"SearchQuery"_s);
    m_queryField->setPlaceholderText(u"探す言葉（かな・漢字・読み）"_s);
    m_queryField->setAccessibleName(u"探す言葉"_s);
    m_resultList = new QListWidget(this);
    m_resultList->setObjectName(u"SearchResults"_s);
    m_resultList->setAccessibleName(u"検索結果"_s);
    // Each result is drawn marked; the item's own text is what screen readers read.
    m_resultList->setItemDelegate(new ResultDelegate(m_resultList));
    m_resultList->setUniformItemSizes(true);
    m_resultList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_statusLabel = new QLabel(this);
    m_statusLabel->setObjectName(u"SearchStatus"_s);
    m_statusLabel->setWordWrap(true);
    layout->addWidget(m_queryField);
    layout->addWidget(m_resultList, 1);
    layout->addWidget(m_statusLabel);

    connect(m_queryField, &QLineEdit::textChanged, this, &SearchWindow::Query_Change);
    connect(m_resultList, &QListWidget::itemActivated, this, &SearchWindow::ChooseResult);
    connect(&m_watcher, &QFutureWatcher<search::SearchResult>::finished, this, [this] {
        m_running = false;
        m_indexed = true;
        ShowResult(m_watcher.result());
        if (m_waiting)
            RunSearch();
    });
    m_queryField->installEventFilter(this);
    m_resultList->installEventFilter(this);
}

SearchWindow::~SearchWindow() {
    // The worker holds the index itself; only its answer is no longer wanted.
    m_watcher.disconnect();
}

void SearchWindow::Start() {
    show();
    raise();
    activateWindow();
    m_queryField->setFocus();
    m_queryField->selectAll();
    // The first search reads every collection: start it now, before the first key.
    m_waiting = m_queryField->text();
    if (!m_running)
        RunSearch();
}

void SearchWindow::Query_Change() {
    m_waiting = m_queryField->text();
    if (!m_running)
        RunSearch();
}

void SearchWindow::RunSearch() {
    const QString query = m_waiting.value_or(QString());
    m_waiting.reset();
    m_running = true;
    // Only the first search, which reads every collection, takes long enough to be seen.
    if (!m_indexed)
        m_statusLabel->setText(u"句集を読み込んでいます…"_s);
    search::OpenComments open =
        m_services.Comments ? m_services.Comments() : search::OpenComments{};
    m_watcher.setFuture(QtConcurrent::run(
        [index = m_index, query, open = std::move(open)]() -> search::SearchResult {
            return index->Search(query, &open, MaxCounted);
        }));
}

void SearchWindow::ShowResult(const search::SearchResult& result) {
    m_hits = result.Hits.mid(0, MaxShown);
    m_resultList->clear();
    for (const search::Hit& hit : m_hits) {
        auto* item = new QListWidgetItem(hit.Title + u" "_s + hit.Text, m_resultList);
        item->setData(
            Qt::UserRole,
            u"<span style=\"color:#505050\">%1　第%2版　%3ページ　%4%5</span><br>%6"_s.arg(
                hit.Title.toHtmlEscaped(), hit.Edition.toHtmlEscaped(), QString::number(hit.Page),
                search::FieldName(hit.Field),
                // A hit beside the verse names the verse it belongs to.
                hit.Verse.isEmpty()
                    ? QString()
                    : u"（句「%1」）"_s.arg(ParseRuby(hit.Verse).base.toHtmlEscaped()),
                MarkedText(hit)));
    }
    if (!m_hits.isEmpty())
        m_resultList->setCurrentRow(0);
    QStringList status;
    if (m_queryField->text().trimmed().isEmpty())
        status << QString();
    else if (m_hits.isEmpty())
        status << u"見つかりませんでした。"_s;
    else if (result.Hits.size() > MaxShown)
        status << u"はじめの%1件を表示しています（ほかに%2件%3）。"_s.arg(
            QString::number(MaxShown), QString::number(result.Hits.size() - MaxShown),
            result.Complete ? QString() : u"以上"_s);
    else
        status << u"%1件見つかりました。"_s.arg(m_hits.size());
    for (const search::Unreadable& skipped : result.Skipped) {
        status << u"読めないため検索しなかったファイル：%1（%2）"_s.arg(
            QFileInfo(skipped.File).fileName(),
            QString(skipped.Reason).replace(u'\r', u' ').replace(u'\n', u' '));
    }
    m_statusLabel->setText(status.join(u'\n').trimmed());
}

void SearchWindow::ChooseResult() {
    const int row = m_resultList->currentRow();
    if (row < 0 || row >= m_hits.size() || !m_services.Open)
        return;
    const search::Hit hit = m_hits.at(row);
    m_services.Open(hit.File, hit.Page - 1);
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            ChooseResult();
            return true;
        case Qt::Key_Down:
        case Qt::Key_Up:
            // The arrows move through the results from the query field too.
            if (watched == m_queryField) {
                const int step = key->key() == Qt::Key_Down ? 1 : -1;
                const int row = m_resultList->currentRow() + step;
                if (row >= 0 && row < m_resultList->count())
                    m_resultList->setCurrentRow(row);
                return true;
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace yomiwa::viewer
