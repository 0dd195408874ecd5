// SPDX-License-Identifier: GPL-3.0-or-later
#include "search/SearchIndex.h"

#include "model/CollectionFiles.h"
#include "model/FileNames.h"
#include "model/KansoFile.h"
#include "model/KushuFile.h"
#include "model/PageList.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <limits>
#include <optional>

#include <sys/stat.h>

namespace yomiwa::search {

using namespace Qt::Literals::StringLiterals;

namespace {

// What tells a changed file from the one read before: a save through a temporary file gives
// a new inode, a write in place a new size or time.
struct FileStamp {
    bool Exists = false;
    qint64 Size = 0, Inode = 0, Device = 0, Modified = 0, Changed = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    auto nanoseconds = [](const timespec& t) {
        return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
    };
    return {true,
            qint64(status.st_size),
            qint64(status.st_ino),
            qint64(status.st_dev),
            nanoseconds(status.st_mtim),
            nanoseconds(status.st_ctim)};
}

Status TooLarge() {
    return Status::Failure(ErrorKind::TooLarge, u"大きすぎて検索できません。"_s);
}

// A field of an entry, as FoldedFields names it.
qint64 TagOf(int entry, SearchField field) {
    return qint64(entry) * 8 + qint64(field);
}

} // namespace

QString FieldName(SearchField field) {
    static const QString Names[] = {u"前書"_s, u"句"_s, u"後書"_s, u"解説"_s, u"感想"_s};
    return Names[int(field)];
}

struct SearchIndex::Collection {
    FileStamp Stamp;
    Status Readable; // why the file cannot be read; nothing else is kept then
    QString Title;
    QString Edition;
    int KuCount = 0;
    std::vector<qint32> PageOfEntry; // 0 for a page the list leaves out
    FoldedFields Fields;

    QString CommentsName; // the comments file as the collection names it
    std::optional<FileStamp> CommentsStamp;
    Status CommentsReadable;
    FoldedFields Comments;
    // The comments a caller gave for this collection last, folded.
    QStringList Given;
    FoldedFields GivenFolded;

    static std::unique_ptr<Collection> Load(const QString& path, const FileStamp& stamp) {
        auto c = std::make_unique<Collection>();
        c->Stamp = stamp;
        const Result<Kushu> read = ReadKushuFile(path);
        if (!read.ok()) {
            c->Readable = Status::Failure(read);
            return c;
        }
        const Kushu& k = read.value();
        c->Title = k.Title;
        c->Edition = k.Edition;
        c->KuCount = k.KuCount();
        c->CommentsName = KansoFileName(k.Title, u"第"_s + k.Edition + u"版"_s);
        c->PageOfEntry.assign(std::size_t(k.Entries.size()), 0);
        const QStringList rows = PageRows(k);
        for (int row = 0; row < rows.size(); ++row) {
            const ListedPage page = PageOfRow(rows, row, c->KuCount);
            const KuEntry& e = k.Entries.at(page.Entry);
            c->PageOfEntry[std::size_t(page.Entry)] = row + 1;
            auto add = [&](SearchField field, const QString& text) {
                return c->Fields.Add(TagOf(page.Entry, field), text);
            };
            const bool fits =
                (page.Kind != EntryKind::Ku ||
                 (add(SearchField::Preface, e.Preface) && add(SearchField::Verse, e.Verse) &&
                  add(SearchField::Postscript, e.Postscript))) &&
                add(SearchField::Commentary, e.Commentary);
            if (!fits) {
                c->Readable = TooLarge();
                c->Fields = {};
                return c;
            }
        }
        c->Fields.Finish();
        return c;
    }

    // False when they do not fit; those that fit are kept.
    bool FoldComments(const QStringList& comments, FoldedFields& into) const {
        into = {};
        bool fits = true;
        for (std::size_t entry = 0; entry < PageOfEntry.size() && fits; ++entry) {
            if (PageOfEntry[entry] > 0)
                fits = into.Add(TagOf(int(entry), SearchField::Comment),
                                comments.at(qsizetype(entry)));
        }
        into.Finish();
        return fits;
    }

    QString CommentsPath(const QString& folder) const {
        return QDir(folder).filePath(ExistingFileName(folder, CommentsName));
    }

    void RefreshComments(const QString& folder) {
        if (!Readable.ok())
            return;
        const FileStamp stamp = StampOf(CommentsPath(folder));
        if (CommentsStamp == stamp)
            return;
        CommentsStamp = stamp;
        Comments = {};
        const Result<QStringList> read = ReadKansoFile(folder, CommentsName, KuCount);
        if (!read.ok())
            CommentsReadable = Status::Failure(read);
        else
            CommentsReadable = FoldComments(read.value(), Comments) ? Status() : TooLarge();
    }

    // The comments to search: those given while they fit the collection, else the file's.
    const FoldedFields& CommentsFor(const QString& path, const OpenComments* open) {
        if (!open || !IsSameFile(open->File, path) ||
            open->Comments.size() != qsizetype(PageOfEntry.size()))
            return Comments;
        if (open->Comments != Given) {
            Given = open->Comments;
            FoldComments(Given, GivenFolded);
        }
        return GivenFolded;
    }

    // The hits of one set of folded fields, at most `limit`.
    QList<Hit> Find(const FoldedFields& fields, const QString& path, QStringView query,
                    qsizetype limit) const {
        QList<Hit> hits;
        fields.Find(query, [&](qint64 tag, const QString& text,
                               const std::vector<TextRange>& matches) {
            const int entry = int(tag / 8);
            const auto field = SearchField(tag % 8);
            hits.append(
                {path, Title, Edition, PageOfEntry[std::size_t(entry)], entry, field, text, matches,
                 field == SearchField::Verse ? QString()
                                             : Fields.Text(TagOf(entry, SearchField::Verse))});
            return hits.size() < limit;
        });
        return hits;
    }
};

SearchIndex::SearchIndex(const QString& folder)
    : m_folder(folder.endsWith(u'/') ? folder : folder + u'/') {}

SearchIndex::~SearchIndex() = default;

void SearchIndex::Refresh() {
    std::vector<std::pair<QString, std::unique_ptr<Collection>>> listed;
    for (const QString& name : CollectionFileNames(m_folder)) {
        const QString path = m_folder + name;
        const FileStamp stamp = StampOf(path);
        auto known = std::find_if(m_collections.begin(), m_collections.end(),
                                  [&](const auto& c) { return c.first == name; });
        std::unique_ptr<Collection> c =
            known != m_collections.end() && known->second->Stamp == stamp
                ? std::move(known->second)
                : Collection::Load(path, stamp);
        c->RefreshComments(m_folder);
        listed.emplace_back(name, std::move(c));
    }
    m_collections = std::move(listed);
}

SearchResult SearchIndex::Search(const QString& query, const OpenComments* open,
                                 qsizetype maxHits) {
    Refresh();
    SearchResult result;
    // Spaces typed before or after the words are not part of what is looked for.
    const QString folded = FoldForSearch(QStringView(query).trimmed());
    for (auto& [name, c] : m_collections) {
        const QString path = m_folder + name;
        if (!c->Readable.ok()) {
            result.Skipped.append({path, c->Readable.error()});
            continue;
        }
        const FoldedFields& comments = c->CommentsFor(path, open);
        if (&comments == &c->Comments && !c->CommentsReadable.ok())
            result.Skipped.append({c->CommentsPath(m_folder), c->CommentsReadable.error()});
        if (!result.Complete || folded.isEmpty())
            continue;
        // One more than may be shown tells whether there are more.
        const qsizetype room =
            maxHits < 0 ? std::numeric_limits<qsizetype>::max() - 1 : maxHits - result.Hits.size();
        QList<Hit> hits = c->Find(c->Fields, path, folded, room + 1);
        const QList<Hit> commented = c->Find(comments, path, folded, room + 1);
        if (!commented.isEmpty()) {
            hits += commented;
            std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
                return a.Page != b.Page ? a.Page < b.Page : a.Field < b.Field;
            });
        }
        if (hits.size() > room) {
            hits.resize(room);
            result.Complete = false;
        }
        result.Hits += hits;
    }
    return result;
}

qsizetype SearchIndex::Bytes() const {
    qsizetype bytes = 0;
    for (const auto& [name, c] : m_collections) {
        bytes += qsizetype(sizeof(Collection)) + c->Fields.Bytes() + c->Comments.Bytes() +
                 c->GivenFolded.Bytes() + qsizetype(c->PageOfEntry.capacity() * sizeof(qint32));
    }
    return bytes;
}

} // namespace yomiwa::search
