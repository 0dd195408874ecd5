// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/KansoFile.h"

#include "model/Cp932.h"
#include "model/FileIo.h"
#include "model/FileNames.h"
#include "model/TextLines.h"

#include <QDir>
#include <QFile>

namespace yomiwa {

using namespace Qt::Literals::StringLiterals;

namespace {
const QString StartMarker = u"KANSOSTART--"_s;
const QString EndMarker = u"KANSOEND--"_s;

QString NotFittingMessage(const QString& fileName) {
    return u"感想ファイル「%1」の内容が句集ファイルと整合しません。\r\n\r\n感想を読み込めません。"_s
        .arg(fileName);
}

int CountStartLines(QStringView text) {
    int count = 0;
    LineReader lines(text);
    while (const std::optional<QStringView> line = lines.Next()) {
        if (*line == StartMarker)
            ++count;
    }
    return count;
}

// Reads `count` blocks; the start line of a block is not checked, the first line after it
// always belongs to the comment.
std::optional<QStringList> ReadBlocks(QStringView text, int count) {
    QStringList comments;
    comments.reserve(count);
    LineReader lines(text);
    for (int i = 0; i < count; ++i) {
        if (!lines.Next())
            return std::nullopt;
        std::optional<QStringView> line = lines.Next();
        if (!line)
            return std::nullopt;
        QString comment = line->toString();
        while (true) {
            line = lines.Next();
            if (!line)
                return std::nullopt;
            if (*line == EndMarker)
                break;
            comment += u"\r\n"_s;
            comment += *line;
        }
        comments.append(std::move(comment));
    }
    return comments;
}
} // namespace

std::optional<QStringList> ParseKansoBlocks(QByteArrayView bytes) {
    const std::optional<QString> text = cp932::Decode(bytes);
    if (!text)
        return std::nullopt;
    return ReadBlocks(*text, CountStartLines(*text));
}

Result<QStringList> ParseKanso(QByteArrayView bytes, int kuCount, const QString& fileName) {
    const std::optional<QString> text = cp932::Decode(bytes);
    std::optional<QStringList> comments;
    if (text && CountStartLines(*text) == kuCount + 4)
        comments = ReadBlocks(*text, kuCount + 4);
    if (!comments)
        return Result<QStringList>::Failure(ErrorKind::DoesNotFit, NotFittingMessage(fileName));
    return std::move(*comments);
}

QString CommentsReadHead() {
    return u"感想を読み込めません。\r"_s;
}

Result<QStringList> ReadKansoFile(const QString& appFolder, const QString& fileName, int kuCount) {
    using Comments = Result<QStringList>;
    // The name comes from the title inside a collection file; it must not lead elsewhere.
    if (const Status name = CheckFileNamePart(fileName, u"感想ファイル名"_s); !name.ok())
        return Comments::Failure(name.kind(), CommentsReadHead() + name.error());
    const QString path = QDir(appFolder).filePath(ExistingFileName(appFolder, fileName));
    if (!QFile::exists(path))
        return QStringList(kuCount + 4);
    const Result<QByteArray> file = ReadFileBytes(path);
    if (!file.ok())
        return Comments::Failure(file.kind(), CommentsReadHead() + file.error());
    return ParseKanso(file.value(), kuCount, fileName);
}

Result<QByteArray> SerializeKanso(const QStringList& comments, const EntryLabeler& label) {
    using Bytes = Result<QByteArray>;
    auto labelOf = [&](int index) {
        return label ? label(index) : u"%1番目のページ"_s.arg(index + 1);
    };
    const QString head = u"感想を保存できません。\r"_s;
    qsizetype estimate = 0;
    for (int i = 0; i < comments.size(); ++i) {
        const QString& comment = comments.at(i);
        estimate += comment.size() + 28;
        // A start marker anywhere would be counted as a block; an end marker after the
        // first line would end the block early.
        if (FirstLineEqualTo(comment, StartMarker, 0) >= 0 ||
            FirstLineEqualTo(comment, EndMarker, 1) >= 0) {
            const QString& marker =
                FirstLineEqualTo(comment, StartMarker, 0) >= 0 ? StartMarker : EndMarker;
            return Bytes::Failure(
                ErrorKind::Refused,
                head + u"%1の感想に「%2」だけの行があります。\r"
                       u"この行があると、感想を正しく読み込めなくなります。"_s.arg(labelOf(i),
                                                                                   marker));
        }
    }
    QString out;
    out.reserve(estimate);
    for (const QString& comment : comments) {
        out += StartMarker;
        out += u"\r\n"_s;
        out += comment;
        out += u"\r\n"_s;
        out += EndMarker;
        out += u"\r\n"_s;
    }
    cp932::Encoded encoded = cp932::Encode(out);
    if (encoded.ok())
        return std::move(encoded.Bytes);
    for (int i = 0; i < comments.size(); ++i) {
        const cp932::Encoded one = cp932::Encode(comments.at(i));
        if (!one.ok()) {
            return Bytes::Failure(
                ErrorKind::Refused,
                head + u"%1の感想に、Shift-JISで保存できない文字%2があります。"_s.arg(
                           labelOf(i), cp932::DescribeChar(comments.at(i), one.BadIndex)));
        }
    }
    return Bytes::Failure(ErrorKind::Refused, head + u"Shift-JISで保存できない文字があります。"_s);
}

Status WriteKansoFile(const QString& appFolder, const QString& fileName,
                      const QStringList& comments, const EntryLabeler& label) {
    if (const Status name = CheckFileNamePart(fileName, u"感想ファイル名"_s); !name.ok())
        return Status::Failure(name.kind(), u"感想を保存できません。\r"_s + name.error());
    const Result<QByteArray> file = SerializeKanso(comments, label);
    if (!file.ok())
        return Status::Failure(file);
    return SaveFileBytes(QDir(appFolder).filePath(ExistingFileName(appFolder, fileName)),
                         file.value());
}

} // namespace yomiwa
