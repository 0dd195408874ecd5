// SPDX-License-Identifier: GPL-3.0-or-later
// Any line as a code list, taken as Latin-1 and as UTF-8: a decoded text must encode again
// to a code list that decodes to the same text.
#include "model/CodeList.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace yomiwa;

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void RoundTrip(const QString& line) {
    const std::optional<QString> text = DecodeCodeList(line);
    if (!text)
        return;
    const std::optional<QString> encoded = EncodeCodeList(*text);
    Check(encoded.has_value());
    const std::optional<QString> again = DecodeCodeList(*encoded);
    Check(again && *again == *text);
    Check(EncodeCodeList(*again) == encoded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    RoundTrip(QString::fromLatin1(bytes));
    RoundTrip(QString::fromUtf8(bytes));
    return 0;
}
