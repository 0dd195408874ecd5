#include "KushuFile.h"
#include "RenderCommand.h"
#include "TestSupport.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

using namespace yomiwa;
using namespace yomiwa::tool;
using namespace Qt::Literals::StringLiterals;

TEST(ToolRender, ExitCodesAndMessages) {
    test::Folder folder;
    ASSERT_EQ(WriteKushuFile(folder.Path(), test::MakeKushu(2)), QString()); // six pages
    const QString ywk = folder.File(u"春_一.Ywk"_s);
    const QString pdf = folder.File(u"a.pdf"_s), png = folder.File(u"a.png"_s);
    test::WriteBytes(folder.File(u"bad.Ywk"_s), "x\r\n");
    struct Case {
        QStringList arguments;
        int exit;
        QString errorStart; // the error up to the usage text
    };
    const Case cases[] = {
        {{ywk, pdf}, ExitOk, {}},
        {{ywk, pdf, u"--layout"_s, u"a4-fit"_s, u"--page"_s, u"6"_s}, ExitOk, {}},
        {{ywk, png, u"--page"_s, u"1"_s, u"--scale"_s, u"2"_s}, ExitOk, {}},
        {{ywk, png}, ExitUsage, u"PNG 画像には --page でページを指定してください。"_s},
        {{ywk, png, u"--page"_s, u"7"_s},
         ExitUsage,
         u"--page には 1 から 6 までのページ番号を指定してください（この句集は 6 ページです）。"_s},
        {{ywk, png, u"--page"_s, u"1"_s, u"--scale"_s, u"3"_s},
         ExitUsage,
         u"--scale には 1、2、4 のどれかを指定してください。"_s},
        {{ywk, pdf, u"--layout"_s, u"a3"_s},
         ExitUsage,
         u"--layout には tanzaku、b4、a4、a4-fit のどれかを指定してください。"_s},
        {{ywk, pdf, u"--page"_s},
         ExitUsage,
         u"オプション「--page」には値を一つ指定してください。"_s},
        {{ywk, folder.File(u"a.txt"_s)}, ExitUsage, u"出力ファイル「"_s},
        {{ywk}, ExitUsage, u"「render」には句集ファイルと出力ファイルの二つが必要です"_s},
        {{folder.File(u"bad.Ywk"_s), pdf}, ExitRefused, u"句集を開けません。"_s},
        {{ywk, folder.File(u"無い/a.pdf"_s)},
         ExitRefused,
         u"ファイル「a.pdf」に書き出せません。"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ToolResult result = RunTool(QStringList{u"render"_s} + c.arguments);
        EXPECT_EQ(result.Exit, c.exit);
        EXPECT_TRUE(result.Error.startsWith(c.errorStart)) << result.Error.toStdString();
        EXPECT_EQ(result.Error.endsWith(UsageText()), c.exit == ExitUsage);
    }
    EXPECT_EQ(QImage(png).size(), QSize(362, 1066));
}

// The program draws without any display: it chooses the offscreen platform itself.
TEST(ToolRender, ProgramRendersWithoutADisplay) {
    test::Folder folder;
    ASSERT_EQ(WriteKushuFile(folder.Path(), test::MakeKushu(1)), QString());
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"QT_QPA_PLATFORM"_s, u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    const QString out = folder.File(u"b.pdf"_s);
    process.start(QStringLiteral(YOMIWA_TOOL_PATH),
                  {u"render"_s, folder.File(u"春_一.Ywk"_s), out, u"--layout"_s, u"b4"_s});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(test::ReadBytes(out).startsWith("%PDF"));
}
