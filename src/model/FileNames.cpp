// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/FileNames.h"

#include "model/Cp932.h"
#include "model/FileIo.h"

#include <QDir>
#include <QFileInfo>

namespace yomiwa {

using namespace Qt::Literals::StringLiterals;

QString KushuFileName(const QString& title, const QString& edition) {
    return title + u"_"_s + edition + u".Ywk"_s;
}

QString CollectionFilePath(const QString& appFolder, const QString& listText) {
    if (listText.endsWith(u".Ywk"_s, Qt::CaseInsensitive))
        return QDir(appFolder).filePath(listText);
    return QDir(appFolder).filePath(ExistingFileName(appFolder, listText + u".Ywk"_s));
}

QString ExistingFileName(const QString& folder, const QString& name) {
    // A link of exactly that name counts too: the writer refuses it rather than choosing
    // another file.
    if (QFileInfo(QDir(folder).filePath(name)).isSymLink() ||
        QFileInfo::exists(QDir(folder).filePath(name)))
        return name;
    const QStringList names = QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : names) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return name;
}

bool IsSameFile(const QString& a, const QString& b) {
    const QFileInfo x(a);
    const QFileInfo y(b);
    return x.absolutePath() == y.absolutePath() &&
           x.fileName().compare(y.fileName(), Qt::CaseInsensitive) == 0;
}

std::optional<QString> KeepCopy(const QString& path) {
    for (int n = 1; n <= 999; ++n) {
        const QString kept = path + u".bak"_s + (n == 1 ? QString() : QString::number(n));
        if (!QFileInfo(kept).isSymLink() && !QFileInfo::exists(kept))
            return CopyFileBytes(path, kept).ok() ? std::optional(kept) : std::nullopt;
    }
    return std::nullopt;
}

QString KansoFileName(const QString& titleCaption, const QString& editionCaption) {
    return titleCaption + u"_"_s + editionCaption.mid(1, 1) + u".kan"_s;
}

Status CheckFileNamePart(const QString& text, const QString& what) {
    static constexpr char16_t Forbidden[] = u"\\/:*?\"<>|";
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' || c == u'\n')
            return Status::Failure(ErrorKind::Refused, u"%1に改行が含まれています。"_s.arg(what));
        if (c < 0x20 || QStringView(Forbidden).contains(QChar(c))) {
            return Status::Failure(ErrorKind::Refused,
                                   u"%1にファイル名に使えない文字%2が含まれています。\r"
                                   u"次の文字は使えません： \\ / : * ? \" < > |"_s.arg(
                                       what, cp932::DescribeChar(text, i)));
        }
    }
    return {};
}

} // namespace yomiwa
