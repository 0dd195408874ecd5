// SPDX-License-Identifier: GPL-3.0-or-later
// `cmake --install` into a fresh prefix puts exactly the installed program's files in place,
// each accepted by its validator, and the file types map once the MIME database is built.

#include <QDirIterator>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Exit status (-1 when it did not end) and what the program said on stdout and stderr. None
// of these runs has a display.
std::tuple<int, QString, QString> Execute(const QString& program, const QStringList& args) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, args);
    const bool ended =
        process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {ended ? process.exitCode() : -1, QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(InstallTree, InstallsEveryFileValidAndMapsTheFileTypes) {
    QTemporaryDir prefix;
    const QString root = prefix.path() + u'/', id = QStringLiteral(YOMIWA_DESKTOP_ID);
    auto [exit, out, err] =
        Execute(QStringLiteral(YOMIWA_CMAKE),
                {u"--install"_s, QStringLiteral(YOMIWA_BUILD_DIR), u"--prefix"_s, root});
    ASSERT_EQ(exit, 0) << err.toStdString();

    QStringList files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next().mid(root.size());
    files.sort();
    const QStringList expected =
        u"bin/yomiwa bin/yomiwa-tool share/applications/%1.desktop share/doc/yomiwa/changelog.gz "
        "share/doc/yomiwa/copyright share/icons/hicolor/scalable/apps/%1.svg "
        "share/man/man1/yomiwa-tool.1.gz share/man/man1/yomiwa.1.gz share/metainfo/%1.metainfo.xml "
        "share/mime/packages/%1.xml share/yomiwa/samples/四季の名句_一.Ywk"_s.arg(id)
            .split(u' ');
    EXPECT_EQ(files, expected); // no "portable" marker: installed means the data folder
    for (const QString& program : {u"yomiwa"_s, u"yomiwa-tool"_s})
        EXPECT_EQ(Execute(root + u"bin/"_s + program, {u"--version"_s}),
                  std::tuple(0, program + u" " YOMIWA_VERSION "\n"_s, QString()));
    EXPECT_EQ(
        Execute(root + u"bin/yomiwa"_s, {u"--bogus"_s}),
        std::tuple(2, QString(),
                   u"yomiwa: 不明なオプションです: bogus\n使い方: yomiwa [句集ファイル.Ywk]\n"_s));

    // The prefix is searched like /usr/share, by the tools and by QMimeDatabase alike. Each
    // tool must accept its file and say nothing but the rendered man page or a summary.
    qputenv("XDG_DATA_DIRS", (root + u"share:/usr/share"_s).toUtf8());
    const QStringList man = {u"man"_s, u"--warnings"_s, u"-E"_s, u"UTF-8"_s, u"-l"_s};
    const QList<QStringList> checks = {
        {u"desktop-file-validate"_s, root + expected[2]},
        {u"appstreamcli"_s, u"validate"_s, u"--no-net"_s, root + expected[8]},
        {u"update-mime-database"_s, root + u"share/mime"_s},
        man + QStringList{root + expected[6]},
        man + QStringList{root + expected[7]},
    };
    QStringList missing;
    for (const QStringList& check : checks) {
        if (QStandardPaths::findExecutable(check[0]).isEmpty()) {
            missing << check[0];
            continue;
        }
        std::tie(exit, out, err) = Execute(check[0], check.mid(1));
        const bool quiet = check[0] != u"man"_s && check[0] != u"appstreamcli"_s;
        EXPECT_TRUE(exit == 0 && err.isEmpty() && (!quiet || out.isEmpty()))
            << (check.join(u' ') + u": "_s + out + err).toStdString();
    }
    QStringList types;
    for (const QString& name : {u"a.Ywk"_s, u"a.ywk"_s, u"a.kan"_s})
        types << QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension).name();
    const QString collection = u"application/x-yomiwa-collection"_s;
    EXPECT_EQ(types, (QStringList{collection, collection, u"application/x-yomiwa-comments"_s}));
    if (!missing.isEmpty())
        GTEST_SKIP() << "not installed (see scripts/install-deps): "
                     << missing.join(u", "_s).toStdString();
}

TEST(InstallTree, PackagePassesLintian) {
    if (QStandardPaths::findExecutable(u"lintian"_s).isEmpty())
        GTEST_SKIP() << "lintian is not installed (see scripts/install-deps)";
    QTemporaryDir folder; // the package and CPack's staging tree, apart from `make package`
    auto [exit, out, err] =
        Execute(QStringLiteral(YOMIWA_CPACK),
                {u"-G"_s, u"DEB"_s, u"--config"_s,
                 QStringLiteral(YOMIWA_BUILD_DIR "/CPackConfig.cmake"), u"-B"_s, folder.path()});
    const QStringList debs = QDir(folder.path()).entryList({u"*.deb"_s});
    ASSERT_TRUE(exit == 0 && debs.size() == 1) << (out + err).toStdString();
    std::tie(exit, out, err) =
        Execute(u"lintian"_s, {u"--fail-on"_s, u"error,warning"_s, folder.filePath(debs[0])});
    EXPECT_EQ(exit, 0) << (out + err).toStdString();
}

} // namespace
