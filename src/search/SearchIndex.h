// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "search/SearchText.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

namespace yomiwa::search {

// The fields a search looks in, in the order the hits of one page come.
enum class SearchField { Preface, Verse, Postscript, Commentary, Comment };

// 前書, 句, 後書, 解説, 感想.
QString FieldName(SearchField field);

// A field in which the query was found.
struct Hit {
    QString File; // the collection file's path
    QString Title;
    QString Edition;
    int Page = 0;  // the page's number in the reading window's page list, from 1
    int Entry = 0; // the entry that page shows
    SearchField Field = SearchField::Verse;
    QString Text;                   // the field's text as stored
    std::vector<TextRange> Matches; // every place of Text the query was found at, in order
    QString Verse;                  // the page's verse as stored, for a hit in another field
};

// A file the search could not read, and the reader's message saying why.
struct Unreadable {
    QString File;
    QString Reason;
};

struct SearchResult {
    QList<Hit> Hits;           // files in list order, then pages, then fields in SearchField order
    QList<Unreadable> Skipped; // each once, also where the search found nothing
    bool Complete = true;      // false when the hits stopped at the number asked for
};

// The comments of the collection open in the reading window, as the window holds them: one
// per entry, the comment being typed and those not yet written included. They stand for the
// comments file while they fit the collection as it is on disk.
struct OpenComments {
    QString File; // the collection file
    QStringList Comments;
};

// Finds a text in every collection of a folder: the preface, verse, postscript and
// commentary of every page the reading window lists, and the readers' comments. Each file is
// read and folded once and kept while it is unchanged; a file that changed, appeared or went
// is seen at the next search. The first search reads every file, which takes a while for
// large collections: the index holds no Qt object, so it may live on a worker thread, used by
// one thread at a time.
class SearchIndex {
public:
    explicit SearchIndex(const QString& folder);
    ~SearchIndex();
    SearchIndex(const SearchIndex&) = delete;
    SearchIndex& operator=(const SearchIndex&) = delete;

    // The query without the spaces around it; maxHits < 0: every hit.
    SearchResult Search(const QString& query, const OpenComments* open = nullptr,
                        qsizetype maxHits = -1);

    // The memory the index holds.
    qsizetype Bytes() const;

private:
    struct Collection;
    void Refresh();

    QString m_folder;
    // In the order of the folder's collection list, by file name.
    std::vector<std::pair<QString, std::unique_ptr<Collection>>> m_collections;
};

} // namespace yomiwa::search
