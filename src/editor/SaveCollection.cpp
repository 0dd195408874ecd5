// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SaveCollection.h"

#include "model/FileIo.h"
#include "model/FileNames.h"
#include "model/KansoFile.h"
#include "model/KushuFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace yomiwa::editor {

using namespace Qt::Literals::StringLiterals;

namespace {

// The comments file's new content, and the old one to put back if the collection fails.
struct Rewrite {
    QString Path; // empty: no comments file is touched
    QByteArray Previous;
    QByteArray Next;
    bool KeepPrevious = false; // a comment would be lost: keep the previous file first
};

QString CommentsName(const QString& title, const QString& edition) {
    return KansoFileName(title, u"第"_s + edition + u"版"_s);
}

Result<Rewrite> PlanRewrite(const QString& appFolder, const Kushu& kushu, const QString& target,
                            const LoadedFile& loaded, const Origins& origins) {
    const QString name = CommentsName(kushu.Title, kushu.Edition);
    const bool sameFile =
        !loaded.Path.isEmpty() && IsSameFile(target, loaded.Path) &&
        name.compare(CommentsName(loaded.Title, loaded.Edition), Qt::CaseInsensitive) == 0;
    // A new edition under a new name: every comments file still belongs to what it did.
    if (!sameFile && !QFileInfo::exists(target))
        return Rewrite{};
    Rewrite rewrite;
    rewrite.Path = QDir(appFolder).filePath(ExistingFileName(appFolder, name));
    // Only a regular file is rewritten: the writer never writes through a link, and a
    // comments file that cannot be read is left as it is.
    const QFileInfo file(rewrite.Path);
    if (file.isSymLink() || !file.isFile())
        return Rewrite{};
    const Result<QByteArray> bytes = ReadFileBytes(rewrite.Path);
    if (!bytes.ok())
        return Rewrite{};
    rewrite.Previous = bytes.value();

    QStringList next;
    if (sameFile) {
        const Result<QStringList> read = ParseKanso(rewrite.Previous, loaded.EntryCount - 4, name);
        if (!read.ok())
            return Rewrite{}; // it did not fit before: the reading window deals with it
        const QStringList& old = read.value();
        QList<bool> carried(old.size(), false);
        for (int origin : origins) {
            next.append(origin == NewEntry ? QString() : old.value(origin));
            if (origin >= 0 && origin < carried.size())
                carried[origin] = true;
        }
        for (int i = 0; i < old.size(); ++i)
            rewrite.KeepPrevious |= !carried.at(i) && !old.at(i).isEmpty();
    } else {
        // Another collection's file is replaced: none of its entries' blocks apply any more.
        // Empty blocks rather than no file: the comments file then fits the collection saved.
        next = QStringList(kushu.Entries.size());
        const std::optional<QStringList> old = ParseKansoBlocks(rewrite.Previous);
        rewrite.KeepPrevious = !old || std::any_of(old->begin(), old->end(),
                                                   [](const QString& c) { return !c.isEmpty(); });
    }
    Result<QByteArray> serialized =
        SerializeKanso(next, [&kushu](int index) { return EntryLabel(kushu, index); });
    if (!serialized.ok())
        return Result<Rewrite>::Failure(serialized);
    if (serialized.value() == rewrite.Previous)
        return Rewrite{};
    rewrite.Next = std::move(serialized).value();
    return rewrite;
}

QString StoppedForComments(const Kushu& kushu) {
    return u"\r\r感想が失われないよう、句集「%1」を保存するのを取りやめました。"_s.arg(
        kushu.Title + u"_"_s + kushu.Edition);
}

} // namespace

Result<SavedCollection> SaveCollection(const QString& appFolder, const Kushu& kushu,
                                       const LoadedFile& loaded, const Origins& origins) {
    using Saved = Result<SavedCollection>;
    const QString target = QDir(appFolder).filePath(
        ExistingFileName(appFolder, KushuFileName(kushu.Title, kushu.Edition)));
    // A collection that cannot be written is refused before any comment is moved.
    const Result<QByteArray> collection = SerializeKushu(kushu);
    if (!collection.ok())
        return Saved::Failure(collection);
    const Result<Rewrite> planned = PlanRewrite(appFolder, kushu, target, loaded, origins);
    if (!planned.ok())
        return Saved::Failure(planned.kind(), planned.error() + StoppedForComments(kushu));
    const Rewrite& rewrite = planned.value();

    std::optional<QString> kept;
    if (rewrite.KeepPrevious) {
        kept = KeepCopy(rewrite.Path);
        if (!kept) {
            return Saved::Failure(ErrorKind::CannotWrite,
                                  u"感想ファイル「%1」を別の名前で残せませんでした。"_s.arg(
                                      DisplayName(rewrite.Path)) +
                                      StoppedForComments(kushu));
        }
    }
    if (!rewrite.Path.isEmpty()) {
        if (const Status written = SaveFileBytes(rewrite.Path, rewrite.Next); !written.ok()) {
            if (kept)
                QFile::remove(*kept);
            return Saved::Failure(written.kind(), written.error() + StoppedForComments(kushu));
        }
    }
    if (const Status written = SaveFileBytes(target, collection.value()); !written.ok()) {
        if (!rewrite.Path.isEmpty()) {
            // The comments file must go on matching the collection file left on disk.
            const Status back = SaveFileBytes(rewrite.Path, rewrite.Previous);
            if (!back.ok()) {
                return Saved::Failure(written.kind(),
                                      written.error() +
                                          u"\r\r感想ファイルを元に戻せませんでした。\r"_s +
                                          back.error());
            }
        }
        if (kept)
            QFile::remove(*kept); // the file it copies is back in its place
        return Saved::Failure(written);
    }
    SavedCollection saved{target, {}};
    if (kept) {
        saved.Notice = u"感想ファイル「%1」には保存した句集にない句の感想があったため、"_s
                       u"元のファイルを「%2」という名前で残しました。"_s.arg(
                           DisplayName(rewrite.Path), DisplayName(*kept));
    }
    return saved;
}

} // namespace yomiwa::editor
