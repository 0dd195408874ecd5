// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/SearchIndex.h"

#include <QFutureWatcher>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;

namespace yomiwa::viewer {

// 検索 (Ctrl+F in the reading window): a query field and the places it was found in every
// collection of the program's folder. The index is built and searched on a worker thread,
// so typing never waits; each keystroke's search follows the last one.
class SearchWindow : public QWidget {
    Q_OBJECT
public:
    struct Services {
        QString Folder;
        // The open collection's comments as the reading window holds them, typed ones too.
        std::function<search::OpenComments()> Comments;
        // Opens a collection at a page row as the reading window's own open does; false when
        // it was refused (the user has been told).
        std::function<bool(const QString& path, int row)> Open;
    };
    SearchWindow(Services services, QWidget* parent);
    ~SearchWindow() override;

    // Shows the window with the query selected, and builds the index on first use.
    void Start();
    // Opens the collection of the chosen result at its page; the window stays.
    void ChooseResult();
    // True while a search runs or waits; the results shown are the last query's otherwise.
    bool Busy() const { return m_running; }

    // The most results the list shows; the status line says how many more there are, counted
    // up to MaxCounted in all.
    static constexpr qsizetype MaxShown = 200;
    static constexpr qsizetype MaxCounted = 10000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Query_Change();
    void RunSearch();
    void ShowResult(const search::SearchResult& result);

    Services m_services;
    std::shared_ptr<search::SearchIndex> m_index;
    QFutureWatcher<search::SearchResult> m_watcher;
    bool m_running = false;
    bool m_indexed = false;
    std::optional<QString> m_waiting; // typed while a search ran
    QList<search::Hit> m_hits;
    QLineEdit* m_queryField = nullptr;
    QListWidget* m_resultList = nullptr;
    QLabel* m_statusLabel = nullptr;
};

} // namespace yomiwa::viewer
