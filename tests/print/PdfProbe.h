#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QTemporaryDir>

namespace yomiwa::test {

// What poppler's pdfinfo, pdffonts and pdfdetach read from a PDF: a reader independent of Qt.
struct PdfProbe {
    int Pages = 0;
    QSizeF Points;
    QString Title;
    bool FontsEmbedded = false;
    QString AttachedText;
};

inline QString Poppler(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline PdfProbe ProbePdf(const QString& path) {
    const QString info = Poppler(QStringLiteral("pdfinfo"), {path});
    const auto field = [&info](const QString& name) {
        return QRegularExpression(name + QStringLiteral(":\\s*([^\\n]*)")).match(info).captured(1);
    };
    const QStringList size = field(QStringLiteral("Page size")).split(u' ');
    // pdffonts lists a font per line, its "emb" column three columns before the object id.
    const QString fonts = Poppler(QStringLiteral("pdffonts"), {path});
    const QRegularExpression notEmbedded(
        QStringLiteral("\\sno\\s+\\S+\\s+\\S+\\s+\\d+\\s+\\d+\\n"));
    QTemporaryDir out;
    Poppler(QStringLiteral("pdfdetach"),
            {QStringLiteral("-saveall"), QStringLiteral("-o"), out.path(), path});
    QFile text(out.filePath(QStringLiteral("yomiwa-text.txt")));
    text.open(QIODevice::ReadOnly);
    return {field(QStringLiteral("Pages")).toInt(),
            QSizeF(size.value(0).toDouble(), size.value(2).toDouble()),
            field(QStringLiteral("Title")).trimmed(),
            fonts.contains(QStringLiteral("CID TrueType")) && !notEmbedded.match(fonts).hasMatch(),
            QString::fromUtf8(text.readAll())};
}

} // namespace yomiwa::test
