// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a collection file: the reader must refuse them cleanly or give a collection
// that the writer turns into a file reading back exactly the same.
#include "model/KushuFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace yomiwa;
using namespace Qt::Literals::StringLiterals;

namespace {

// Only a code-list line (the password, a verse) can bring a CR into a one-line field; the
// writer refuses to write one.
bool HasCrInOneLineField(const Kushu& k) {
    if (k.Password.contains(u'\r'))
        return true;
    for (int i = 0; i < k.Entries.size(); ++i) {
        if (KindOfIndex(i, k.KuCount()) == EntryKind::Ku && k.Entries.at(i).Verse.contains(u'\r'))
            return true;
    }
    return false;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Result<Kushu> read = ParseKushu(bytes);
    if (!read.ok()) {
        Check(read.error().startsWith(u"句集を開けません。\r"_s));
        Check(read.kind() == ErrorKind::BadContent || read.kind() == ErrorKind::HeaderOnly);
        return 0;
    }
    const Kushu& k = read.value();
    Check(k.KuCount() >= 0 && k.KuCount() <= MaxKuCount);

    const Result<QByteArray> file = SerializeKushu(k);
    if (!file.ok()) {
        Check(HasCrInOneLineField(k));
        return 0;
    }
    const Result<Kushu> again = ParseKushu(file.value());
    Check(again.ok());
    Check(again.value() == k);
    Check(SerializeKushu(again.value()).value() == file.value());
    return 0;
}
