#include "FileNames.h"

#include "Cp932.h"

#include <QDir>
#include <QFileInfo>

namespace yomiwa {

using namespace Qt::Literals::StringLiterals;

QString KushuFileName(const QString& title, const QString& edition) {
    return title + u"_"_s + edition + u".Ywk"_s;
}

QString CollectionFilePath(const QString& appFolder, const QString& listText) {
    const QString exact = appFolder + listText + u".Ywk"_s;
    if (QFileInfo::exists(exact))
        return exact;
    const QDir folder(appFolder);
    for (const QString& name : folder.entryList({u"*.Ywk"_s}, QDir::Files)) {
        if (name.chopped(4) == listText)
            return appFolder + name;
    }
    return exact;
}

QString KansoFileName(const QString& titleCaption, const QString& editionCaption) {
    return titleCaption + u"_"_s + editionCaption.mid(1, 1) + u".kan"_s;
}

QString CheckFileNamePart(const QString& text, const QString& what) {
    static constexpr char16_t Forbidden[] = u"\\/:*?\"<>|";
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x20 || QStringView(Forbidden).contains(QChar(c))) {
            return what + u"にファイル名に使えない文字"_s + cp932::DescribeChar(text, i) +
                   u"が含まれています。\r次の文字は使えません： \\ / : * ? \" < > |"_s;
        }
    }
    return {};
}

} // namespace yomiwa
