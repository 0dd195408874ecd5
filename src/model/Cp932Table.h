// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/Cp932.h"

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace yomiwa::cp932 {

// The code page as a table, made by its decoder once per process: the character of every
// single byte and every lead-trail pair (0x8140 for the pair 81 40), NoChar where the
// decoder reports a fault. A file is thousands of short texts, the code lists among them,
// and one conversion call each would cost more than the rest of reading the file; the
// code page maps each character on its own, so the table gives what the decoder gives.
constexpr char16_t NoChar = 0xFFFF;
const std::vector<char16_t>& CodeTable();

// The bytes decoded through the table; nullopt where the decoder would report a fault.
std::optional<QString> DecodeByTable(QByteArrayView bytes);

} // namespace yomiwa::cp932
