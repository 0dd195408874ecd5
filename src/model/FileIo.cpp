#include "FileIo.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace yomiwa {

using namespace Qt::Literals::StringLiterals;

FileBytes ReadFileBytes(const QString& path, qint64 limit) {
    FileBytes result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    result.Opened = true;
    const qint64 cap = limit >= 0 ? limit : MaxFileSize;
    if (limit < 0 && file.size() > MaxFileSize) {
        result.TooLarge = true;
        return result;
    }
    if (!file.isSequential())
        result.Bytes.reserve(qMin(file.size(), cap));
    // Read in pieces up to the cap: a device that never ends (or grows while it is read)
    // must not be read into memory whole.
    constexpr qint64 Chunk = 1 << 20;
    while (result.Bytes.size() < cap + (limit < 0 ? 1 : 0)) {
        const QByteArray piece = file.read(qMin(Chunk, cap + 1 - result.Bytes.size()));
        if (piece.isEmpty())
            break;
        result.Bytes += piece;
    }
    if (limit >= 0) {
        result.Bytes.truncate(limit);
    } else if (result.Bytes.size() > MaxFileSize) {
        result.Bytes.clear();
        result.TooLarge = true;
    }
    return result;
}

QString DisplayName(const QString& path) {
    return QFileInfo(path).fileName();
}

QString SaveFileBytes(const QString& path, const QByteArray& bytes) {
    const QString head = u"ファイル「"_s + DisplayName(path) + u"」を保存できません。\r"_s;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return head + u"フォルダに書き込めないか、ファイル名が長すぎます。"_s;
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return head + u"ディスクの空きが足りないか、書き込み中にエラーが起きました。"_s;
    }
    if (!file.commit())
        return head + u"ディスクの空きが足りないか、書き込み中にエラーが起きました。"_s;
    return {};
}

} // namespace yomiwa
