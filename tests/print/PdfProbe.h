#pragma once

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QTemporaryDir>

namespace yomiwa::test {

// What poppler's pdfinfo and pdfdetach read from a PDF: an independent reader of the files.
struct PdfProbe {
    int Pages = 0;
    QSizeF Points;
    QString Title;
    QString AttachedText;
};

inline QString RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline PdfProbe ProbePdf(const QString& path) {
    PdfProbe probe;
    const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
    const auto field = [&info](const char* name) {
        const QRegularExpression line(QString::fromLatin1(name) + QStringLiteral(":\\s*([^\\n]*)"));
        return line.match(info).captured(1).trimmed();
    };
    probe.Pages = field("Pages").toInt();
    probe.Title = field("Title");
    const QStringList size = field("Page size").split(u' ');
    if (size.size() >= 3)
        probe.Points = QSizeF(size[0].toDouble(), size[2].toDouble());
    QTemporaryDir out;
    RunTool(QStringLiteral("pdfdetach"),
            {QStringLiteral("-saveall"), QStringLiteral("-o"), out.path(), path});
    QFile text(out.filePath(QStringLiteral("yomiwa-text.txt")));
    if (text.open(QIODevice::ReadOnly))
        probe.AttachedText = QString::fromUtf8(text.readAll());
    return probe;
}

} // namespace yomiwa::test
