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

struct Ran {
    int Exit = -1;
    QString Output, Errors;
};

Ran Execute(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(60000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(InstallTree, InstallsEveryFileValidAndMapsTheFileTypes) {
    QTemporaryDir prefix;
    const QString root = prefix.path() + u'/';
    const QString id = QStringLiteral(YOMIWA_DESKTOP_ID);
    Ran run = Execute(QStringLiteral(YOMIWA_CMAKE),
                      {u"--install"_s, QStringLiteral(YOMIWA_BUILD_DIR), u"--prefix"_s, root});
    ASSERT_EQ(run.Exit, 0) << run.Errors.toStdString();

    QStringList files;
    for (QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        files << it.next().mid(root.size());
    files.sort();
    const QStringList expected = {
        u"bin/yomiwa"_s,
        u"bin/yomiwa-tool"_s,
        u"share/applications/"_s + id + u".desktop"_s,
        u"share/icons/hicolor/scalable/apps/"_s + id + u".svg"_s,
        u"share/man/man1/yomiwa-tool.1.gz"_s,
        u"share/man/man1/yomiwa.1.gz"_s,
        u"share/metainfo/"_s + id + u".metainfo.xml"_s,
        u"share/mime/packages/"_s + id + u".xml"_s,
        u"share/yomiwa/samples/四季の名句_一.Ywk"_s,
    };
    EXPECT_EQ(files, expected); // no "portable" marker: installed means the data folder
    run = Execute(root + u"bin/yomiwa"_s, {u"--version"_s});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Output, u"yomiwa 1.1\n"_s);

    // The prefix is searched like /usr/share, by the tools and by QMimeDatabase alike.
    qputenv("XDG_DATA_DIRS", (root + u"share:/usr/share"_s).toUtf8());

    // Each validator must accept its file; a missing one is named and the test skipped.
    // Quiet: what the tool says on success (nothing, except the rendered man page).
    const QStringList manPage = {u"--warnings"_s, u"-E"_s, u"UTF-8"_s, u"-l"_s};
    const struct {
        QString Program;
        QStringList Args;
        QString Package;
        bool QuietOut = true;
    } validators[] = {
        {u"desktop-file-validate"_s, {root + expected[2]}, u"desktop-file-utils"_s},
        {u"appstreamcli"_s,
         {u"validate"_s, u"--no-net"_s, root + expected[6]},
         u"appstream"_s,
         false},
        {u"update-mime-database"_s, {root + u"share/mime"_s}, u"shared-mime-info"_s},
        {u"man"_s, manPage + QStringList{root + expected[4]}, u"man-db"_s, false},
        {u"man"_s, manPage + QStringList{root + expected[5]}, u"man-db"_s, false},
    };
    QStringList missing;
    for (const auto& v : validators) {
        if (QStandardPaths::findExecutable(v.Program).isEmpty()) {
            missing << v.Program + u" (Debian package "_s + v.Package + u')';
            continue;
        }
        run = Execute(v.Program, v.Args);
        const std::string said = (v.Program + u": "_s + run.Output + run.Errors).toStdString();
        EXPECT_EQ(run.Exit, 0) << said;
        EXPECT_TRUE(run.Errors.isEmpty() && (!v.QuietOut || run.Output.isEmpty())) << said;
    }

    // The installed types as QMimeDatabase sees them, whatever the case of the extension.
    QMimeDatabase mime;
    for (const auto& [name, type] : {std::pair{u"a.Ywk"_s, u"application/x-yomiwa-collection"_s},
                                     {u"a.YWK"_s, u"application/x-yomiwa-collection"_s},
                                     {u"a.ywk"_s, u"application/x-yomiwa-collection"_s},
                                     {u"a.kan"_s, u"application/x-yomiwa-comments"_s}})
        EXPECT_EQ(mime.mimeTypeForFile(name, QMimeDatabase::MatchExtension).name(), type)
            << name.toStdString();
    if (!missing.isEmpty())
        GTEST_SKIP() << "not installed: " << missing.join(u", "_s).toStdString();
}

} // namespace
