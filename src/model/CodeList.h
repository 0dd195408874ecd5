// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include "model/Cp932.h"

#include <optional>

namespace yomiwa {

// The password line and every verse line are kept as a "code list": for each character its
// signed 16-bit Shift-JIS code plus CodeOffset, in decimal, each followed by ",".
constexpr int CodeOffset = 73;

// nullopt when a character has no Shift-JIS code.
std::optional<QString> EncodeCodeList(QStringView text);

// Appends the code list of a text already in Shift-JIS, in ASCII: what EncodeCodeList gives
// for the text these bytes encode.
void AppendCodeList(QByteArray& out, QByteArrayView sjis);

// Stops at the first item that is missing or empty; text after the last "," is ignored.
// nullopt when an item is not a decimal number or not the code of a Shift-JIS character.
std::optional<QString> DecodeCodeList(QStringView line);

} // namespace yomiwa
