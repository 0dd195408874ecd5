#include "AppFolderChoice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace yomiwa::app {

using namespace Qt::Literals::StringLiterals;

namespace {

// One sample file name per line: the samples offered to this folder so far.
const QString OfferedSamplesFile = u".samples-offered"_s;

QString WithSeparator(const QString& folder) {
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString CannotWrite(const QString& folder) {
    return u"データフォルダ「"_s + QDir::toNativeSeparators(folder) +
           u"」に書き込めません。\rそこにある句集は読めますが、感想や句集は保存できません。"_s;
}

QStringList OfferedSamples(const QString& stateFile) {
    QFile file(stateFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

bool WriteOfferedSamples(const QString& stateFile, const QStringList& names) {
    QSaveFile file(stateFile);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write((names.join(u'\n') + u'\n').toUtf8());
    if (file.error() != QFileDevice::NoError || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

QString InstalledSamplesFolder(const QString& executableFolder) {
    return QDir::cleanPath(executableFolder + u"/../share/yomiwa/samples"_s);
}

FolderChoice ChooseAppFolder(const QString& executableFolder, const QString& samplesFolder) {
    if (QFileInfo(QDir(executableFolder).filePath(u"portable"_s)).isFile())
        return {WithSeparator(executableFolder), true, {}};

    const QString folder =
        WithSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    if (!QDir().mkpath(folder)) {
        return {folder, false,
                u"データフォルダ「"_s + QDir::toNativeSeparators(folder) +
                    u"」を作成できません。\r句集や感想を保存することはできません。"_s};
    }
    // The lock, the comments and the editor's saves all need to write here.
    QTemporaryFile probe(folder + u".write-test-XXXXXX"_s);
    if (!probe.open())
        return {folder, false, CannotWrite(folder)};
    probe.close();
    return {folder, false, OfferSamples(folder, samplesFolder)};
}

QString OfferSamples(const QString& dataFolder, const QString& samplesFolder) {
    const QString stateFile = QDir(dataFolder).filePath(OfferedSamplesFile);
    QStringList offered = OfferedSamples(stateFile);
    const QStringList samples =
        QDir(samplesFolder).entryList({u"*.Ywk"_s}, QDir::Files, QDir::Name);
    bool changed = false;
    for (const QString& name : samples) {
        if (offered.contains(name))
            continue;
        const QString target = QDir(dataFolder).filePath(name);
        if (!QFileInfo::exists(target)) {
            if (!QFile::copy(QDir(samplesFolder).filePath(name), target))
                return CannotWrite(dataFolder);
            // A copy keeps the installed file's read-only mode; the user's copy is the
            // user's to change.
            QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        }
        offered << name;
        changed = true;
    }
    if (changed && !WriteOfferedSamples(stateFile, offered))
        return CannotWrite(dataFolder);
    return {};
}

} // namespace yomiwa::app
