// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppFolderChoice.h"

#include "model/FileIo.h"
#include "model/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include <sys/stat.h>

namespace yomiwa::app {

using namespace Qt::Literals::StringLiterals;

namespace {

// One sample file name per line: the samples offered to this folder so far.
const QString OfferedSamplesFile = u".samples-offered"_s;

QString WithSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

Status CannotWrite(const QString& folder) {
    return Status::Failure(ErrorKind::CannotWrite,
                           u"データフォルダ「"_s + QDir::toNativeSeparators(folder) +
                               u"」に書き込めません。\r"
                               u"そこにある句集は読めますが、感想や句集は保存できません。"_s);
}

// The state file is a few lines of text. Anything else under its name that is not a
// regular file (a FIFO, a folder, a link) is not the program's: it is left alone and counts
// as empty. A regular file too large or not text is replaced.
constexpr qint64 OfferedSamplesLimit = qint64{64} * 1024;

struct OfferedSamples {
    QStringList Names;
    bool MayWrite = true;
};

OfferedSamples ReadOfferedSamples(const QString& stateFile) {
    struct stat info {};
    if (::lstat(QFile::encodeName(stateFile).constData(), &info) != 0)
        return {};
    if (!S_ISREG(info.st_mode))
        return {{}, false};
    const Result<QByteArray> bytes = ReadFileBytes(stateFile, OfferedSamplesLimit + 1);
    if (!bytes.ok())
        return {{}, info.st_size > OfferedSamplesLimit};
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(bytes.value());
    if (bytes.value().size() > OfferedSamplesLimit || utf8.hasError() || text.contains(QChar()))
        return {};
    return {text.split(u'\n', Qt::SkipEmptyParts)};
}

} // namespace

QString InstalledSamplesFolder(const QString& executableFolder) {
    return QDir::cleanPath(executableFolder + u"/../share/yomiwa/samples"_s);
}

FolderChoice ChooseAppFolder(const QString& executableFolder, const QString& samplesFolder) {
    if (QFileInfo(QDir(executableFolder).filePath(u"portable"_s)).isFile())
        return {WithSeparator(executableFolder), true, {}};

    // A relative XDG_DATA_HOME is invalid and ignored: the data folder never depends on the
    // current folder.
    if (QDir::isRelativePath(qEnvironmentVariable("XDG_DATA_HOME")))
        qunsetenv("XDG_DATA_HOME");
    const QString folder =
        WithSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!QDir().mkpath(folder)) {
        return {folder, false,
                Status::Failure(ErrorKind::CannotWrite,
                                u"データフォルダ「"_s + QDir::toNativeSeparators(folder) +
                                    u"」を作成できません。\r"
                                    u"句集や感想を保存することはできません。"_s)};
    }
    // The lock, the comments and the editor's saves all need to make files here.
    if (!ReplacingFile(folder + OfferedSamplesFile).Open(-1))
        return {folder, false, CannotWrite(folder)};
    return {folder, false, OfferSamples(folder, samplesFolder)};
}

Status OfferSamples(const QString& dataFolder, const QString& samplesFolder) {
    const QString stateFile = QDir(dataFolder).filePath(OfferedSamplesFile);
    const OfferedSamples state = ReadOfferedSamples(stateFile);
    QStringList offered = state.Names;
    const QStringList samples =
        QDir(samplesFolder).entryList({u"*.Ywk"_s}, QDir::Files, QDir::Name);
    bool changed = false;
    for (const QString& name : samples) {
        if (offered.contains(name))
            continue;
        // A link of that name, even one leading nowhere, is the user's too.
        const QFileInfo target(QDir(dataFolder).filePath(name));
        if (!target.exists() && !target.isSymLink() &&
            !CopyFileBytes(QDir(samplesFolder).filePath(name), target.filePath()).ok())
            return CannotWrite(dataFolder);
        offered << name;
        changed = true;
    }
    if (changed && state.MayWrite &&
        !SaveFileBytes(stateFile, (offered.join(u'\n') + u'\n').toUtf8()).ok())
        return CannotWrite(dataFolder);
    return {};
}

} // namespace yomiwa::app
