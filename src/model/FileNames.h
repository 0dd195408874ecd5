#pragma once

#include <QString>

namespace yomiwa {

// AppFolder & title & "_" & edition & ".Ywk". Nothing is escaped; see CheckFileNamePart.
QString KushuFileName(const QString& title, const QString& edition);

// The collection file a list text (title, "_", edition) names: AppFolder & text & ".Ywk", or,
// where the file system tells letter case apart, the file whose extension differs from
// ".Ywk" only in case, as the collection list shows it.
QString CollectionFilePath(const QString& appFolder, const QString& listText);

// The comments file of the collection shown with these captions: the title, "_", the
// second character of the edition caption ("第" & edition & "版"), ".kan".
QString KansoFileName(const QString& titleCaption, const QString& editionCaption);

// A title or edition becomes part of a file name in the program's folder. Returns the
// message for the user when it holds a path separator or a character that file names on
// the original platform may not hold (\ / : * ? " < > | and control characters); empty
// when it can be used. `what` names the field in the message, such as "句集名".
QString CheckFileNamePart(const QString& text, const QString& what);

} // namespace yomiwa
