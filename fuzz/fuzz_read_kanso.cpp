// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a comments file, for a collection of as many haiku as the first byte says.
#include "model/KansoFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool HasMarkerText(const QStringList& comments) {
    for (const QString& comment : comments) {
        if (comment.contains(u"KANSOSTART--"_s) || comment.contains(u"KANSOEND--"_s))
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString name = u"春_一.kan"_s;
    const int kuCount = size > 0 ? data[0] : 0;

    const Result<QStringList> fitted = ParseKanso(bytes, kuCount, name);
    const std::optional<QStringList> blocks = ParseKansoBlocks(bytes);
    if (fitted.ok()) {
        Check(fitted.value().size() == kuCount + 4);
        Check(blocks && *blocks == fitted.value());
    } else {
        Check(fitted.kind() == ErrorKind::DoesNotFit && !fitted.error().isEmpty());
    }
    if (!blocks)
        return 0;

    // The file fits the collection with as many entries as it has blocks.
    if (blocks->size() >= 4) {
        const Result<QStringList> all = ParseKanso(bytes, int(blocks->size()) - 4, name);
        Check(all.ok() && all.value() == *blocks);
    }
    // Whatever the writer accepts reads back the same.
    const Result<QByteArray> file = SerializeKanso(*blocks);
    if (!file.ok()) {
        Check(HasMarkerText(*blocks));
        return 0;
    }
    const std::optional<QStringList> again = ParseKansoBlocks(file.value());
    Check(again && *again == *blocks);
    return 0;
}
