// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Kushu.h"
#include "model/Result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace yomiwa {

// The collection file: title, author, edition, the password as a code list, then one
// block per entry framed by its markers (JOSTART-- ... OKUEND--), Shift-JIS, CR LF.

// The whole collection, or a failure: CannotRead or TooLarge for the file, BadContent for
// what it holds, HeaderOnly when line 5 is not the start of 序 (the first four lines, which
// the editor still shows, read with ReadKushuHeader).
Result<Kushu> ParseKushu(QByteArrayView bytes);
Result<Kushu> ReadKushuFile(const QString& path);

// The first lines only: 3 (title, author, edition) or 4 (with the password).
struct KushuHeader {
    QString Title;
    QString Author;
    QString Edition;
    QString Password;
};
Result<KushuHeader> ReadKushuHeader(const QString& path, int lineCount);

// Refuses, naming the entry and the field, whatever would not read back as it was given: a
// CR in a one-line field, a commentary line that would end its block early, a character
// without a Shift-JIS code, more haiku than the program holds (Refused).
Result<QByteArray> SerializeKushu(const Kushu& kushu);

// Writes AppFolder & KushuFileName(...), replacing any file of that name. On failure
// nothing on disk changed.
Status WriteKushuFile(const QString& appFolder, const Kushu& kushu);

} // namespace yomiwa
